#pragma once

#include "support/Files.h"
#include "support/ScriptedDialogs.h"

namespace datatest {

using testing_support::InstalledDialogs;
using testing_support::ReadBytes;
using testing_support::TemporaryFolder;
using testing_support::WriteBytes;

}  // namespace datatest
