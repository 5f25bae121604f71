#pragma once

// What the engine's tests share: a window stand-in holding a cue list, an offset field and the
// application object's properties; a temporary folder; the scripted dialogs.

#include <gmock/gmock.h>

#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "engine/request/DoSRT.h"
#include "engine/request/ImportSRT.h"
#include "support/Files.h"
#include "support/ScriptedDialogs.h"
#include "support/StandaloneHost.h"

namespace enginetest {

using TestHost = testing_support::StandaloneHost;

using ::testing::AllOf;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;
using ::testing::StartsWith;
using testing_support::ModeOf;
using testing_support::NamesIn;
using testing_support::ReadBytes;
using testing_support::TemporaryFolder;
using testing_support::TypeOf;
using testing_support::WriteBytes;

// A time in whole milliseconds in its plain SRT form: hours in two digits or more, "," before
// the milliseconds.
inline std::string PlainSrtTime(std::int64_t ms) {
    char text[48];
    std::snprintf(text, sizeof text, "%02lld:%02lld:%02lld,%03lld",
                  static_cast<long long>(ms / 3'600'000), static_cast<long long>(ms / 60'000 % 60),
                  static_cast<long long>(ms / 1000 % 60), static_cast<long long>(ms % 1000));
    return text;
}

inline std::string DataFile(std::string_view name) {
    return std::string(TAVREL_TEST_DATA_DIR) + "/" + std::string(name);
}

// A test with a host, a temporary folder and the scripted dialogs installed.
class EngineTest : public ::testing::Test {
protected:
    void TearDown() override {
        EXPECT_EQ(dialogs.PendingAnswers(), 0u) << "a queued dialog answer was never asked for";
    }

    // A cue-list row as code other than the reader fills it: cells only, no tag.
    void AddRow(const std::string& start, const std::string& end, const std::string& text) {
        const std::int64_t row = host.cueList.ListCount();
        host.cueList.AddRow("");
        host.cueList.Cell(row, 0, start);
        host.cueList.Cell(row, 1, end);
        host.cueList.Cell(row, 2, text);
    }

    // Writes content as name, runs one request with the open dialog answering it and the save
    // dialog target, and gives back what target then holds.
    std::string Import(std::string_view content, const std::string& name,
                       const std::string& target) {
        WriteBytes(folder.Path(name), content);
        dialogs.AnswerOpen(folder.Path(name));
        dialogs.AnswerSave(folder.Path(target));
        engine::ImportSRT(host);
        return ReadBytes(folder.Path(target));
    }

    // The one message a failed request showed; checks that nothing was opened as a copy.
    static std::string OnlyMessage(const platform::ScriptedDialogBackend& shown) {
        EXPECT_THAT(shown.Launched(), IsEmpty()) << "a copy that failed was opened";
        EXPECT_EQ(shown.Messages().size(), 1u);
        return shown.Messages().empty() ? "" : shown.Messages().front();
    }

    // Runs a request on the file at path, which must be refused before the save dialog comes
    // up; gives back the one message it showed.
    std::string RefusedOpen(const std::string& path) {
        dialogs.ClearRecords();
        dialogs.AnswerOpen(path);
        engine::ImportSRT(host);
        EXPECT_THAT(dialogs.SaveRequests(), IsEmpty()) << "nothing may be written";
        return OnlyMessage(dialogs);
    }

    // Runs the copy of the cue list with the save dialog answering name; what name then holds.
    std::string Export(const std::string& name = "out.srt") {
        dialogs.AnswerSave(folder.Path(name));
        engine::DoSRT(host);
        return ReadBytes(folder.Path(name));
    }

    // The cells of row as one text: "start | end | text".
    std::string Row(std::int64_t row) {
        return host.cueList.Cell(row, 0) + " | " + host.cueList.Cell(row, 1) + " | " +
               host.cueList.Cell(row, 2);
    }

    // Every row of the cue list as Row gives it.
    std::vector<std::string> Rows() {
        std::vector<std::string> rows;
        for (std::int64_t row = 0; row < host.cueList.ListCount(); ++row) {
            rows.push_back(Row(row));
        }
        return rows;
    }

    // The cells of column in every row of the cue list.
    std::vector<std::string> Column(int column) {
        std::vector<std::string> cells;
        for (std::int64_t row = 0; row < host.cueList.ListCount(); ++row) {
            cells.push_back(host.cueList.Cell(row, column));
        }
        return cells;
    }

    TestHost host;
    TemporaryFolder folder;
    testing_support::ScriptedDialogs dialogs;
};

// A test of the copy of a cue list that the test fills itself, as if read from movie.srt.
class CopyTest : public EngineTest {
protected:
    CopyTest() { host.app.srtName = "movie.srt"; }
};

}  // namespace enginetest
