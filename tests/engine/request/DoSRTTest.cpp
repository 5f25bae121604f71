#include <gmock/gmock.h>

#include "engine/EngineTestSupport.h"

namespace enginetest {
namespace {

using DoSRTTest = CopyTest;

TEST_F(DoSRTTest, CopiesTheRowsAndConvertsTheirTimecodes) {
    AddRow("72.500", "75.250", "a text");
    EXPECT_EQ(Export(), "1\n00:01:12,500 --> 00:01:15,250\na text\n\n");
    EXPECT_THAT(host.app.startTimeArray.Items(), ElementsAre("00:01:12,500"));
    EXPECT_THAT(host.app.endTimeArray.Items(), ElementsAre("00:01:15,250"));
    EXPECT_THAT(host.app.textArray.Items(), ElementsAre("a text"));
    EXPECT_THAT(host.app.secondsArray.Items(), IsEmpty());
    EXPECT_EQ(host.cueList.ListCount(), 1);  // only read
}

TEST_F(DoSRTTest, ReadsFractionsAsDecimalsAndWritesNegativeTimesAsZero) {
    host.app.srtName = "x.srt";
    AddRow("62.5", "62.05", "");
    AddRow("-2.500", "360002.999", "");
    AddRow("not a number", "7.000X1", "");
    Export();
    EXPECT_THAT(host.app.startTimeArray.Items(),
                ElementsAre("00:01:02,500", "00:00:00,000", "00:00:00,000"));
    EXPECT_THAT(host.app.endTimeArray.Items(),
                ElementsAre("00:01:02,050", "100:00:02,999", "00:00:07,000"));
}

TEST_F(DoSRTTest, EmptyCueListStillAsksAndWritesAnEmptyFile) {
    host.app.startTimeArray.Append("old");
    host.app.secondsArray.Append("old");
    WriteBytes(folder.Path("out.srt"), "what was there before");
    EXPECT_EQ(Export(), "");
    EXPECT_TRUE(host.app.startTimeArray.Empty());
    EXPECT_TRUE(host.app.endTimeArray.Empty());
    EXPECT_TRUE(host.app.textArray.Empty());
    EXPECT_TRUE(host.app.secondsArray.Empty());
    EXPECT_THAT(dialogs.Launched(), ElementsAre(folder.Path("out.srt")));
    EXPECT_THAT(folder.Names(), ElementsAre("out.srt"));
}

TEST_F(DoSRTTest, SecondRunHoldsOnlyItsOwnRows) {
    AddRow("1.000", "2.000", "first");
    AddRow("3.000", "4.000", "second");
    Export("one.srt");
    host.cueList.DeleteAllRows();
    AddRow("5.000", "6.000", "third");
    Export("two.srt");
    EXPECT_THAT(host.app.startTimeArray.Items(), ElementsAre("00:00:05,000"));
    EXPECT_THAT(host.app.endTimeArray.Items(), ElementsAre("00:00:06,000"));
    EXPECT_THAT(host.app.textArray.Items(), ElementsAre("third"));
}

TEST_F(DoSRTTest, CancelledSaveKeepsTheConvertedLists) {
    AddRow("4.000", "6.500", "Hello|world");
    dialogs.CancelSave();
    engine::DoSRT(host);

    EXPECT_THAT(dialogs.Messages(), ElementsAre("Could not write the new SRT file."));
    EXPECT_THAT(host.app.startTimeArray.Items(), ElementsAre("00:00:04,000"));
    EXPECT_THAT(host.app.textArray.Items(), ElementsAre("Hello|world"));
    EXPECT_TRUE(dialogs.Launched().empty());
    EXPECT_THAT(folder.Names(), IsEmpty());
}

}  // namespace
}  // namespace enginetest
