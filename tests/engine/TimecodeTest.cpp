#include "engine/Timecode.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <limits>
#include <random>

#include "platform/core/Exceptions.h"
#include "platform/core/Text.h"
#include "support/StandaloneHost.h"

namespace engine {
namespace {

std::string Shift(std::string_view timecode, std::string offset) {
    testing_support::StandaloneHost host;
    host.offset.Text(std::move(offset));
    return TimecodeSRTImport(host, timecode);
}

// The whole road of one time: shifted in the cue list, then written as an SRT timecode.
std::string Written(std::string_view shifted) {
    return platform::Replace(ReturnTimecodeSRT(platform::Val(shifted)), ".", ",");
}

TEST(TimecodeSRTImport, AddsTheOffsetAndKeepsTheFractionDigitsAsTheyStood) {
    EXPECT_EQ(Shift("00:01:02,500", "10"), "72.500");
    EXPECT_EQ(Shift("01:02:05,250", "3"), "3728.250");
    EXPECT_EQ(Shift("00:00:00,000", "0"), "0.000");
    EXPECT_EQ(Shift("99:59:59,999", "3"), "360002.999");
    EXPECT_EQ(Shift("1:2:3,4", "0"), "3723.4");
    EXPECT_EQ(Shift("00:00:01,05", "3"), "4.05");
    EXPECT_EQ(Shift("00:00:08,500", "-8"), "0.500");
    EXPECT_EQ(Shift("00:00:08,500", "-10"), "-2.500");
    EXPECT_EQ(Shift("00:01:02,500", ""), "62.500");
}

TEST(TimecodeSRTImport, IgnoresFurtherFieldsAndReadsWhatFollowsTheMilliseconds) {
    EXPECT_EQ(Shift("00:01:02,500,9", "10"), "72.500");
    EXPECT_EQ(Shift("00:01:02,500:7", "10"), "72.500");
    EXPECT_EQ(Shift("00:00:01,", "3"), "4.");
    EXPECT_EQ(Shift("00:00:04,000X1:100", "3"), "7.000X1");
    EXPECT_EQ(Shift("00:01:02,500", "abc"), "62.500");
}

TEST(TimecodeSRTImport, RaisesOutOfBoundsWhenAFieldIsMissing) {
    for (const char* broken : {"00:01", "00:01:02", "", "1,5", "00:01:02.500"}) {
        EXPECT_THROW(Shift(broken, "3"), platform::OutOfBoundsException) << broken;
    }
}

TEST(TimecodeSRTImport, AnOffsetWithAFractionGivesTheExactShiftedTime) {
    EXPECT_EQ(Shift("00:01:02,500", "1.5"), "64.000");
    EXPECT_EQ(Written(Shift("00:01:02,500", "1.5")), "00:01:04,000");
    EXPECT_EQ(Shift("00:00:01,05", "0.25"), "1.300");
    EXPECT_EQ(Shift("00:00:01,2345", "0.5"), "1.7345");
    EXPECT_EQ(Shift("00:00:01,500", "0.0625"), "1.5625");
    EXPECT_EQ(Shift("00:00:08,500", "-10.5"), "-2.000");
    EXPECT_EQ(Written(Shift("00:00:08,500", "-10.5")), "00:00:00,000");
}

TEST(ReturnTimecodeSRT, WritesHoursMinutesAndRoundedSeconds) {
    EXPECT_EQ(ReturnTimecodeSRT(0), "00:00:00.000");
    EXPECT_EQ(ReturnTimecodeSRT(9.5), "00:00:09.500");
    EXPECT_EQ(ReturnTimecodeSRT(60), "00:01:00.000");
    EXPECT_EQ(ReturnTimecodeSRT(72.5), "00:01:12.500");
    EXPECT_EQ(ReturnTimecodeSRT(3599.9995), "00:59:59.999");
    EXPECT_EQ(ReturnTimecodeSRT(3600), "01:00:00.000");
    EXPECT_EQ(ReturnTimecodeSRT(3725.25), "01:02:05.250");
    EXPECT_EQ(ReturnTimecodeSRT(10), "00:00:10.000");
    EXPECT_EQ(ReturnTimecodeSRT(36000), "10:00:00.000");
    EXPECT_EQ(ReturnTimecodeSRT(360000), "100:00:00.000");
    EXPECT_EQ(ReturnTimecodeSRT(86399.999), "23:59:59.999");
}

TEST(ReturnTimecodeSRT, NegativeTimesAreWrittenAsZero) {
    EXPECT_EQ(ReturnTimecodeSRT(-1.5), "00:00:00.000");
    EXPECT_EQ(ReturnTimecodeSRT(-0.0004), "00:00:00.000");
    EXPECT_EQ(ReturnTimecodeSRT(std::nan("")), "00:00:00.000");
}

TEST(ReturnTimecodeSRT, ARemainderThatRoundsToAFullMinuteCarries) {
    EXPECT_EQ(ReturnTimecodeSRT(59.9996), "00:01:00.000");
    EXPECT_EQ(ReturnTimecodeSRT(3599.9996), "01:00:00.000");
    EXPECT_EQ(Written(Shift("00:00:59,9996", "0")), "00:01:00,000");
}

TEST(ReturnTimecodeSRT, HugeTimesKeepEveryDigitOfTheirHours) {
    const std::string written = ReturnTimecodeSRT(1e17);
    EXPECT_EQ(written.substr(0, written.find(':')), platform::Str(platform::Floor(1e17 / 3600)));
    EXPECT_EQ(ReturnTimecodeSRT(std::numeric_limits<double>::max()).find('e'), std::string::npos);
}

TEST(TimecodeRoad, FromTheFileToTheCopy) {
    EXPECT_EQ(Written(Shift("00:01:02,500", "10")), "00:01:12,500");
    EXPECT_EQ(Written(Shift("99:59:59,999", "3")), "100:00:02,999");
    EXPECT_EQ(Written(Shift("00:00:08,500", "-10")), "00:00:00,000");
    EXPECT_EQ(Written(Shift("1:2:3,4", "0")), "01:02:03,400");
    EXPECT_EQ(Written(Shift("00:00:01,05", "0")), "00:00:01,050");
    EXPECT_EQ(Written(Shift("23:59:59,999", "0")), "23:59:59,999");
    EXPECT_EQ(Written("62.5"), "00:01:02,500");
    EXPECT_EQ(Written("62.05"), "00:01:02,050");
    EXPECT_EQ(Written("not a time"), "00:00:00,000");
}

TEST(TimecodeRoad, EveryMillisecondOfADayComesBackAsItWasRead) {
    // Every whole-offset shift of a three-digit timecode must come back exactly.
    for (int ms = 0; ms < 86'400'000; ms += 997) {
        const int h = ms / 3'600'000, m = ms / 60'000 % 60, s = ms / 1000 % 60, f = ms % 1000;
        char timecode[32];
        std::snprintf(timecode, sizeof timecode, "%02d:%02d:%02d,%03d", h, m, s, f);
        char expected[32];
        std::snprintf(expected, sizeof expected, "%02d:%02d:%02d,%03d", h + 1, m, s, f);
        ASSERT_EQ(Written(Shift(timecode, "3600")), expected);
    }
}

}  // namespace
}  // namespace engine

namespace engine {
namespace {

TEST(ReturnTimecodeSRT, RoundsNearHalfMillisecondsAsTheExactValue) {
    // Times on and around the half of a millisecond, where a product with 1000 may round the
    // wrong way: the milliseconds written must be the exact value rounded to three decimals.
    std::mt19937_64 random(7);
    for (int i = 0; i < 200000; ++i) {
        const double half = static_cast<double>(random() % 86'400'000) + 0.5;
        const double seconds = std::nextafter(half / 1000.0, (random() % 2) ? 0.0 : 1e9);
        char exact[40];
        std::snprintf(exact, sizeof exact, "%.3f", seconds);
        const double rounded = std::strtod(exact, nullptr);
        ASSERT_EQ(ReturnTimecodeSRT(seconds), ReturnTimecodeSRT(rounded)) << exact;
    }
}

}  // namespace
}  // namespace engine
