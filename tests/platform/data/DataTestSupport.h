#pragma once

#include "support/Files.h"

namespace datatest {

using testing_support::ReadBytes;
using testing_support::TemporaryFolder;
using testing_support::WriteBytes;

}  // namespace datatest
