#include "engine/format/Timecode.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>

#include "platform/core/Exceptions.h"
#include "platform/core/Text.h"

namespace engine {

using platform::Format;
using platform::IsDigit;
using platform::Str;
using platform::Val;

namespace {

// Where the first fraction mark ("," or ".") stands, or npos.
std::size_t FractionMark(std::string_view text) {
    const auto at =
        std::find_if(text.begin(), text.end(), [](char c) { return c == ',' || c == '.'; });
    return at == text.end() ? std::string_view::npos : static_cast<std::size_t>(at - text.begin());
}

// Val(field) for a field of a timecode. The fields are almost always a few plain digits
// ("01", "02,500"), read here directly; anything else goes to Val itself.
double FieldValue(std::string_view field) {
    std::size_t digits = 0;
    std::uint64_t value = 0;
    while (digits < field.size() && IsDigit(field[digits]) && digits < 15) {
        value = value * 10 + static_cast<std::uint64_t>(field[digits] - '0');
        ++digits;
    }
    const bool plainDigits =
        digits > 0 && (digits == field.size() || (field[digits] != '.' && !IsDigit(field[digits])));
    return plainDigits ? static_cast<double>(value) : Val(field);
}

// A decimal number held exactly: its digits without the point, the last decimals of them
// behind it.
struct ExactDecimal {
    bool negative = false;
    std::string digits;
    std::size_t decimals = 0;
};

// Plain decimal text ("-12.345", "3") as an exact decimal.
ExactDecimal ExactFromText(std::string_view text) {
    ExactDecimal number;
    number.negative = text.starts_with('-');
    text.remove_prefix(number.negative ? 1 : 0);
    const std::size_t point = text.find('.');
    number.digits = std::string(text.substr(0, point));
    if (point != std::string_view::npos) {
        number.digits.append(text.substr(point + 1));
        number.decimals = text.size() - point - 1;
    }
    return number;
}

// a + b without rounding, as plain decimal text with at least leastDecimals decimals.
std::string ExactSum(ExactDecimal a, ExactDecimal b, std::size_t leastDecimals) {
    const std::size_t decimals = std::max({leastDecimals, a.decimals, b.decimals});
    const std::size_t wholeDigits =
        1 + std::max(a.digits.size() - a.decimals, b.digits.size() - b.decimals);
    for (ExactDecimal* number : {&a, &b}) {
        number->digits.append(decimals - number->decimals, '0');
        number->digits.insert(0, wholeDigits + decimals - number->digits.size(), '0');
    }
    if (a.negative != b.negative && a.digits < b.digits) {
        std::swap(a, b);  // a difference is taken from the larger magnitude
    }
    std::string sum(a.digits.size(), '0');
    int carry = 0;
    for (std::size_t i = sum.size(); i-- > 0;) {
        const int other = b.digits[i] - '0';
        const int total = (a.digits[i] - '0') + (a.negative == b.negative ? other : -other) + carry;
        const int digit = (total % 10 + 10) % 10;
        carry = (total - digit) / 10;
        sum[i] = static_cast<char>('0' + digit);
    }
    const std::size_t point = sum.size() - decimals;
    std::size_t firstDigit = 0;
    while (firstDigit + 1 < point && sum[firstDigit] == '0') {
        ++firstDigit;
    }
    const bool zero = sum.find_first_not_of('0') == std::string::npos;
    std::string text(a.negative && !zero ? "-" : "");
    text.append(sum, firstDigit, point - firstDigit).append(1, '.').append(sum, point);
    return text;
}

// The offset as the user typed it: Val of the text, a "+" in front read as the sign it is.
double OffsetSeconds(std::string_view text) {
    std::size_t number = platform::SkipBlanks(text);
    if (number + 1 < text.size() && text[number] == '+' &&
        (IsDigit(text[number + 1]) || text[number + 1] == '.')) {
        ++number;
    }
    const double offset = FieldValue(text.substr(number));
    if (!(std::fabs(offset) < largestTimecodeSeconds)) {
        throw OffsetTooLargeException(
            "The offset " + platform::Quoted(platform::TrimBlanks(text), 30) +
            " is too large: the seconds to add must stay below " + Str(largestTimecodeSeconds) +
            " (" + Str(largestTimecodeSeconds / 3600.0) + " hours).");
    }
    return offset;
}

// Appends value in at least two digits.
char* TwoDigitsAtLeast(char* out, std::int64_t value) {
    if (value < 10) {
        *out++ = '0';
    }
    return std::to_chars(out, out + 24, value).ptr;
}

// seconds in whole milliseconds, rounded as the exact value the Double is (3599.9995 lies just
// below the half and gives 3599999). seconds lies in (0, 2^43).
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
    std::string_view time = timecode;
    const std::size_t first = platform::SkipBlanks(time);
    const bool negative = first < time.size() && time[first] == '-';
    if (negative) {
        time.remove_prefix(first + 1);
    }
    if (std::none_of(time.begin(), time.end(), IsDigit)) {
        throw platform::OutOfBoundsException("\"" + std::string(timecode) + "\" holds no digit.");
    }

