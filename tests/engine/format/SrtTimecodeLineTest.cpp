#include "engine/format/SrtTimecodeLine.h"

#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <string>
#include <tuple>

namespace engine {
namespace {

TEST(SrtTimecodeLine, CutsStartEndAndTheTextBehindTheEndTime) {
    // The line, its start, its end and the text behind the end time.
    const std::array<const char*, 4> cases[] = {
        {"00:00:01,000 --> 00:00:04,000", "00:00:01,000", "00:00:04,000", ""},
        {"00 : 00 : 01 , 000 --> 00:00:02,000", "00:00:01,000", "00:00:02,000", ""},
        {"00:00:05.500-->00:00:07.250", "00:00:05,500", "00:00:07,250", ""},
        {"00:00:01\t,500 --> 00:27:1\t,653", "00:00:01,500", "00:27:1,653", ""},
        {"00:31.500 --> 00:34.500 align:right size:50%", "00:31,500", "00:34,500",
         "align:right size:50%"},
        {"-0:00:04,567 --> - 0:00:03,456", "-0:00:04,567", "-0:00:03,456", ""},
        {"1 --> 00:00:04,000X1:100 X2:200  ", "1", "00:00:04,000", "X1:100 X2:200"},
        {"1 --> 00:00:02,000 --> 00:00:03,000", "1", "00:00:02,000", "--> 00:00:03,000"},
        {"1 --> 00:00:02,000,9", "1", "00:00:02,000", ",9"},
        {"1 --> 00:00:02:00", "1", "00:00:02:00", ""},
        {"1 --> 00:1,:26,899", "1", "00:1,:26,899", ""},  // a ":" after the fraction: malformed
        {"1 --> 00:02,5: X1:5", "1", "00:02,5:", "X1:5"},
        {"1 --> 00:00:02, X", "1", "00:00:02,", "X"},
        {"1 --> X 00:00:02,000", "1", "", "X 00:00:02,000"},
        {"1 -->", "1", "", ""},
        {"1 --> -", "1", "-", ""},
        {"00:00:01,000 X --> 2", "00:00:01,000X", "2", ""},  // the start is cut at the arrow
    };
    for (const auto& [line, start, end, trailingText] : cases) {
        const SrtTimecodeLine cut = SrtTimecodeLine::Cut(line);
        EXPECT_EQ(cut.start, start) << line;
        EXPECT_EQ(cut.end, end) << line;
        EXPECT_EQ(cut.trailingText, trailingText) << line;
    }
}

TEST(SrtTimecodeLine, TellsTimecodeLinesWithAMangledArrowFromTextThatMentionsTimes) {
    // The line, whether it stands where a timecode line belongs, and what stands between its
    // times (nullptr: the line is text).
    const std::string t1 = "00:00:03,000";
    const std::string t2 = "00:00:04,000";
    const std::tuple<std::string, bool, const char*> cases[] = {
        {t1 + " ->" + t2, false, "->"},
        {t1 + " \u2014> " + t2, false, "\u2014>"},  // an editor's dash for "--"
        {t1 + " \u2013> " + t2, false, "\u2013>"},
        {t1 + " \u2212> " + t2, false, "\u2212>"},
        {t1 + " \u2010\u2010> " + t2, false, "\u2010\u2010>"},
        {t1 + " \uFF0D\uFF0D\uFF1E " + t2, false, "\uFF0D\uFF0D\uFF1E"},
        {t1 + " --\uFF1E " + t2, false, "--\uFF1E"},
        {t1 + " \u2192 " + t2, false, "\u2192"},
        {t1 + " \u27F6 " + t2, false, "\u27F6"},
        {t1 + " -\u200B-> " + t2, false, "-\u200B->"},
        {t1 + " --\u00BB " + t2, false, "--\u00BB"},
        {t1 + " ==> " + t2, false, "==>"},
        {t1 + " - -> " + t2, false, "- ->"},
        {t1 + " - - > " + t2, false, "- - >"},
        {t1 + " --- > " + t2, false, "--- >"},
        {t1 + " -=> " + t2, false, "-=>"},
        {t1 + " ~> " + t2, false, "~>"},
        {t1 + " --&gt; " + t2, false, "--&gt;"},
        {t1 + " -- " + t2, false, "--"},
        {t1 + " > " + t2, false, ">"},
        {t1 + " to " + t2, false, "to"},
        {t1 + "  " + t2, false, ""},
        {"00:01:22,115 -> -00:01:24,199", false, "->"},  // the second time's sign
        {"\t00 : 00 : 03.000 -- >  00:00:04.000", false, "-- >"},
        {"Seen at " + t1 + " and at " + t2 + ".", false, "and at"},
        // Where a timecode line belongs, times of any shape count once the line begins with one.
        {"00:00:03 -> 00:00:04", true, "->"},
        {"00:03,000 -> 00:04,000", true, "->"},
        {"-00:03 => 1:2:3", true, "=>"},
        {"10:30 -> 11:00", true, "->"},
        // Text: times without a fraction elsewhere, one time, or no time at the start.
        {"00:00:03 -> 00:00:04", false, nullptr},
        {"10:30 -> 11:00", false, nullptr},
        {"Meet at 10:30 => 11:00", false, nullptr},
        {"1:2:3 -> 4:5:6", false, nullptr},
        {"10:30:00 -> 11:00:00", false, nullptr},
        {"score 2-1 -> 3-1", true, nullptr},
        {"Open 10:30 - 11:00", true, nullptr},
        {"At " + t1 + " sharp", true, nullptr},
        {"1:02 -> 1:03,5", false, nullptr},
    };
    for (const auto& [line, timecodePlace, between] : cases) {
        const std::optional<std::string_view> found =
            SrtTimecodeLine::BrokenArrow(line, timecodePlace);
        if (between == nullptr) {
            EXPECT_FALSE(found) << line;
        } else {
            EXPECT_EQ(found.value_or("(text)"), between) << line;
        }
    }
}

TEST(SrtTimecodeLine, KeepsBothHalvesAsTheyStandForMessages) {
    const SrtTimecodeLine cut = SrtTimecodeLine::Cut(" 00:01 -->\t00:02 X --> 3");
    EXPECT_EQ(cut.rawStart, " 00:01 ");
    EXPECT_EQ(cut.rawEnd, "\t00:02 X ");
}

}  // namespace
}  // namespace engine
