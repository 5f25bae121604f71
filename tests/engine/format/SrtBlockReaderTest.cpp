#include "engine/format/SrtBlockReader.h"

#include <gmock/gmock.h>

#include <string>

#include "engine/format/SrtReadError.h"
#include "support/MessageOf.h"

namespace engine {
namespace {

// The blocks of content, each as its timecode line's number, ":" and its text lines joined by
// "|", the blocks joined by " / ".
std::string Blocks(std::string content) {
    platform::TextInputStream stream(std::move(content));
    SrtBlockReader reader(stream);
    std::string blocks;
    for (SrtBlock block; reader.Next(block);) {
        blocks += (blocks.empty() ? "" : " / ") + std::to_string(block.timecodeLineNumber) + ":";
        for (std::size_t i = 0; i < block.textLines.size(); ++i) {
            blocks += (i > 0 ? "|" : "") + std::string(block.textLines[i]);
        }
    }
    return blocks;
}

constexpr const char* tc = "00:00:01,000 --> 00:00:02,000";

TEST(SrtBlockReader, TellsIndexLinesFromNumbersThatAreText) {
    const std::string t(tc);
    const std::pair<std::string, std::string> cases[] = {
        {"1\n" + t + "\nA\n\n2\n\n" + t + "\nB\n", "2:A / 7:B"},  // empty line after the index
        {"1\n" + t + "\nRoom\n101\n" + t + "\nB\n", "2:Room|101 / 5:B"},  // not by count
        {"1\n" + t + "\nRoom\n2\n" + t + "\nB\n", "2:Room / 5:B"},        // by count
        {"1\n" + t + "\nRoom\n 002\t\n\n" + t + "\n", "2:Room / 6:"},     // zeros and blanks
        {"1\n" + t + "\nA\n\n9\n" + t + "\n", "2:A / 6:"},                // after an empty line
        {"1\n" + t + "\nA\n \n9\n" + t + "\n", "2:A| |9 / 6:"},  // blanks are no empty line
        {t + "\n2\n" + t + "\n", "1: / 3:"},                     // no text, then index 2
        {t + "\n3\n" + t + "\n", "1:3 / 3:"},
        {"1\n" + t + "\n2\n2\n" + t + "\n", "2:2 / 5:"},  // text that reads the next number
        {"1\n" + t + "\nA\n\n2\n\nB\n", "2:A|2|B"},       // no timecode line follows
        {"1\n" + t + "\nA\n\n2\n\n", "2:A|2"},            // the file ends
        {"\n\n 0 \n\n" + t + "\n", "5:"},                 // the first line: any number
        {t + "\n", "1:"},
        {"1\n" + t + "\nA\n00:00:03,000 --> 00:00:04,000\n\n\nB\n\nC\n", "2:A / 4:B|C"},
    };
    for (const auto& [content, blocks] : cases) {
        EXPECT_EQ(Blocks(content), blocks) << content;
    }
}

TEST(SrtBlockReader, RefusesWhatComesBeforeTheFirstTimecodeLineUnlessItIsAnIndexLine) {
    const std::string t(tc);
    const std::pair<std::string, std::string> cases[] = {
        {"", "Line 1: expected a subtitle block, but the file is empty."},
        {"\n\n", "Line 2: expected a subtitle block, but the file holds only empty lines."},
        {"Hello\n" + t + "\n", "Line 1: expected the first timecode line"},
        {"1\nHello\n" + t + "\n", "Line 2: expected the first timecode line"},
        {"1\n3\n" + t + "\n", "Line 2: expected the first timecode line"},
        {"1\n\n2\n\n3\n" + t + "\n", "Line 3: expected the first timecode line"},
        {"1\n",
         "Line 1: expected the first timecode line (such as 00:00:01,000 --> "
         "00:00:04,000), but the file ends without one."},
        {"1\n\n7\n\n", "Line 4: expected the first timecode line"},
    };
    for (const auto& [content, message] : cases) {
        EXPECT_THAT(testing_support::MessageOf<SrtReadError>([&] { Blocks(content); }),
                    ::testing::StartsWith(message))
            << content;
    }
    // A number that may be the first block's index line: the lines after it decide.
    EXPECT_EQ(Blocks("1\n\n1\n\n" + t + "\n"), "5:");
}

TEST(SrtBlockReader, RefusesTimecodeLinesThatAreMangledOrCutShort) {
    const std::string t(tc);
    const std::string a = "1\n" + t + "\nA\n\n2\n";  // a block, then the next one's index line
    const std::pair<std::string, std::string> cases[] = {
        // A mangled arrow: the first line, the first block's and a later block's timecode line.
        {"00:00:01,000 -> 00:00:02,000\n", "Line 1: this timecode line has \"->\" where \"-->\""},
        {"1\n00:00:01,000 \u2014> 00:00:02,000\n", "Line 2: this timecode line has \"\u2014>\""},
        {a + "00:00:03 -> 00:00:04\nB\n", "Line 6: this timecode line has \"->\" where"},
        {"1\n" + t + "\nA\n00:00:03,000 00:00:04,000\n",
         "Line 4: this timecode line has no \"-->\" between its times: \"00:00:03,000 "
         "00:00:04,000\"."},
        // The file cut off inside its last timecode line, or right after an index line.
        {a + "00:01:35,000 --> 00:01:3",
         "Line 6: the file ends inside this timecode line, which is cut short: \"00:01:35,000 "
         "--> 00:01:3\"."},
        {a + "00:01:35,000 --> 00:01:38,00", "Line 6: the file ends inside this timecode line"},
        {a + "00:01:35,000 --> ", "Line 6: the file ends inside this timecode line"},
        {a + "00:01:35,000 --", "Line 6: the file ends inside this timecode line"},
        {a + "00:01:35,0", "Line 6: the file ends inside this timecode line"},
        {a + "0", "Line 6: the file ends inside this timecode line"},
        {"1\n00:00:01,000 --> 00:00:0", "Line 2: the file ends inside this timecode line"},
        {a, "Line 5: the file ends after the index line \"2\", where its timecode line belongs."},
    };
    for (const auto& [content, message] : cases) {
        EXPECT_THAT(testing_support::MessageOf<SrtReadError>([&] { Blocks(content); }),
                    ::testing::StartsWith(message))
            << content;
    }
    // Whole last lines without a line end, an end before its start among them, are read.
    EXPECT_EQ(Blocks(a + "00:01:35,000 --> 00:01:38,000"), "2:A / 6:");
    EXPECT_EQ(Blocks(a + "00:01:35,000 --> 00:00:05,000 X1:5"), "2:A / 6:");
    EXPECT_EQ(Blocks(a + t + "\n00:01"), "2:A / 6:00:01");
    EXPECT_EQ(Blocks("1\n" + t + "\nA\n2"), "2:A|2");
}

TEST(SrtBlockReader, KnowsWholeNumbersAndTheirValue) {
    for (const char* number : {"0", "7", " 12\t", "007", "99999999999999999999999"}) {
        EXPECT_TRUE(SrtBlockReader::IsWholeNumber(number)) << number;
    }
    for (const char* text : {"", " ", "-1", "+1", "1.0", "1 2", "１", "1\r"}) {
        EXPECT_FALSE(SrtBlockReader::IsWholeNumber(text)) << text;
    }
    EXPECT_TRUE(SrtBlockReader::IsNumber(" 002 ", 2));
    EXPECT_TRUE(SrtBlockReader::IsNumber("10", 10));
    EXPECT_FALSE(SrtBlockReader::IsNumber("20", 2));
    EXPECT_FALSE(SrtBlockReader::IsNumber("0", 1));
    EXPECT_FALSE(SrtBlockReader::IsNumber("100000000000000000001", 1));
}

}  // namespace
}  // namespace engine
