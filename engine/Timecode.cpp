#include "engine/Timecode.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "platform/core/Text.h"

namespace engine {

using platform::Format;
using platform::Split;
using platform::Str;
using platform::Val;

namespace {

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

}  // namespace

std::string TimecodeSRTImport(EngineHost& host, std::string_view timecode) {
    const platform::StringList fields = Split(timecode, ":");
    const std::string& hours = fields(0);
    const std::string& minutes = fields(1);
    const std::string& secondsAndFraction = fields(2);
    const std::string fraction = Split(secondsAndFraction, ",")(1);

    double base = Val(hours) * 3600.0 + Val(minutes) * 60.0;
    base = base + Val(secondsAndFraction);  // Val stops at the ",": whole seconds only

    const double offset = Val(host.TextField1().Text());
    const double total = offset + base;
    if (offset == std::floor(offset)) {
        // A whole offset keeps the timecode's own fraction digits exactly as they stood.
        return Str(total) + "." + fraction;
    }

    // An offset with a fraction of its own: the fraction digits cannot simply be appended
    // (62.500 + 1.5 would read "63.5.500"), so the text is the exact shifted time, with as
    // many decimals as the timecode's fraction and the offset need, and at least three.
    const std::size_t fractionDigits = LeadingDigits(fraction);
    const double fractionSeconds =
        fractionDigits == 0 ? 0.0 : Val("0." + fraction.substr(0, fractionDigits));
    const std::size_t decimals = std::max({std::size_t{3}, fractionDigits, Decimals(Str(offset))});
    return Format(total + fractionSeconds, "0." + std::string(decimals, '0'));
}

std::string ReturnTimecodeSRT(double seconds) {
    if (!(seconds > 0.0)) {
        return "00:00:00.000";  // negative times (and NaN) are written as zero
    }
    // Round to whole milliseconds first, then split into hours, minutes and seconds, so that a
    // time such as 59.9996 carries into the next minute instead of reading 00:00:60.000.
    // Format rounds the Double as the exact value it is.
    constexpr double largestExactMilliseconds = 9.0e15;  // whole milliseconds fit an int64
    if (seconds < largestExactMilliseconds / 1000.0) {
        const std::string rounded = Format(seconds, "0.000");
        const std::size_t point = rounded.find('.');
        const std::int64_t milliseconds =
            std::stoll(rounded.substr(0, point)) * 1000 + std::stoll(rounded.substr(point + 1));
        const std::int64_t hours = milliseconds / 3'600'000;
        const std::int64_t minutes = milliseconds / 60'000 % 60;
        const double secondsInMinute = static_cast<double>(milliseconds % 60'000) / 1000.0;
        return Format(static_cast<double>(hours), "00") + ":" +
               Format(static_cast<double>(minutes), "00") + ":" + Format(secondsInMinute, "00.000");
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
