#include "engine/format/Timecode.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>
#include <random>

#include "engine/EngineTestSupport.h"
#include "platform/core/Exceptions.h"
#include "platform/core/Text.h"
#include "support/MessageOf.h"

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
    // The offset as typed: a "+" is its sign; anything else that is no number counts as 0.
    EXPECT_EQ(Shift("00:01:02,500", "+10"), "72.500");
    EXPECT_EQ(Shift("00:00:01,000", " +2.5"), "3.500");
    EXPECT_EQ(Shift("00:00:01,000", "+.5"), "1.500");
    EXPECT_EQ(Shift("00:00:01,000", "+"), "1.000");
    EXPECT_EQ(Shift("00:00:01,000", "+-3"), "1.000");
    EXPECT_EQ(Shift("00:00:01,000", "1,5"), "2.000");
}

TEST(TimecodeSRTImport, IgnoresFurtherFieldsAndReadsWhatFollowsTheMilliseconds) {
    EXPECT_EQ(Shift("00:01:02,500,9", "10"), "72.500");
    EXPECT_EQ(Shift("00:00:01,", "3"), "4.");
    EXPECT_EQ(Shift("00:00:04,000X1:100", "3"), "7.000X1");
    EXPECT_EQ(Shift("00:01:02,500", "abc"), "62.500");
}

TEST(TimecodeSRTImport, RaisesOutOfBoundsWhenAFieldIsMissing) {
    // One field, no digit, a field below zero, an empty field, a fourth field behind whole
    // seconds, or a ":" right after the fraction.
    for (const char* broken : {"",
                               "1,5",
                               "01",
                               "00:00:01:00",
                               ":",
                               "-",
                               "ab:cd",
                               "-:,",
                               "00:-5:00,000",
                               "00:00:01:00:00",
                               "00:02:",
                               "00::15,900",
                               "00:00:,500",
                               ":00:05,000",
                               "02:",
                               "-00:01:",
                               "00:1,:26,899",
                               "0:005.956:12",
                               "00:02,5:",
                               "00:01:02,519:00",
                               "00:01:02,500 :7"}) {
        EXPECT_THROW(Shift(broken, "3"), platform::OutOfBoundsException) << broken;
    }
}

TEST(TimecodeSRTImport, ReadsNegativeTimesAndTimesWithoutHoursOrFraction) {
    // The timecode, the offset, the shifted time and the time as written.
    const std::array<const char*, 4> cases[] = {
        {"00:01:02", "10", "72.", "00:01:12,000"},  // whole seconds
        {"00:01", "3", "4.", "00:00:04,000"},       // minutes and seconds
        {"01:39", "3", "102.", "00:01:42,000"},
        {"00:11,000", "3", "14.000", "00:00:14,000"},
        {"00:01:02.500", "10", "72.500", "00:01:12,500"},  // "." before the fraction
        {"-0:00:04,567", "3", "-1.567", "00:00:00,000"},   // the minus is the whole time's
        {"-00:00:02,345", "3", "0.655", "00:00:00,655"},
        {"-00:00:02,345", "0", "-2.345", "00:00:00,000"},
        {"-00:00:03", "3", "0.000", "00:00:00,000"},
        {"-01:00,5", "61.25", "0.750", "00:00:00,750"},
        {" - 00:00:01,5", "2", "0.500", "00:00:00,500"},
    };
    for (const auto& [timecode, offset, shifted, written] : cases) {
        EXPECT_EQ(Shift(timecode, offset), shifted) << timecode << " + " << offset;
        EXPECT_EQ(Written(Shift(timecode, offset)), written) << timecode;
    }
}

TEST(TimecodeSRTImport, FractionsOfAnyLengthGiveTheExactTime) {
    const std::string zeros(398, '0');
    EXPECT_EQ(Shift("00:01:00," + zeros, "0.5"), "60.5" + zeros.substr(1));
    EXPECT_EQ(Written(Shift("00:01:00," + zeros, "0.5")), "00:01:00,500");
    EXPECT_EQ(Written(Shift("00:01:00," + zeros, "0")), "00:01:00,000");
    EXPECT_EQ(Written(Shift("00:00:00,000" + std::string(324, '0') + "45", "0")), "00:00:00,000");
    EXPECT_EQ(Written(Shift("00:00:01," + zeros + "1", "-0.5")), "00:00:00,500");
}

