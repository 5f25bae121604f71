#include <gmock/gmock.h>

#include <tuple>

#include "engine/EngineTestSupport.h"
#include "engine/request/ImportSRT.h"

namespace enginetest {
namespace {

// The start of the message for a file the reader refuses.
const std::string kCouldNotRead = "Could not read the SRT file \"bad.srt\".\n";
// The start of the message for text where the first timecode line should be.
const std::string kFirst =
    "expected the first timecode line (such as 00:00:01,000 --> 00:00:04,000), found the text ";

class ImportSRTTest : public EngineTest {
protected:
    // Writes content as name, answers the open dialog with it and the save dialog with
    // out.srt, runs one request and gives back what was written.
    std::string Request(std::string_view content, const std::string& name = "movie.srt") {
        return Import(content, name, "out.srt");
    }

    // Runs a request on a file the reader must refuse; gives back the one message it showed.
    std::string RefusedRequest(std::string_view content) {
        WriteBytes(folder.Path("bad.srt"), content);
        return RefusedOpen(folder.Path("bad.srt"));
    }
};

TEST_F(ImportSRTTest, ReadsTheTwoBlockExampleIntoTheCueList) {
    const std::string written = Request(
        "1\n00:00:01,000 --> 00:00:04,000\nHello\nworld\n\n"
        "2\n00:00:05.500-->00:00:07.250\nIt`s fine\n\n\n");

    ASSERT_THAT(Rows(), ElementsAre("4.000 | 7.000 | Hello|world", "8.500 | 10.250 | It's fine"));
    EXPECT_TRUE(host.cueList.Selected(0));
    EXPECT_TRUE(host.cueList.Selected(1));
    EXPECT_EQ(host.app.lineBreakSymbol, "|");
    EXPECT_EQ(host.app.srtName, "movie.srt");
    EXPECT_THAT(dialogs.OpenRequests(), ElementsAre("text/srt"));
    ASSERT_EQ(dialogs.SaveRequests().size(), 1u);
    EXPECT_EQ(dialogs.SaveRequests()[0].filter, "");
    EXPECT_EQ(dialogs.SaveRequests()[0].proposedName, "movie_V2.srt");
    EXPECT_EQ(written,
              "1\n00:00:04,000 --> 00:00:07,000\nHello\nworld\n\n"
              "2\n00:00:08,500 --> 00:00:10,250\nIt's fine\n\n");
    EXPECT_THAT(dialogs.Launched(), ElementsAre(folder.Path("out.srt")));
    EXPECT_TRUE(dialogs.Messages().empty());
}

TEST_F(ImportSRTTest, SkipsEmptyLinesAndNeedsNoneBetweenBlocks) {
    Request(
        "\n\n\n1\n00:00:01,000 --> 00:00:02,000\nA\n\n\nB\n2\n00:00:03,000 --> 00:00:04,000\n"
        "3\n00:00:05,000 --> 00:00:06,000\nC\n\n\n\n");
    // The second block has no text lines.
    ASSERT_THAT(Rows(),
                ElementsAre("4.000 | 5.000 | A|B", "6.000 | 7.000 | ", "8.000 | 9.000 | C"));
}

TEST_F(ImportSRTTest, BlanksBetweenThePartsOfATimecodeVanish) {
    const std::string written = Request(
        "1\n00 : 00 : 01 , 000 --> 00:00:02,000\nA\n\n2\n00:00:03,000 --> 00:00:04,\t000\nB\n\n"
        "3\n00:00:01,000 --> 00:27:1\t,653\nC\n\n4\n- 00:00:01\t.5 -->\t-\t00 :00:01 .5\t\nD\n");
    EXPECT_EQ(Row(0), "4.000 | 5.000 | A");
    EXPECT_EQ(host.cueList.Cell(1, 1), "7.000");
    // The end time's bytes are read once: nothing of them is kept again as text behind it.
    EXPECT_EQ(written,
              "1\n00:00:04,000 --> 00:00:05,000\nA\n\n2\n00:00:06,000 --> 00:00:07,000\nB\n\n"
              "3\n00:00:04,000 --> 00:27:04,653\nC\n\n4\n00:00:01,500 --> 00:00:01,500\nD\n\n");
}

TEST_F(ImportSRTTest, CancelledOpenDialogEndsTheRequest) {
    host.app.srtName = "earlier.srt";
    host.cueList.AddRow("left over");
    dialogs.CancelOpen();
    engine::ImportSRT(host);

    EXPECT_THAT(dialogs.Messages(), ElementsAre("Could not load file."));
    EXPECT_EQ(host.cueList.ListCount(), 0);
    EXPECT_EQ(host.app.srtName, "earlier.srt");
    EXPECT_TRUE(dialogs.SaveRequests().empty());
}

TEST_F(ImportSRTTest, FileThatCannotBeOpenedIsToldAndNothingIsWritten) {
    std::filesystem::create_directory(folder.Path("folder.srt"));
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"missing.srt", "No such file or directory"}, {"folder.srt", "is a folder"}};
    for (const auto& [name, reason] : cases) {
        EXPECT_THAT(RefusedOpen(folder.Path(name)),
                    AllOf(StartsWith("Could not load file.\n"), HasSubstr(folder.Path(name)),
                          HasSubstr(reason)))
            << name;
        EXPECT_EQ(host.cueList.ListCount(), 0);
        EXPECT_EQ(host.app.srtName, name);
    }
}

