// Runs one whole request (open dialog, reading, export, save dialog, writing) on arbitrary bytes
// as the chosen SRT file. The first byte picks the offset; the rest is the file. A request may
// end in exactly two ways: a shifted copy written and opened, or a message that says why not.
// Any exception that escapes, a crash, a sanitizer report or a hang is a fault, and so is a copy
// whose blocks do not match the cue list or a temporary file left in the folder.

#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "engine/request/ImportSRT.h"
#include "support/Files.h"
#include "support/ScriptedDialogBackend.h"
#include "support/ScriptedDialogs.h"
#include "support/StandaloneHost.h"

namespace {

using testing_support::StandaloneHost;

// Offsets as typed in the offset field: whole, negative, huge, with a fraction, and texts that
// are not numbers at all.
constexpr std::string_view kOffsets[] = {"0",
                                         "3",
                                         "-8",
                                         "-10",
                                         "3600",
                                         "360000",
                                         "-360000",
                                         "1.5",
                                         "-0.25",
                                         "",
                                         "abc",
                                         "1e3",
                                         "99999999999999999999",
                                         "-0",
                                         " 5",
                                         "0.0005",
                                         "+3"};

void Fail(const char* what) {
    std::fprintf(stderr, "fuzz_srt_request: %s\n", what);
    __builtin_trap();
}

// One folder for the whole run, on a memory file system when there is one, so that the
// writer's flush to the disk costs nothing; removed when the fuzzer exits normally.
struct WorkFolder {
    testing_support::TemporaryFolder folder{std::filesystem::is_directory("/dev/shm")
                                                ? std::filesystem::path("/dev/shm")
                                                : std::filesystem::temp_directory_path()};
    std::string source = folder.Path("movie.srt");
    std::string target = folder.Path("movie_V2.srt");
};

WorkFolder& Work() {
    static WorkFolder work;
    return work;
}

// The copy holds one block per cue-list row, in row order: the row's number from 1, its
// timecodes as exported, its text lines (which, joined by "|", give the row's text cell; an
// empty text is one empty line) and an empty line, with nothing after the last block.
void CheckCopy(const std::string& copy, StandaloneHost& host) {
    std::vector<std::string_view> lines;
    std::string_view rest = copy;
    while (!rest.empty()) {
        const std::size_t lineFeed = rest.find('\n');
        if (lineFeed == std::string_view::npos) {
            Fail("the copy does not end with a line end");
        }
        lines.push_back(rest.substr(0, lineFeed));
        rest.remove_prefix(lineFeed + 1);
    }
    if (copy.find('\r') != std::string::npos) {
        Fail("the copy holds a CR");
    }

    std::size_t at = 0;
    const std::int64_t rows = host.cueList.ListCount();
    if (static_cast<std::int64_t>(host.app.startTimeArray.Count()) != rows ||
        static_cast<std::int64_t>(host.app.endTimeArray.Count()) != rows ||
        static_cast<std::int64_t>(host.app.textArray.Count()) != rows) {
        Fail("the exported lists do not have one entry per row");
    }
    for (std::int64_t row = 0; row < rows; ++row) {
        if (at + 2 > lines.size() || lines[at] != std::to_string(row + 1)) {
            Fail("a block's index line is missing or wrong");
        }
        const std::string timecodes =
            host.app.startTimeArray(row) + " --> " + host.app.endTimeArray(row);
        if (!lines[at + 1].starts_with(timecodes)) {
            Fail("a block's timecode line does not hold its row's timecodes");
        }
        at += 2;
        std::string text;
        if (at < lines.size() && lines[at].empty()) {
            ++at;  // the empty text
        } else {
            for (bool first = true; at < lines.size() && !lines[at].empty(); ++at, first = false) {
                if (!first) {
                    text += '|';
                }
                text.append(lines[at]);
            }
        }
        if (text != host.cueList.CellView(row, 2)) {
            Fail("a block's text lines do not give its row's text");
        }
        if (at >= lines.size() || !lines[at].empty()) {
            Fail("a block does not end with an empty line");
        }
        ++at;
    }
    if (at != lines.size()) {
        Fail("the copy holds more than one block per row");
    }
}

// The work folder holds only the input and, when one was written, the copy.
void CheckFolder(const WorkFolder& work, bool copyWritten) {
    const std::vector<std::string> expected =
        copyWritten ? std::vector<std::string>{"movie.srt", "movie_V2.srt"}
                    : std::vector<std::string>{"movie.srt"};
    const std::vector<std::string> names = work.folder.Names();
    if (names.size() > expected.size()) {
        Fail("a stray file is left in the folder");
    }
    if (names != expected) {
        Fail("the input or the copy is missing from the folder");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    WorkFolder& work = Work();
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    std::string_view offset = kOffsets[0];
    if (!bytes.empty()) {
        offset = kOffsets[static_cast<unsigned char>(bytes.front()) % std::size(kOffsets)];
        bytes.remove_prefix(1);
    }
    ::unlink(work.target.c_str());
    testing_support::WriteBytes(work.source, bytes);

    StandaloneHost host;
    host.offset.Text(std::string(offset));
    platform::ScriptedDialogBackend dialogs;
    dialogs.AnswerOpen(work.source);
    dialogs.AnswerSave(work.target);
    {
        testing_support::InstalledDialogs installed(dialogs);
        try {
            engine::ImportSRT(host);
        } catch (...) {
            Fail("an exception escaped the request");
        }
    }

    const bool written = !dialogs.Launched().empty();
    CheckFolder(work, written);
    if (written) {
        if (!dialogs.Messages().empty() || dialogs.Launched().size() != 1 ||
            dialogs.Launched()[0] != work.target) {
            Fail("a written copy came with a message or was opened twice");
        }
        CheckCopy(testing_support::ReadBytes(work.target), host);
    } else {
        if (dialogs.Messages().size() != 1) {
            Fail("a request that wrote nothing did not say why, exactly once");
        }
        const std::string& message = dialogs.Messages()[0];
        if (!message.starts_with("Could not load file.") &&
            !message.starts_with("Could not read the SRT file \"movie.srt\".\nLine ") &&
            !message.starts_with("The offset \"") &&
            !message.starts_with("Could not write the new SRT file.")) {
            Fail("a request ended with a message of no known kind");
        }
        if (message.starts_with("Could not read") && !dialogs.SaveRequests().empty()) {
            Fail("a refused file still asked where to write");
        }
    }
    return 0;
}
