#include "engine/format/SrtTimecodeLine.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

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

TEST(SrtTimecodeLine, KeepsBothHalvesAsTheyStandForMessages) {
    const SrtTimecodeLine cut = SrtTimecodeLine::Cut(" 00:01 -->\t00:02 X --> 3");
    EXPECT_EQ(cut.rawStart, " 00:01 ");
    EXPECT_EQ(cut.rawEnd, "\t00:02 X ");
}

}  // namespace
}  // namespace engine