TEST_F(ImportSRTTest, TwoRequestsInOneRunKeepTheLineBreakSymbolButNothingElse) {
    Request("1\n00:00:01,000 --> 00:00:02,000\nA\nB\n\n2\n00:00:03,000 --> 00:00:04,000\nC\n");
    EXPECT_EQ(host.app.textArray.Count(), 2u);

    const std::string second = Request("1\n00:00:10,000 --> 00:00:11,000\nx|y\n", "other.en.srt");
    ASSERT_THAT(Rows(), ElementsAre("13.000 | 14.000 | x|y"));
    EXPECT_EQ(host.app.lineBreakSymbol, "|");
    EXPECT_THAT(host.app.startTimeArray.Items(), ElementsAre("00:00:13,000"));
    EXPECT_THAT(host.app.textArray.Items(), ElementsAre("x|y"));
    EXPECT_EQ(dialogs.SaveRequests().back().proposedName, "other_V2.srt");
    // The "|" was in the subtitle, not a line break: it stays one line.
    EXPECT_EQ(second, "1\n00:00:13,000 --> 00:00:14,000\nx|y\n\n");
}

TEST_F(ImportSRTTest, SingleLineFilesLeaveTheLineBreakSymbolAlone) {
    Request("1\n00:00:01,000 --> 00:00:02,000\nA\n\n2\n00:00:03,000 --> 00:00:04,000\nB\n");
    EXPECT_EQ(host.app.lineBreakSymbol, "");
}

// --- Index lines are known by their place, not by counting ---

TEST_F(ImportSRTTest, SubtitleThatReadsJustANumberIsKept) {
    const std::string written = Request(
        "1\n00:00:01,000 --> 00:00:02,000\n2\n\n2\n00:00:03,000 --> 00:00:04,000\n3\n\n"
        "3\n00:00:05,000 --> 00:00:06,000\nCount: 3\n2\n");
    ASSERT_THAT(Column(2), ElementsAre("2", "3", "Count: 3|2"));
    EXPECT_EQ(written,
              "1\n00:00:04,000 --> 00:00:05,000\n2\n\n"
              "2\n00:00:06,000 --> 00:00:07,000\n3\n\n"
              "3\n00:00:08,000 --> 00:00:09,000\nCount: 3\n2\n\n");
}

