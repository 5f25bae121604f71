#include "engine/Timecode.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>

#include "platform/core/Exceptions.h"
#include "platform/core/Text.h"

namespace engine {

using platform::Format;
using platform::Str;
using platform::Val;

namespace {

// Piece index of Split(text, delimiter), without making the list: the text between the
// index-th and the next occurrence of delimiter. Raises OutOfBoundsException when the text has
// fewer pieces, as reading past the end of the list would.
std::string_view Piece(std::string_view text, char delimiter, int index) {
    std::size_t begin = 0;
    for (int i = 0; i < index; ++i) {
        const std::size_t at = text.find(delimiter, begin);
        if (at == std::string_view::npos) {
            throw platform::OutOfBoundsException("\"" + std::string(text) + "\" has fewer than " +
                                                 std::to_string(index + 1) + " pieces between \"" +
                                                 delimiter + "\" characters.");
        }
        begin = at + 1;
    }
    return text.substr(begin, std::min(text.find(delimiter, begin), text.size()) - begin);
}

// Val(field) for a field of a timecode. The fields are almost always a few plain digits
// ("01", "02,500"), read here directly; anything else goes to Val itself.
double FieldValue(std::string_view field) {
    std::size_t digits = 0;
    std::uint64_t value = 0;
    while (digits < field.size() && field[digits] >= '0' && field[digits] <= '9' && digits < 15) {
        value = value * 10 + static_cast<std::uint64_t>(field[digits] - '0');
        ++digits;
    }
    const bool plainDigits =
        digits > 0 && (digits == field.size() ||
                       (field[digits] != '.' && (field[digits] < '0' || field[digits] > '9')));
    return plainDigits ? static_cast<double>(value) : Val(field);
}

// The number of digits at the start of text.
std::size_t LeadingDigits(std::string_view text) {
    const auto end =
        std::find_if(text.begin(), text.end(), [](char c) { return c < '0' || c > '9'; });
    return static_cast<std::size_t>(end - text.begin());
}

// The number of digits after the "." of a number's plain decimal text.
std::size_t Decimals(const std::string& plainDecimal) {
    const std::size_t point = plainDecimal.find('.');
    return point == std::string::npos ? 0 : plainDecimal.size() - point - 1;
}

// Appends value in at least two digits.
char* TwoDigitsAtLeast(char* out, std::int64_t value) {
    if (value < 10) {
        *out++ = '0';
    }
    return std::to_chars(out, out + 24, value).ptr;
}

// seconds in whole milliseconds, rounded as the exact value the Double is (3599.9995 lies just
// below the half and gives 3599999). seconds lies in (0, 9e12).
std::int64_t RoundedMilliseconds(double seconds) {
    const auto nearest = static_cast<std::int64_t>(std::llround(seconds * 1000.0));
    // seconds * 1000 - nearest with one rounding: strictly inside half a millisecond, nearest is
    // right; at or past the half (a near tie), decide on the exact decimal digits instead.
    if (std::fabs(std::fma(seconds, 1000.0, -static_cast<double>(nearest))) < 0.5) {
        return nearest;
    }
    std::array<char, 32> digits{};
    const auto rounded = std::to_chars(digits.data(), digits.data() + digits.size(), seconds,
                                       std::chars_format::fixed, 3);
    std::int64_t milliseconds = 0;
    for (const char* c = digits.data(); c != rounded.ptr; ++c) {
        if (*c != '.') {
            milliseconds = milliseconds * 10 + (*c - '0');
        }
    }
    return milliseconds;
}

}  // namespace

std::string TimecodeSRTImport(EngineHost& host, std::string_view timecode) {
    // The fields of Split(timecode, ":"): hours, minutes, seconds with their fraction.
    const std::string_view hours = Piece(timecode, ':', 0);
    const std::string_view minutes = Piece(timecode, ':', 1);
    const std::string_view secondsAndFraction = Piece(timecode, ':', 2);
    const std::string_view fraction = Piece(secondsAndFraction, ',', 1);

    double base = FieldValue(hours) * 3600.0 + FieldValue(minutes) * 60.0;
    base = base + FieldValue(secondsAndFraction);  // Val stops at the ",": whole seconds only

    const double offset = FieldValue(host.TextField1().Text());
    const double total = offset + base;
    if (offset == std::floor(offset)) {
        // A whole offset keeps the timecode's own fraction digits exactly as they stood.
        std::string shifted = Str(total);
        shifted.reserve(shifted.size() + 1 + fraction.size());
        shifted.append(1, '.').append(fraction);
        return shifted;
    }

    // An offset with a fraction of its own: the fraction digits cannot simply be appended
    // (62.500 + 1.5 would read "63.5.500"), so the text is the exact shifted time, with as
    // many decimals as the timecode's fraction and the offset need, and at least three.
    const std::size_t fractionDigits = LeadingDigits(fraction);
    const double fractionSeconds =
        fractionDigits == 0 ? 0.0 : Val("0." + std::string(fraction.substr(0, fractionDigits)));
    const std::size_t decimals = std::max({std::size_t{3}, fractionDigits, Decimals(Str(offset))});
    return Format(total + fractionSeconds, "0." + std::string(decimals, '0'));
}

std::string ReturnTimecodeSRT(double seconds) {
    if (!(seconds > 0.0)) {
        return "00:00:00.000";  // negative times (and NaN) are written as zero
    }
    // Round to whole milliseconds first, then split into hours, minutes and seconds, so that a
    // time such as 59.9996 carries into the next minute instead of reading 00:00:60.000.
    constexpr double largestExactSeconds = 9.0e12;  // its milliseconds still fit an int64
    if (seconds < largestExactSeconds) {
        const std::int64_t milliseconds = RoundedMilliseconds(seconds);
        std::array<char, 40> text{};
        char* out = TwoDigitsAtLeast(text.data(), milliseconds / 3'600'000);
        *out++ = ':';
        out = TwoDigitsAtLeast(out, milliseconds / 60'000 % 60);
        *out++ = ':';
        out = TwoDigitsAtLeast(out, milliseconds / 1000 % 60);
        const std::int64_t thousandths = milliseconds % 1000;
        *out++ = '.';
        *out++ = static_cast<char>('0' + thousandths / 100);
        *out++ = static_cast<char>('0' + thousandths / 10 % 10);
        *out++ = static_cast<char>('0' + thousandths % 10);
        return std::string(text.data(), out);
    }
    // Beyond millisecond precision: whole seconds are all a Double still holds here.
    const double hours = platform::Floor(seconds / 3600.0);
    const double rest = seconds - hours * 3600.0;
    const double minutes = std::clamp(platform::Floor(rest / 60.0), 0.0, 59.0);
    const double secondsInMinute = std::clamp(rest - minutes * 60.0, 0.0, 59.999);
    return Format(hours, "00") + ":" + Format(minutes, "00") + ":" +
           Format(secondsInMinute, "00.000");
}

}  // namespace engine
