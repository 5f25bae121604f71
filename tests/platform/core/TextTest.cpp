#include "platform/core/Text.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <limits>
#include <random>
#include <tuple>

#include "support/Files.h"

namespace platform {
namespace {

std::vector<std::string> Pieces(std::string_view text, std::string_view delimiter) {
    return Split(text, delimiter).Items();
}

TEST(Split, CutsAtEveryWholeDelimiterKeepingEmptyPieces) {
    using V = std::vector<std::string>;
    EXPECT_EQ(Pieces("00:01:02,500", ":"), (V{"00", "01", "02,500"}));
    EXPECT_EQ(Pieces("a-->b-->c", "-->"), (V{"a", "b", "c"}));
    EXPECT_EQ(Pieces("a->b", "-->"), (V{"a->b"}));
    EXPECT_EQ(Pieces("|A||B|", "|"), (V{"", "A", "", "B", ""}));
    EXPECT_EQ(Pieces(".srt", "."), (V{"", "srt"}));
    EXPECT_EQ(Pieces("", ","), (V{""}));
    EXPECT_EQ(Pieces("movie", "."), (V{"movie"}));
}

TEST(Replace, ChangesOnlyTheFirstOccurrence) {
    EXPECT_EQ(Replace("00:01:12.500.1", ".", ","), "00:01:12,500.1");
    EXPECT_EQ(Replace("no point", ".", ","), "no point");
    EXPECT_EQ(Replace("abc", "", "x"), "abc");
}

TEST(ReplaceAll, ChangesEveryOccurrenceWithoutRescanningTheReplacement) {
    EXPECT_EQ(ReplaceAll("00 : 00 : 01 , 000 ", " ", ""), "00:00:01,000");
    EXPECT_EQ(ReplaceAll("It`s `fine`", "`", "'"), "It's 'fine'");
    EXPECT_EQ(ReplaceAll("aaa", "a", "aa"), "aaaaaa");
    EXPECT_EQ(ReplaceAll("abc", "", "x"), "abc");
}

TEST(Val, ReadsTheLeadingNumberAndStopsAtTheFirstOtherCharacter) {
    EXPECT_EQ(Val("05,250"), 5.0);
    EXPECT_EQ(Val("63.5.500"), 63.5);
    EXPECT_EQ(Val("0-1.5"), 0.0);
    EXPECT_EQ(Val("-2.500"), -2.5);
    EXPECT_EQ(Val("72.500"), 72.5);
    EXPECT_EQ(Val("7.000X1"), 7.0);
    EXPECT_EQ(Val("4."), 4.0);
    EXPECT_EQ(Val("-"), 0.0);
    EXPECT_EQ(Val(""), 0.0);
    EXPECT_EQ(Val("abc"), 0.0);
    EXPECT_EQ(Val("1e5"), 1.0);  // no exponents
    EXPECT_EQ(Val(" 3"), 3.0);   // a blank typed before the number does no harm
}

TEST(Val, StaysFiniteForNumbersTooLargeForADouble) {
    const std::string huge = "1" + std::string(400, '0');
    EXPECT_EQ(Val(huge), std::numeric_limits<double>::max());
    EXPECT_EQ(Val("-" + huge), std::numeric_limits<double>::lowest());
    // Too small for a Double is zero, not too large.
    EXPECT_EQ(Val("0." + std::string(327, '0') + "45"), 0.0);
    EXPECT_EQ(Val("-0." + std::string(400, '0') + "1"), 0.0);
    EXPECT_EQ(Val("60." + std::string(398, '0')), 60.0);
}

TEST(Str, WritesWholeNumbersAsPlainDigits) {
    EXPECT_EQ(Str(72.0), "72");
    EXPECT_EQ(Str(-2.0), "-2");
    EXPECT_EQ(Str(0.0), "0");
    EXPECT_EQ(Str(-0.0), "0");
    EXPECT_EQ(Str(1e20), "100000000000000000000");
    EXPECT_EQ(Str(std::int64_t{-9}), "-9");
    EXPECT_EQ(Str(std::int64_t{100}), "100");
}

TEST(Str, WritesOtherNumbersAsTheShortestPlainDecimalThatReadsBack) {
    EXPECT_EQ(Str(63.5), "63.5");
    EXPECT_EQ(Str(0.1), "0.1");
    EXPECT_EQ(Str(1e-7), "0.0000001");
    const double quotient = 86399.999 / 60.0;
    const std::string text = Str(quotient);
    EXPECT_EQ(text.substr(0, text.find('.')), "1439");  // not rounded up to 1440
    for (double value : {quotient, 1.0 / 3.0, 3599.9995, 123456.789, -0.004}) {
        const std::string written = Str(value);
        EXPECT_EQ(written.find('e'), std::string::npos) << written;
        EXPECT_EQ(Val(written), value) << written;
    }
}

TEST(Format, PadsTheWholePartAndRoundsToTheMasksDecimals) {
    EXPECT_EQ(Format(5.0, "00"), "05");
    EXPECT_EQ(Format(12.0, "00"), "12");
    EXPECT_EQ(Format(123.0, "00"), "123");  // never cut
    EXPECT_EQ(Format(1.0, "0"), "1");
    EXPECT_EQ(Format(9.5, "00.000"), "09.500");
    EXPECT_EQ(Format(59.9996, "00.000"), "60.000");
    EXPECT_EQ(Format(3599.9995, "00.000"), "3599.999");  // the Double lies just below the half
    EXPECT_EQ(Format(-1.5, "00.000"), "-01.500");
    EXPECT_EQ(Format(-0.0001, "00.000"), "00.000");
    // However many decimals the mask asks for, the number is there.
    EXPECT_EQ(Format(60.5, "0." + std::string(398, '0')), "60.5" + std::string(397, '0'));
    EXPECT_EQ(Format(-1e308, "0.00").size(), 1 + 309 + 3u);
}

TEST(TrimBlanks, LeavesOutSpacesAndTabsAtBothEndsOnly) {
    const std::pair<std::string_view, std::string_view> cases[] = {
        {"", ""},       {" \t ", ""},       {" a b\t", "a b"},          {"\t7", "7"},
        {"7\t\t", "7"}, {"\na\r", "\na\r"}, {"\xA0x\xA0", "\xA0x\xA0"},
    };
    for (const auto& [text, trimmed] : cases) {
        EXPECT_EQ(TrimBlanks(text), trimmed) << text;
    }
}

TEST(IsValidUtf8, TakesWellFormedUtf8Only) {
    const std::pair<std::string_view, bool> cases[] = {
        {"", true},
        {"plain `ASCII`", true},
        {"caf\xC3\xA9 \xE2\x80\x94 \xF0\x9F\x98\x80", true},
        {"\xF4\x8F\xBF\xBF", true},   // U+10FFFF, the last character
        {"\xA4\x60\xB1\x60", false},  // Big5
        {"caf\xE9", false},           // Latin-1
        {"\xC3", false},              // cut short
        {"\xC0\xAF", false},          // overlong
        {"\xE0\x80\xAF", false},
        {"\xED\xA0\x80", false},      // a surrogate
        {"\xF4\x90\x80\x80", false},  // beyond U+10FFFF
        {"\xF8\x88\x80\x80\x80", false},
        {"abcdefg\xE9", false},  // Latin-1 behind seven ASCII letters
    };
    for (const auto& [text, valid] : cases) {
        EXPECT_EQ(IsValidUtf8(text), valid) << Quoted(text);
    }
    // Random texts of up to 20 bytes, judged as the C library does: long enough to hold runs of
    // eight ASCII bytes, which are checked together, and a byte from the ranges where the rules
    // bite at any place in or behind them.
    std::mt19937 random(11);
    const unsigned char bytes[] = {0x41, 0x60, 0x7F, 0x80, 0x8F, 0x90, 0x9F, 0xA0, 0xBF,
                                   0xC1, 0xC2, 0xDF, 0xE0, 0xED, 0xEF, 0xF0, 0xF4, 0xF5};
    for (int i = 0; i < 50000; ++i) {
        std::string text(random() % 21, '\0');
        for (char& c : text) {
            c = random() % 4 != 0 ? static_cast<char>(0x20 + random() % 0x60)
                                  : static_cast<char>(bytes[random() % std::size(bytes)]);
        }
        ASSERT_EQ(IsValidUtf8(text), testing_support::ConvertsFromUtf8(text)) << Quoted(text);
    }
}

TEST(Quoted, ShowsWhatAMessageCannotAndCutsBetweenCharacters) {
    const std::tuple<std::string_view, std::size_t, std::string_view> cases[] = {
        {"plain", 60, "\"plain\""},
        {std::string_view("a\0\t\x01\x7F\n", 6), 60, "\"a\\0\\t\\x01\\x7F\\x0A\""},
        {"say \"hi\" \\", 60, "\"say \\\"hi\\\" \\\\\""},
        {"caf\xC3\xA9 caf\xE9", 60, "\"caf\xC3\xA9 caf\\xE9\""},
        {"abcdef", 4, "\"abcd...\""},
        {"ab\xE2\x80\x94", 4, "\"ab...\""},                              // not inside the dash
        {"\xA9\xA9\xA9\xA9\xA9\xA9", 4, "\"\\xA9\\xA9\\xA9\\xA9...\""},  // nor before all Latin-1
        {"a\xA9\xA9\xA9\xA9\xA9", 4, "\"a\\xA9\\xA9\\xA9...\""},  // no character is five bytes long
        // Characters that show as nothing or as a plain space, and their visible neighbours.
        {"\xC2\xA0"
         "00:00:04,000",
         60, "\"\\u00A000:00:04,000\""},
        {"\xC2\x80\xC2\x9F\xC2\xA1", 60, "\"\\u0080\\u009F\xC2\xA1\""},
        {"\xE2\x80\x8B\xE2\x80\x8F\xE2\x80\x90\xE2\x81\xA0\xEF\xBB\xBF", 60,
         "\"\\u200B\\u200F\xE2\x80\x90\\u2060\\uFEFF\""},
        {"x\xA0", 60, "\"x\\xA0\""},      // a Latin-1 no-break space is a byte
        {"ab\xC2\xA0x", 3, "\"ab...\""},  // the cut is never inside one
        {"ab\xC2\xA0x", 4, "\"ab\\u00A0...\""},
    };
    for (const auto& [text, longest, quoted] : cases) {
        EXPECT_EQ(Quoted(text, longest), quoted);
    }
    EXPECT_EQ(Quoted(std::string(100, 'x')), "\"" + std::string(100, 'x') + "\"");
}

TEST(Floor, GivesTheLargestWholeNumberNotAbove) {
    EXPECT_EQ(Floor(2.7), 2.0);
    EXPECT_EQ(Floor(-2.5), -3.0);
    EXPECT_EQ(Floor(60.0), 60.0);
}

TEST(Val, ReadsEveryNumberAsTheNearestDouble) {
    // Short numbers are read without the general parser; both ways must agree to the bit.
    std::mt19937_64 random(20261207);
    for (int i = 0; i < 200000; ++i) {
        const int wholeDigits = static_cast<int>(random() % 12);
        const int decimals = static_cast<int>(random() % 10);
        std::string text = random() % 4 == 0 ? "-" : "";
        for (int d = 0; d < wholeDigits; ++d) {
            text += static_cast<char>('0' + random() % 10);
        }
        if (wholeDigits == 0) {
            text += '0';
        }
        if (decimals > 0) {
            text += '.';
            for (int d = 0; d < decimals; ++d) {
                text += static_cast<char>('0' + random() % 10);
            }
        }
        ASSERT_EQ(Val(text), std::strtod(text.c_str(), nullptr)) << text;
    }
    EXPECT_EQ(Val("12345678901234567890.5"), 12345678901234567890.5);
    EXPECT_EQ(Val("0.00000000000000000000000001"), 1e-26);
}

}  // namespace
}  // namespace platform