TEST_F(ImportSRTTest, ANumberIsAnIndexLineOnlyWhereTheFileShowsIt) {
    // An index line begins a paragraph or is the next block's number, and a timecode line
    // follows it, empty lines between allowed; any other number is text.
    const std::pair<std::string, std::string> cases[] = {
        {"1\n00:00:01,000 --> 00:00:02,000\nA\n\n2\n\n00:00:03,000 --> 00:00:04,000\nB\n", "A/B"},
        {"1\n00:00:01,000 --> 00:00:02,000\nRoom\n101\n00:00:03,000 --> 00:00:04,000\nB\n",
         "Room|101/B"},
        {"1\n00:00:01,000 --> 00:00:02,000\nRoom\n2\n00:00:03,000 --> 00:00:04,000\nB\n", "Room/B"},
        {"1\n00:00:01,000 --> 00:00:02,000\nRoom\n002\n\n\n00:00:03,000 --> 00:00:04,000\nB\n",
         "Room/B"},
        {"\n\n 7 \n\n\n00:00:01,000 --> 00:00:02,000\nA\n\n  9\t\n00:00:03,000 --> 00:00:04,000\n",
         "A/"},
        {"00:00:01,000 --> 00:00:02,000\n3\n00:00:03,000 --> 00:00:04,000\n", "3/"},
        {"00:00:01,000 --> 00:00:02,000\n3\n\n00:00:03,000 --> 00:00:04,000\n", "3/"},
        {"00:00:01,000 --> 00:00:02,000\n2\n\n00:00:03,000 --> 00:00:04,000\n", "/"},
        {"1\n00:00:01,000 --> 00:00:02,000\n2\n3\n00:00:03,000 --> 00:00:04,000\n4\n", "2|3/4"},
        {"1\n00:00:01,000 --> 00:00:02,000\nA\n\n2\n\nB\n", "A|2|B"},
        {"1\n00:00:01,000 --> 00:00:02,000\nA\n\n2\n\n", "A|2"},
        {"1\n00:00:01,000 --> 00:00:02,000\nA\n\nB\n5\n00:00:03,000 --> 00:00:04,000\nC\n",
         "A|B|5/C"},
    };
    for (const auto& [content, texts] : cases) {
        Request(content);
        std::string read;
        for (std::int64_t row = 0; row < host.cueList.ListCount(); ++row) {
            read += (row > 0 ? "/" : "") + host.cueList.Cell(row, 2);
        }
        EXPECT_EQ(read, texts) << content;
    }
    EXPECT_TRUE(dialogs.Messages().empty());
}

TEST_F(ImportSRTTest, AnyNumberingIsTakenForIndexLines) {
    const std::string written = Request(
        "0\n00:00:01,000 --> 00:00:02,000\nA\n\n7\n00:00:03,000 --> 00:00:04,000\nB\n\n"
        " 007 \n00:00:05,000 --> 00:00:06,000\nC\n\n\t12\t\n00:00:07,000 --> 00:00:08,000\nD\n");
    ASSERT_THAT(Column(2), ElementsAre("A", "B", "C", "D"));
    EXPECT_THAT(written, StartsWith("1\n00:00:04,000 --> 00:00:05,000\nA\n\n2\n"));
    EXPECT_THAT(written, HasSubstr("\n\n4\n00:00:10,000 --> 00:00:11,000\nD\n\n"));
}

TEST_F(ImportSRTTest, IndexLinesAreOptionalTheFirstBlockIncluded) {
    const std::string written = Request(
        "00:00:01,000 --> 00:00:02,000\nA\n\n00:00:03,000 --> 00:00:04,000\nB\nC\n"
        "00:00:05,000 --> 00:00:06,000\n\n");
    ASSERT_THAT(Rows(),
                ElementsAre("4.000 | 5.000 | A", "6.000 | 7.000 | B|C", "8.000 | 9.000 | "));
    EXPECT_EQ(written,
              "1\n00:00:04,000 --> 00:00:05,000\nA\n\n"
              "2\n00:00:06,000 --> 00:00:07,000\nB\nC\n\n"
              "3\n00:00:08,000 --> 00:00:09,000\n\n\n");
}

