#include "support/ScriptedDialogBackend.h"

#include <sys/mman.h>
#include <sys/resource.h>
#include <unistd.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fstream>
#include <iostream>

#include "DataTestSupport.h"
#include "platform/core/Exceptions.h"
#include "platform/core/Memory.h"
#include "platform/data/Dialogs.h"

namespace {

using ::testing::ElementsAre;

class DialogsTest : public ::testing::Test {
protected:
    testing_support::ScriptedDialogs dialogs;
};

TEST_F(DialogsTest, AnswersInTheOrderQueuedAndRecordsWhatWasAsked) {
    dialogs.AnswerOpen("/a.srt");
    dialogs.CancelOpen();
    dialogs.CancelSave();
    dialogs.AnswerSave("/b.srt");

    const auto first = platform::GetOpenFolderItem("text/srt");
    ASSERT_TRUE(first.has_value());
    EXPECT_EQ(first->Path(), "/a.srt");
    EXPECT_FALSE(platform::GetOpenFolderItem("").has_value());
    EXPECT_FALSE(platform::GetSaveFolderItem("", "x_V2.srt").has_value());
    const auto saved = platform::GetSaveFolderItem("", "y_V2.srt");
    ASSERT_TRUE(saved.has_value());
    EXPECT_EQ(saved->Name(), "b.srt");
    EXPECT_EQ(dialogs.PendingAnswers(), 0u);

    EXPECT_THAT(dialogs.OpenRequests(), ElementsAre("text/srt", ""));
    ASSERT_EQ(dialogs.SaveRequests().size(), 2u);
    EXPECT_EQ(dialogs.SaveRequests()[1].proposedName, "y_V2.srt");

    platform::MsgBox("one");
    EXPECT_TRUE(platform::ShowURL("https://example.org/"));
    EXPECT_THAT(dialogs.Messages(), ElementsAre("one"));
    EXPECT_THAT(dialogs.Urls(), ElementsAre("https://example.org/"));

    dialogs.ClearRecords();
    EXPECT_TRUE(dialogs.Messages().empty());
    EXPECT_TRUE(dialogs.OpenRequests().empty());
}

TEST_F(DialogsTest, ADialogWithoutAQueuedAnswerFailsLoudly) {
    EXPECT_THROW(platform::GetOpenFolderItem("text/srt"),
                 platform::ScriptedDialogBackend::Unscripted);
    dialogs.AnswerOpen("/a.srt");  // an open answer does not answer the save dialog
    EXPECT_THROW(platform::GetSaveFolderItem("", "a_V2.srt"),
                 platform::ScriptedDialogBackend::Unscripted);
    EXPECT_EQ(dialogs.PendingAnswers(), 1u);
    EXPECT_TRUE(platform::GetOpenFolderItem("").has_value());
}

TEST_F(DialogsTest, BusyScopesNestAndPauseWhileADialogIsUp) {
    dialogs.AnswerSave("/b.srt");
    {
        const platform::BusyScope reading;
        { const platform::BusyScope inner; }
        EXPECT_THAT(dialogs.BusyChanges(), ElementsAre(true)) << "an inner scope changes nothing";
        EXPECT_TRUE(platform::GetSaveFolderItem("", "b_V2.srt").has_value());
        platform::MsgBox("done");
    }
    EXPECT_THAT(dialogs.BusyChanges(), ElementsAre(true, false, true, false, true, false));

    dialogs.Busy(true);
    EXPECT_THROW(platform::MsgBox("x"), platform::ScriptedDialogBackend::Unscripted)
        << "a dialog that comes up while busy is caught";
    dialogs.Busy(false);
}

// What Qt's file dialog was seen to take in address space when it first came up: the stacks of
// the three threads it started, and 4 MiB.
std::size_t FileDialogNeeds() {
    return 3 * platform::DefaultThreadStackSize() + (std::size_t{4} << 20);
}

void* MapAddressSpace(std::size_t bytes) {
    void* const mapping =
        ::mmap(nullptr, bytes, PROT_NONE, MAP_PRIVATE | MAP_ANONYMOUS | MAP_NORESERVE, -1, 0);
    return mapping == MAP_FAILED ? nullptr : mapping;
}

// Limits the process's address space to what it uses now and a little more, then takes all that
// is left, as long work would.
void FillLimitedAddressSpace() {
    std::size_t pages = 0;
    std::ifstream("/proc/self/statm") >> pages;
    const rlimit limit{pages * static_cast<std::size_t>(::sysconf(_SC_PAGESIZE)) + (512 << 20),
                       RLIM_INFINITY};
    if (pages == 0 || ::setrlimit(RLIMIT_AS, &limit) != 0) {
        std::cerr << "Could not limit the address space.\n";
        std::_Exit(1);
    }
    for (std::size_t piece = std::size_t{1} << 30; piece >= 4096;) {
        if (MapAddressSpace(piece) == nullptr) {
            piece /= 2;
        }
    }
}

// A message box that takes what the file dialog needs, and gives it back when done unless told
// to keep it.
class RoomTakingDialogs : public platform::ScriptedDialogBackend {
public:
    bool keepsRoom = false;
    bool hadRoom = false;

    void ShowMessage(std::string_view text) override {
        void* const room = MapAddressSpace(FileDialogNeeds());
        hadRoom = room != nullptr;
        if (hadRoom && !keepsRoom) {
            ::munmap(room, FileDialogNeeds());
        }
        ScriptedDialogBackend::ShowMessage(text);
    }
};

// In a child with a limited address space, since the work fills it up.
void DialogsDuringWorkThatFillsTheAddressSpace() {
    RoomTakingDialogs dialogs;
    const datatest::InstalledDialogs installed(dialogs);
    int faults = 0;
    const auto fault = [&](const char* what) {
        std::cerr << what << '\n';
        ++faults;
    };
    {
        const platform::BusyScope work;
        FillLimitedAddressSpace();
        platform::MsgBox("has room");
        if (!dialogs.hadRoom) {
            fault("A dialog during the work found no room.");
        }
        dialogs.keepsRoom = true;
        try {
            platform::MsgBox("keeps room");
            fault("A dialog that kept its room let the work go on.");
        } catch (const std::bad_alloc&) {
        }
    }
    const platform::BusyScope workWithoutRoom;
    try {
        platform::MsgBox("no room");
    } catch (const std::bad_alloc&) {
    }
    if (dialogs.Messages().size() != 2) {
        fault("A dialog came up without room.");
    }
    std::_Exit(faults);
}

TEST(DialogRoomTest, DialogsDuringWorkHaveRoomHoweverMuchItHoldsAndMustGiveItBack) {
    EXPECT_EXIT(DialogsDuringWorkThatFillsTheAddressSpace(), ::testing::ExitedWithCode(0), "");
}

TEST(DialogBackendTest, WithoutABackendTheDialogsRaise) {
    platform::InstallDialogBackend(nullptr);
    EXPECT_THROW(platform::CurrentDialogBackend(), platform::NilObjectException);
    EXPECT_THROW(platform::MsgBox("x"), platform::NilObjectException);
    const platform::BusyScope busy;  // work goes on without anyone to show it to
}

}  // namespace
