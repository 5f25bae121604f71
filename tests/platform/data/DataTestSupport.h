#pragma once

#include <string>
#include <vector>

#include "platform/data/TextInputStream.h"
#include "support/Files.h"
#include "support/ScriptedDialogs.h"

namespace datatest {

using testing_support::InstalledDialogs;
using testing_support::ModeOf;
using testing_support::ReadBytes;
using testing_support::TemporaryFolder;
using testing_support::TypeOf;
using testing_support::Utf16File;
using testing_support::WriteBytes;

// Every line of stream, read to its end.
inline std::vector<std::string> AllLines(platform::TextInputStream& stream) {
    std::vector<std::string> lines;
    do {
        lines.push_back(stream.ReadLine());
    } while (!stream.EndOfFile());
    return lines;
}

}  // namespace datatest