TEST_F(ImportSRTTest, ReadsNegativeShortAndLongTimecodes) {
    // Each timecode line with its offset, and the line written for it.
    const std::string zeros(398, '0');
    const std::tuple<std::string, std::string, std::string> cases[] = {
        {"-0:00:04,567 --> -0:00:03,456", "3", "00:00:00,000 --> 00:00:00,000"},
        {"-00:00:02,345 --> 00:00:01,234", "3", "00:00:00,655 --> 00:00:04,234"},
        {"00:01:39 --> 00:01:41,04", "3", "00:01:42,000 --> 00:01:44,040"},
        {"00:11.000 --> 00:13.000", "3", "00:00:14,000 --> 00:00:16,000"},
        {"00:31.500 --> 00:34.500 align:right size:50%", "3",
         "00:00:34,500 --> 00:00:37,500 align:right size:50%"},
        {"00:00:01,000 --> 00:00:02,000,9", "3", "00:00:04,000 --> 00:00:05,000 ,9"},
        {"00:01:00," + zeros + " --> 00:01:01,000", "0.5", "00:01:00,500 --> 00:01:01,500"},
        {"00:00:00,000" + std::string(327, '0') + "45 --> 00:00:01,000", "0",
         "00:00:00,000 --> 00:00:01,000"},
    };
    for (const auto& [timecodes, offset, expected] : cases) {
        host.offset.Text(offset);
        EXPECT_EQ(Request("1\n" + timecodes + "\nA\n"), "1\n" + expected + "\nA\n\n") << timecodes;
    }
    EXPECT_TRUE(dialogs.Messages().empty());
}

// --- The reader's limits: one clear message, nothing written ---

TEST_F(ImportSRTTest, TimesTooLargeToComputeToTheMillisecondAreRefused) {
    const std::pair<std::string, std::string> cases[] = {
        {"1" + std::string(309, '0') + ":00:00,000 --> 00:00:01,000",
         "Line 2: the start time \"1" + std::string(59, '0') + "...\""},
        {"00:00:01,000 --> 5000000000:00:00,123", "Line 2: the end time \"5000000000:00:00,123\""},
    };
    for (const auto& [timecodes, expected] : cases) {
        EXPECT_EQ(RefusedRequest("1\n" + timecodes + "\nA\n"),
                  kCouldNotRead + expected +
                      " with the offset added is too large: times must stay below 1000000000 "
                      "hours.");
    }
}

TEST_F(ImportSRTTest, TimeWithAnEmptyFieldOrAColonAfterItsFractionIsRefused) {
    // A file cut off in the middle of its last timecode line, an empty minutes field, and a
    // ":" right after the fraction (one byte changed in a real file).
    const std::pair<std::string, std::string> cases[] = {
        {"1\n00:02:40,000 --> 00:02:45,000\nA\n\n2\n00:02:47,183 --> 00:02:",
         "Line 6: the file ends inside this timecode line, which is cut short: \"00:02:47,183 --> "
         "00:02:\"."},
        {"1\n00::15,900 --> 00:00:16,000\nA\n",
         "Line 2: expected the start time as HH:MM:SS,mmm (such as 00:00:01,000), found "
         "\"00::15,900\"."},
        {"1\n00:11:24,032 --> 00:1,:26,899\nA\n",
         "Line 2: expected the end time as HH:MM:SS,mmm (such as 00:00:01,000), found "
         "\"00:1,:26,899\"."},
    };
    for (const auto& [content, expected] : cases) {
        host.offset.Text("-2.5");
        EXPECT_EQ(RefusedRequest(content), kCouldNotRead + expected);
    }
}

TEST_F(ImportSRTTest, TimecodeLineWithABrokenArrowIsRefusedNotTakenForText) {
    const std::pair<std::string, std::string> cases[] = {
        {"1\n00:00:01,000 --> 00:00:02,000\nA\n\n2\n00:00:03,000 - > 00:00:04,000\nB\n",
         "Line 6: this timecode line has \"- >\" where \"-->\" belongs: "
         "\"00:00:03,000 - > 00:00:04,000\"."},
        {"1\n00:00:01,000->00:00:02,000 X1:5\nA\n",
         "Line 2: this timecode line has \"->\" where \"-->\" belongs: "
         "\"00:00:01,000->00:00:02,000 X1:5\"."},
        {"1\n00:00:01,000 --> 00:00:02,000\nA\n\t00 : 00 : 03.000 -- >  00:00:04.000\nB\n",
         "Line 4: this timecode line has \"-- >\" where \"-->\" belongs: "
         "\"00 : 00 : 03.000 -- >  00:00:04.000\"."},
        {"1\n00:00:01,000 --> 00:00:02,000\nA\n\n2\n00:00:03,000 => 00:00:04,000\n",
         "Line 6: this timecode line has \"=>\" where \"-->\" belongs: "
         "\"00:00:03,000 => 00:00:04,000\"."},
        {"1\n00:00:01,000 --> 00:00:02,000\nFirst\n\n2\n00:00:03,000 \u2014> 00:00:04,000\n"
         "Second\n\n3\n00:00:05,000 --> 00:00:06,000\nThird\n",
         "Line 6: this timecode line has \"\u2014>\" where \"-->\" belongs: "
         "\"00:00:03,000 \u2014> 00:00:04,000\"."},
    };
    for (const auto& [content, expected] : cases) {
        EXPECT_EQ(RefusedRequest(content), kCouldNotRead + expected);
    }
    // Times in other shapes are text.
    Request(
        "1\n00:00:01,000 --> 00:00:02,000\nOpen 10:30 - 11:00\n10:30 -> 11:00\n"
        "1:02 -> 1:03,5\n");
    EXPECT_EQ(host.cueList.Cell(0, 2), "Open 10:30 - 11:00|10:30 -> 11:00|1:02 -> 1:03,5");
}