TEST(TimecodeSRTImport, RefusesTimesTooLargeToComputeToTheMillisecond) {
    const std::string hugeField = "1" + std::string(309, '0');
    const std::pair<std::string, std::string> tooLarge[] = {
        {hugeField + ":00:00,000", "3"},        {"00:" + hugeField + ":00,000", "3"},
        {"00:00:" + hugeField + ",000", "0.5"}, {"-" + hugeField + ":00:00,000", "3"},
        {"5000000000:00:00,123", "0"},          {"1000000000:00:00,000", "0"},
        {"999999999:59:59,999", "3600"},        {"00:00:01,000", "3599999999999.5"},
    };
    for (const auto& [timecode, offset] : tooLarge) {
        EXPECT_THROW(Shift(timecode, offset), TimecodeTooLargeException) << timecode;
    }
    // Below zero every time is written as zero, however far below.
    EXPECT_EQ(Written(Shift("00:00:01,000", "-3599999999999")), "00:00:00,000");
    EXPECT_EQ(Written(Shift("-999999999:00:00,000", "0.5")), "00:00:00,000");
    // Just below the limit every millisecond is still there.
    EXPECT_EQ(Written(Shift("999999999:59:59,999", "0")), "999999999:59:59,999");
    EXPECT_EQ(Written(Shift("999999999:59:58,999", "0.5")), "999999999:59:59,499");
}

TEST(TimecodeSRTImport, AnOffsetTooLargeEitherWayIsRefusedQuoted) {
    // The offset as typed, and as the message quotes it.
    const std::pair<std::string, std::string> cases[] = {
        {"3600000000000", "3600000000000"},
        {"-3600000000000", "-3600000000000"},
        {" +99999999999999999999 ", "+99999999999999999999"},
        {std::string(300, '9'), std::string(30, '9') + "..."},
    };
    for (const auto& [offset, shown] : cases) {
        EXPECT_EQ(testing_support::MessageOf<OffsetTooLargeException>(
                      [&] { Shift("00:00:01,000", offset); }),
                  "The offset \"" + shown +
                      "\" is too large: the seconds to add must stay below 3600000000000 "
                      "(1000000000 hours).")
            << offset;
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

TEST(ReturnTimecodeSRT, ExactHalfMillisecondsRoundToTheEvenOne) {
    EXPECT_EQ(ReturnTimecodeSRT(1.5625), "00:00:01.562");
    EXPECT_EQ(ReturnTimecodeSRT(0.0625), "00:00:00.062");
    EXPECT_EQ(ReturnTimecodeSRT(0.1875), "00:00:00.188");
    EXPECT_EQ(ReturnTimecodeSRT(3600.0625), "01:00:00.062");
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
    // 1e17 s = 27777777777777 h (99999999999997200 s) + 2800 s.
    EXPECT_EQ(ReturnTimecodeSRT(1e17), "27777777777777:46:40.000");
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
    for (std::int64_t ms = 0; ms < 86'400'000; ms += 997) {
        ASSERT_EQ(Written(Shift(enginetest::PlainSrtTime(ms), "3600")),
                  enginetest::PlainSrtTime(ms + 3'600'000));
    }
}

__extension__ typedef __int128 Int128;

// Whether seconds, a Double of (0, 2^20), lies above (2k + 1) / 2000, the half between the
// milliseconds k and k + 1: decided in whole numbers on its exact binary value.
bool AboveTheHalfAfter(double seconds, std::int64_t k) {
    int exponent = 0;
    const double fraction = std::frexp(seconds, &exponent);  // seconds = fraction * 2^exponent
    const auto mantissa = static_cast<Int128>(std::ldexp(fraction, 53));
    // seconds * 2000 > 2k + 1  <=>  mantissa * 2000 > (2k + 1) * 2^(53 - exponent)
    return mantissa * 2000 > static_cast<Int128>(2 * k + 1) << (53 - exponent);
}

TEST(ReturnTimecodeSRT, RoundsNearHalfMillisecondsAsTheExactValue) {
    // Times on and around the half of a millisecond, where a product with 1000 may round the
    // wrong way: the milliseconds written must be the exact value rounded to three decimals.
    std::mt19937_64 random(7);
    for (int i = 0; i < 200000; ++i) {
        const auto k = static_cast<std::int64_t>(random() % 86'400'000);
        const double half = (static_cast<double>(k) + 0.5) / 1000.0;
        const double seconds = std::nextafter(half, (random() % 2) ? 0.0 : 1e9);
        const std::int64_t expected = AboveTheHalfAfter(seconds, k) ? k + 1 : k;
        ASSERT_EQ(platform::Replace(ReturnTimecodeSRT(seconds), ".", ","),
                  enginetest::PlainSrtTime(expected))
            << platform::Str(seconds);
    }
}

}  // namespace
}  // namespace engine