    // The fields of Split(time, ":"): hours, minutes, seconds with their fraction; or minutes
    // and seconds alone. Further fields are ignored behind a fraction; behind whole seconds
    // they leave it open which field is which.
    std::array<std::string_view, 3> fields;
    std::size_t colons = 0;
    for (std::size_t begin = 0;; ++colons) {
        const std::size_t colon = time.find(':', begin);
        if (colons < fields.size()) {
            fields[colons] = time.substr(begin, colon - begin);
        }
        if (colon == std::string_view::npos) {
            break;
        }
        begin = colon + 1;
    }
    if (colons == 0) {
        throw platform::OutOfBoundsException("\"" + std::string(timecode) +
                                             "\" has no \":\" between its fields.");
    }
    const bool withHours = colons >= 2;
    // Each field counts as the whole number at its start: Val stops at the fraction mark. An
    // empty field (a file cut off at "00:02:", or "00::15,900") would silently count as 0, and
    // a ":" right after a fraction ("00:1,:26,899") leaves it open which field is which.
    const std::size_t fieldsRead = withHours ? 3 : 2;
    std::array<double, 3> values{};
    for (std::size_t field = 0; field < fieldsRead; ++field) {
        const std::string_view text = fields[field];
        const std::size_t fractionMark = FractionMark(text);
        const std::string_view wholePart = text.substr(0, fractionMark);
        if (platform::SkipBlanks(wholePart) == wholePart.size()) {
            throw platform::OutOfBoundsException("\"" + std::string(timecode) +
                                                 "\" has an empty field.");
        }
        if (field < colons && fractionMark != std::string_view::npos &&
            platform::SkipBlanks(text, platform::SkipDigits(text, fractionMark + 1)) ==
                text.size()) {
            throw platform::OutOfBoundsException("\"" + std::string(timecode) +
                                                 "\" has a \":\" right after a fraction.");
        }
        values[field] = FieldValue(wholePart);
    }
    const std::string_view secondsAndFraction = fields[fieldsRead - 1];
    const std::size_t mark = FractionMark(secondsAndFraction);
    if (mark == std::string_view::npos && colons >= 3) {
        throw platform::OutOfBoundsException("\"" + std::string(timecode) +
                                             "\" has a fourth field behind whole seconds.");
    }
    std::string_view fraction;
    if (mark != std::string_view::npos) {
        fraction = secondsAndFraction.substr(mark + 1);
        fraction = fraction.substr(0, FractionMark(fraction));
    }

    double base = (withHours ? values[0] * 3600.0 : 0.0) + values[fieldsRead - 2] * 60.0;
    base = base + values[fieldsRead - 1];
    if (base < 0.0) {
        throw platform::OutOfBoundsException("\"" + std::string(timecode) +
                                             "\" has a field below zero.");
    }

    const double offset = OffsetSeconds(host.TextField1().Text());
    const double total = negative ? offset - base : offset + base;
    if (!(base < largestTimecodeSeconds) || !(total < largestTimecodeSeconds)) {
        throw TimecodeTooLargeException("\"" + std::string(timecode) +
                                        "\" with the offset is too large a time.");
    }
    if (!negative && offset == std::floor(offset)) {
        // A whole offset keeps the timecode's own fraction digits exactly as they stood.
        std::string shifted = Str(total);
        shifted.reserve(shifted.size() + 1 + fraction.size());
        shifted.append(1, '.').append(fraction);
        return shifted;
    }

    // A negative time or an offset with a fraction of its own: the fraction digits cannot
    // simply be appended (62.500 + 1.5 would read "63.5.500"), so the text is the exact
    // shifted time, with as many decimals as the timecode's fraction and the offset need, and
    // at least three.
    ExactDecimal exact = ExactFromText(Str(base));
    exact.negative = negative;
    const std::string_view fractionDigits = fraction.substr(0, platform::SkipDigits(fraction));
    exact.digits.append(fractionDigits);
    exact.decimals = fractionDigits.size();
    return ExactSum(exact, ExactFromText(Str(offset)), 3);
}

std::string ReturnTimecodeSRT(double seconds) {
    if (!(seconds > 0.0)) {
        return "00:00:00.000";  // negative times (and NaN) are written as zero
    }
    // Round to whole milliseconds first, then split into hours, minutes and seconds, so that a
    // time such as 59.9996 carries into the next minute instead of reading 00:00:60.000.
    // 2^43: below it a Double's steps are shorter than a millisecond, so rounding the Double
    // gives back the millisecond it was made from.
    constexpr double largestExactSeconds = 8796093022208.0;
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