TEST_F(ImportSRTTest, AnOffsetTooLargeIsToldAsTheOffsetsFault) {
    host.offset.Text(std::string(300, '9'));
    EXPECT_EQ(RefusedRequest("1\n00:00:01,000 --> 00:00:02,000\nA\n"),
              "The offset \"" + std::string(30, '9') +
                  "...\" is too large: the seconds to add must stay below 3600000000000 "
                  "(1000000000 hours).");
}

TEST_F(ImportSRTTest, EmptyFileIsRefused) {
    EXPECT_EQ(RefusedRequest(""),
              kCouldNotRead + "Line 1: expected a subtitle block, but the file is empty.");
    EXPECT_EQ(host.app.srtName, "bad.srt");
}

TEST_F(ImportSRTTest, FileOfEmptyLinesIsRefused) {
    EXPECT_THAT(RefusedRequest("\n\r\n\n"),
                AllOf(StartsWith(kCouldNotRead + "Line 3: "), HasSubstr("only empty lines")));
}

TEST_F(ImportSRTTest, TextBeforeTheFirstTimecodeLineIsRefused) {
    EXPECT_EQ(RefusedRequest("1\nHello\n00:00:01,000 --> 00:00:02,000\nA\n"),
              kCouldNotRead + "Line 2: " + kFirst + "\"Hello\".");
    EXPECT_EQ(host.cueList.ListCount(), 0);

    // The first non-empty line, too, when it is neither a number nor a timecode line; and a
    // number that is no index line where it stands. Control characters are shown, not cut
    // off at (the first line of a UTF-16 file without its mark holds a NUL).
    const std::pair<std::string, std::string> cases[] = {
        {"some text\n00:00:00,500 --> 00:00:07,000\n", "Line 1: " + kFirst + "\"some text\"."},
        {"\nSubtitles by someone\n00:00:01,000 --> 00:00:02,000\nA\n",
         "Line 2: " + kFirst + "\"Subtitles by someone\"."},
        {"1\n2\n00:00:01,000 --> 00:00:02,000\n", "Line 2: " + kFirst + "\"2\"."},
        {"1\n\n5\n\nA\n00:00:01,000 --> 00:00:02,000\n", "Line 3: " + kFirst + "\"5\"."},
        {std::string("1\0\n\0"
                     "0\0:\0",
                     8),
         "Line 1: " + kFirst + "\"1\\0\"."},
        {std::string("\0\x01\tA\x7F\n", 6), "Line 1: " + kFirst + "\"\\0\\x01\\tA\\x7F\"."},
    };
    for (const auto& [content, expected] : cases) {
        EXPECT_EQ(RefusedRequest(content), kCouldNotRead + expected);
        EXPECT_EQ(host.cueList.ListCount(), 0);
    }
}

