#include "platform/data/TextInputStream.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "DataTestSupport.h"

namespace {

using ::testing::ElementsAre;

std::vector<std::string> AllLines(std::string content) {
    platform::TextInputStream stream(std::move(content));
    return datatest::AllLines(stream);
}

TEST(TextInputStreamTest, EndsLinesAtLfCrLfAndALoneCr) {
    EXPECT_THAT(AllLines("a\nb\r\nc\rd"), ElementsAre("a", "b", "c", "d"));
    EXPECT_THAT(AllLines("a\r\rb\n\nc\r\n\r\n"), ElementsAre("a", "", "b", "", "c", ""));
    EXPECT_THAT(AllLines("a\n\r"), ElementsAre("a", ""));  // LF then a lone CR
    EXPECT_THAT(AllLines("\r\n"), ElementsAre(""));
}

TEST(TextInputStreamTest, EmptyFileGivesOneEmptyLine) {
    platform::TextInputStream stream("");
    EXPECT_TRUE(stream.EndOfFile());
    EXPECT_EQ(stream.ReadLine(), "");
    EXPECT_TRUE(stream.EndOfFile());
}

TEST(TextInputStreamTest, LeavesOutTheUtf8ByteOrderMarksOnlyAtTheStart) {
    EXPECT_THAT(AllLines("\xEF\xBB\xBF"
                         "a\n\xEF\xBB\xBF"
                         "b"),
                ElementsAre("a",
                            "\xEF\xBB\xBF"
                            "b"));
    EXPECT_THAT(AllLines("\xEF\xBB\xBF"), ElementsAre(""));
    EXPECT_THAT(AllLines("\xEF\xBB"
                         "a"),
                ElementsAre("\xEF\xBB"
                            "a"));  // not a whole mark
    EXPECT_THAT(AllLines("\xEF\xBB\xBF\xEF\xBB\xBF"
                         "1\n"),
                ElementsAre("1"));  // a mark kept and one added by an editor
    EXPECT_THAT(AllLines("\xEF\xBB\xBF\xEF\xBB\xBF\xEF\xBB"
                         "1"),
                ElementsAre("\xEF\xBB"
                            "1"));
}

TEST(TextInputStreamTest, HandsOverEveryOtherByteUnchanged) {
    std::string bytes;
    for (int b = 0; b < 256; ++b) {
        if (b != '\n' && b != '\r') {
            bytes += static_cast<char>(b);
        }
    }
    platform::TextInputStream stream(bytes + "\n" + bytes);
    stream.Encoding(platform::Encodings::UTF8);
    EXPECT_EQ(stream.Encoding(), platform::TextEncoding::UTF8);
    EXPECT_EQ(stream.ReadLine(), bytes);
    EXPECT_FALSE(stream.EndOfFile());
    EXPECT_EQ(stream.ReadLineView(), bytes);
    EXPECT_TRUE(stream.EndOfFile());
}

TEST(TextInputStreamTest, NothingIsLeftAfterClose) {
    platform::TextInputStream stream("a\nb\n");
    EXPECT_EQ(stream.ReadLine(), "a");
    stream.Close();
    EXPECT_TRUE(stream.EndOfFile());
    EXPECT_EQ(stream.ReadLine(), "");
}

TEST(TextInputStreamTest, ManyShortLinesWithScatteredCarriageReturns) {
    std::string content;
    std::vector<std::string> expected;
    for (int i = 0; i < 5000; ++i) {
        expected.push_back(std::to_string(i));
        content += expected.back() + (i % 7 == 0 ? "\r" : i % 3 == 0 ? "\r\n" : "\n");
    }
    EXPECT_EQ(AllLines(content), expected);
}

}  // namespace
