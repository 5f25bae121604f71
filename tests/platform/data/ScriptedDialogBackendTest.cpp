#include "support/ScriptedDialogBackend.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "platform/core/Exceptions.h"
#include "platform/data/Dialogs.h"
#include "support/ScriptedDialogs.h"

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

TEST(DialogBackendTest, WithoutABackendTheDialogsRaise) {
    platform::InstallDialogBackend(nullptr);
    EXPECT_THROW(platform::CurrentDialogBackend(), platform::NilObjectException);
    EXPECT_THROW(platform::MsgBox("x"), platform::NilObjectException);
    const platform::BusyScope busy;  // work goes on without anyone to show it to
}

}  // namespace