TEST_F(ImportSRTTest, FileWithoutATimecodeLineIsRefusedAndNoCopyReplaced) {
    const std::string earlierCopy = "1\n00:00:04,000 --> 00:00:05,000\nA\n\n";
    WriteBytes(folder.Path("bad_V2.srt"), earlierCopy);
    const std::string endsWithoutOne =
        "expected the first timecode line (such as 00:00:01,000 --> 00:00:04,000), but the file "
        "ends without one.";
    std::string sixtyNuls;
    for (int i = 0; i < 60; ++i) {
        sixtyNuls += "\\0";
    }
    const std::pair<std::string, std::string> cases[] = {
        {"1\n", "Line 1: " + endsWithoutOne},
        {"1\n\n\n2\n\n", "Line 5: " + endsWithoutOne},
        {"output", "Line 1: " + kFirst + "\"output\"."},
        {"<html><body>" + std::string(100000, 'x') + "</body></html>",
         "Line 1: " + kFirst + "\"<html><body>" + std::string(48, 'x') + "...\"."},
        {std::string(4096, '\0'), "Line 1: " + kFirst + "\"" + sixtyNuls + "...\"."},
    };
    for (const auto& [content, expected] : cases) {
        EXPECT_EQ(RefusedRequest(content), kCouldNotRead + expected);
        EXPECT_EQ(host.cueList.ListCount(), 0);
    }
    EXPECT_EQ(ReadBytes(folder.Path("bad_V2.srt")), earlierCopy);
}

TEST_F(ImportSRTTest, StartWithoutItsFieldsIsRefusedAfterTheRowsBeforeIt) {
    EXPECT_EQ(
        RefusedRequest("1\n00:00:01,000 --> 00:00:02,000\nA`\nB\n\n2\n01 --> 00:00:04,000\nC\n"),
        kCouldNotRead +
            "Line 7: expected the start time as HH:MM:SS,mmm (such as 00:00:01,000), found "
            "\"01\".");
    // The rows before the failing block stay, the failing one as far as it was filled.
    ASSERT_THAT(Rows(), ElementsAre("4.000 | 5.000 | A`|B", " |  | "));
    EXPECT_EQ(host.app.lineBreakSymbol, "|");
}

TEST_F(ImportSRTTest, EndWithAFourthFieldBehindWholeSecondsIsRefused) {
    EXPECT_THAT(
        RefusedRequest("1\n00:00:01,000 --> 00:00:02,000\nA\n\n2\n00:00:03,000 --> 00:00:04:00\n"),
        AllOf(HasSubstr("Line 6: expected the end time as HH:MM:SS,mmm"),
              HasSubstr("found \"00:00:04:00\".")));
    ASSERT_EQ(host.cueList.ListCount(), 2);
    EXPECT_EQ(host.cueList.Cell(1, 0), "6.000");
}

TEST_F(ImportSRTTest, EndMissingAltogetherIsRefused) {
    EXPECT_THAT(RefusedRequest("1\n00:00:01,000 -->\nNo end\n"),
                AllOf(HasSubstr("Line 2: expected the end time as HH:MM:SS,mmm"),
                      HasSubstr("found nothing.")));
}

TEST_F(ImportSRTTest, RefusedTimecodeStillLetsTheWholeFileSetTheLineBreakSymbol) {
    // The line-break symbol goes by the whole file: after a refused timecode the reader still
    // looks through the blocks behind it, and a two-line block there sets the symbol.
    RefusedRequest(
        "1\n00:00:01:00 --> 00:00:02,000\nA\n\n2\n00:00:03,000 --> 00:00:04,000\nB\nC\n");
    EXPECT_EQ(host.app.lineBreakSymbol, "|");
    ASSERT_THAT(Rows(), ElementsAre(" |  | "));
}

TEST_F(ImportSRTTest, LinesOfBlanksAreTextAndAreKept) {
    const std::string written =
        Request("1\n00:00:01,000 --> 00:00:02,000\nA\n \n2\n00:00:03,000 --> 00:00:04,000\n\tB\n");
    EXPECT_EQ(host.cueList.Cell(0, 2), "A| ");
    EXPECT_EQ(written,
              "1\n00:00:04,000 --> 00:00:05,000\nA\n \n\n"
              "2\n00:00:06,000 --> 00:00:07,000\n\tB\n\n");
}

TEST_F(ImportSRTTest, EngineStaysUsableAfterARefusedFile) {
    RefusedRequest("1\nHello\n");
    dialogs.ClearRecords();
    const std::string written = Request("1\n00:00:01,000 --> 00:00:02,000\nA\n");
    EXPECT_EQ(written, "1\n00:00:04,000 --> 00:00:05,000\nA\n\n");
    EXPECT_TRUE(dialogs.Messages().empty());
}

// --- Line ends, byte-order marks and bytes ---

TEST_F(ImportSRTTest, ReadsLfCrLfAndCrLineEndsAlike) {
    const std::string expected = "1\n00:00:04,000 --> 00:00:05,000\nA\nB\n\n";
    EXPECT_EQ(Request("1\n00:00:01,000 --> 00:00:02,000\nA\nB\n\n"), expected);
    EXPECT_EQ(Request("1\r\n00:00:01,000 --> 00:00:02,000\r\nA\r\nB\r\n\r\n"), expected);
    EXPECT_EQ(Request("1\r00:00:01,000 --> 00:00:02,000\rA\rB\r\r"), expected);
    EXPECT_EQ(Request("1\r\n00:00:01,000 --> 00:00:02,000\nA\rB\r\n"), expected);
}

TEST_F(ImportSRTTest, LeavesOutUtf8ByteOrderMarks) {
    const std::string written = Request(
        "\xEF\xBB\xBF"
        "1\n00:00:01,000 --> 00:00:02,000\n\xC3\xA9t\xC3\xA9\n");
    EXPECT_EQ(written, "1\n00:00:04,000 --> 00:00:05,000\n\xC3\xA9t\xC3\xA9\n\n");
    // Twice, as an editor may leave it: the hours stay.
    EXPECT_EQ(Request("\xEF\xBB\xBF\xEF\xBB\xBF"
                      "1\n01:00:00,000 --> 01:00:01,000"),
              "1\n01:00:03,000 --> 01:00:04,000\n\n\n");
}

TEST_F(ImportSRTTest, DecodesUtf16FilesToUtf8) {
    // "1", LF, "00:00:01,000 --> 00:00:02,000", LF, "é€𝄞", LF in UTF-16, both byte orders.
    const std::u16string text = u"1\n00:00:01,000 --> 00:00:02,000\n\u00E9\u20AC\U0001D11E\n";
    const std::string expected =
        "1\n00:00:04,000 --> 00:00:05,000\n\xC3\xA9\xE2\x82\xAC\xF0\x9D\x84\x9E\n\n";
    EXPECT_EQ(Request(testing_support::Utf16File(text, true)), expected);
    EXPECT_EQ(Request(testing_support::Utf16File(text, false)), expected);
}

TEST_F(ImportSRTTest, BadUtf16IsToldNotRead) {
    EXPECT_THAT(RefusedRequest(std::string("\xFF\xFE"
                                           "1\0\n\0\x00\xDC",
                                           8)),
                AllOf(StartsWith("Could not load file.\n"), HasSubstr("not valid UTF-16"),
                      HasSubstr("byte 6")));
}

TEST_F(ImportSRTTest, KeepsLatin1AndOtherBytesUnchanged) {
    const std::string latin1 =
        "Gr\xFC\xDF"
        "e, \xE9t\xE9 \xA9 \x80\x81";
    const std::string written =
        Request("1\n00:00:01,000 --> 00:00:02,000\n" + latin1 + "\nzwei\xA0\n");
    EXPECT_EQ(written, "1\n00:00:04,000 --> 00:00:05,000\n" + latin1 + "\nzwei\xA0\n\n");
}

TEST_F(ImportSRTTest, BackticksBecomeApostrophesButNeverInsideACharacter) {
    const std::string timecodes = "1\r\n00:00:01,000 --> 00:00:02,000\r\n";
    const std::string shifted = "1\n00:00:04,000 --> 00:00:05,000\n";
    // Each text line, and the line written for it: in text that is not UTF-8, a backtick right
    // after a byte from 0x81 up stays, for it may be a character's second byte (Big5, GBK,
    // Shift-JIS, Latin-1); in text with an ISO-2022 escape, every backtick stays.
    const std::pair<std::string, std::string> cases[] = {
        {"\xA4\x60\xB1\x60 \x60ok\x60", "\xA4\x60\xB1\x60 'ok'"},                    // Big5
        {"\x82\x60\xA9\x60`", "\x82\x60\xA9\x60'"},                                  // GBK
        {"\x83\x60\x93\x60\x81\x60|`", "\x83\x60\x93\x60\x81\x60|'"},                // Shift-JIS
        {"caf\xE9` `a", "caf\xE9` 'a"},                                              // Latin-1
        {"It`s caf\xC3\xA9 \xE2\x80\x94 `x`", "It's caf\xC3\xA9 \xE2\x80\x94 'x'"},  // UTF-8
        {"\x80`", "\x80'"},  // CP1252: the euro sign is no lead byte
        // Shift-JIS after half-width katakana, one byte each: "ﾃｽﾄ〜です `", "ｶチ".
        {"\xC3\xBD\xC4\x81\x60\x82\xC5\x82\xB7 `", "\xC3\xBD\xC4\x81\x60\x82\xC5\x82\xB7 '"},
        {"\xB6\x83\x60", "\xB6\x83\x60"},
        // ISO-2022-JP: "`ム`", the katakana 25 60 between the escapes.
        {"`\x1B$B\x25\x60\x1B(B`", "`\x1B$B\x25\x60\x1B(B`"},
    };
    for (const auto& [line, written] : cases) {
        EXPECT_EQ(Request(timecodes + line + "\r\n"), shifted + written + "\n\n") << line;
    }
    // Each line of a block by its own encoding.
    EXPECT_EQ(Request(timecodes + "\xA4\x60`\r\nIt`s\r\n"), shifted + "\xA4\x60'\nIt's\n\n");
    EXPECT_EQ(host.cueList.Cell(0, 2), "\xA4\x60'|It's");
    EXPECT_EQ(Request(timecodes + "\xE2\x80\x94`\r\n\xA4\x60\r\n"),
              shifted + "\xE2\x80\x94'\n\xA4\x60\n\n");  // UTF-8, then Big5
}

TEST_F(ImportSRTTest, ReadsTheTestDataFiles) {
    const std::pair<const char*, const char*> files[] = {
        {"two-blocks-crlf-bom.srt", "two-blocks-shifted.srt"},
        {"latin1-position.srt", "latin1-position-shifted.srt"}};
    for (const auto& [source, shifted] : files) {
        dialogs.AnswerOpen(DataFile(source));
        dialogs.AnswerSave(folder.Path("out.srt"));
        engine::ImportSRT(host);
        EXPECT_EQ(ReadBytes(folder.Path("out.srt")), ReadBytes(DataFile(shifted))) << source;
    }
    EXPECT_TRUE(dialogs.Messages().empty());
}

// --- Text behind the end timecode ---

TEST_F(ImportSRTTest, KeepsPositionTextBehindTheEndTimecode) {
    const std::string written = Request(
        "1\n00:00:01,000 --> 00:00:04,000 X1:100 X2:200 Y1:10 Y2:20\nA\n\n"
        "2\n00:00:05.000 --> 00:00:06.500  position:10%,line:0  \nB\n");
    // The cells hold the end time alone; the text behind it travels in the row's tag.
    EXPECT_EQ(host.cueList.Cell(0, 1), "7.000");
    EXPECT_EQ(written,
              "1\n00:00:04,000 --> 00:00:07,000 X1:100 X2:200 Y1:10 Y2:20\nA\n\n"
              "2\n00:00:08,000 --> 00:00:09,500 position:10%,line:0\nB\n\n");
}

TEST_F(ImportSRTTest, ARefusedTimeShowsTheSpaceThatCannotBeSeen) {
    EXPECT_EQ(RefusedRequest("1\n00:00:03,000\xC2\xA0-->\xC2\xA0"
                             "00:00:04,000\nA\n"),
              kCouldNotRead +
                  "Line 2: expected the end time as HH:MM:SS,mmm (such as 00:00:01,000), found "
                  "\"\\u00A000:00:04,000\".");
}

TEST_F(ImportSRTTest, TheNameOfARefusedFileIsQuotedAsAnyOtherName) {
    // A name that would otherwise end the line and tell something the reader never said.
    const std::string name = "x.srt\".\nLine 1: this file is fine, press OK \"y.srt";
    WriteBytes(folder.Path(name), "");
    EXPECT_EQ(RefusedOpen(folder.Path(name)),
              "Could not read the SRT file \"x.srt\\\".\\x0ALine 1: this file is fine, press OK "
              "\\\"y.srt\".\nLine 1: expected a subtitle block, but the file is empty.");
}

}  // namespace
}  // namespace enginetest
