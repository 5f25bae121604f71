#include "engine/format/SrtTimecodeLine.h"

#include <algorithm>
#include <array>
#include <utility>

#include "platform/core/Text.h"

namespace engine {

using platform::SkipBlanks;
using platform::SkipDigits;

namespace {

constexpr std::string_view arrow = "-->";

// A time as the conversion reads it: every "." as ",", every blank removed.
std::string Normalised(std::string_view time) {
    std::string normalised(time);
    auto out = normalised.begin();
    for (const char c : time) {
        if (!platform::IsBlank(c)) {
            *out++ = c == '.' ? ',' : c;
        }
    }
    normalised.erase(out, normalised.end());
    return normalised;
}

// Where a time that begins at `at` in text ends, or npos when none begins there. A full time
// is hours, minutes and seconds between ":", then a fraction mark and its digits; any other
// time is two or three fields of digits between ":", then a fraction or none. Blanks may stand
// between these parts.
std::size_t TimeEnd(std::string_view text, std::size_t at, bool full) {
    std::size_t fields = 0;
    for (; fields < 3; ++fields) {
        std::size_t digits = at;
        if (fields > 0) {
            const std::size_t colon = SkipBlanks(text, at);
            if (colon == text.size() || text[colon] != ':') {
                break;
            }
            digits = SkipBlanks(text, colon + 1);
        }
        const std::size_t afterDigits = SkipDigits(text, digits);
        if (afterDigits == digits) {
            break;
        }
        at = afterDigits;
    }
    if (fields < (full ? 3 : 2)) {
        return std::string_view::npos;
    }
    const std::size_t mark = SkipBlanks(text, at);
    if (mark < text.size() && (text[mark] == ',' || text[mark] == '.')) {
        const std::size_t digits = SkipBlanks(text, mark + 1);
        const std::size_t end = SkipDigits(text, digits);
        if (end > digits) {
            return end;
        }
    }
    return full ? std::string_view::npos : at;
}

// The first time that begins at or after `from` in text, at the start of a run of digits:
// where it begins and ends.
std::optional<std::pair<std::size_t, std::size_t>> FindTime(std::string_view text, std::size_t from,
                                                            bool full) {
    for (std::size_t at = from; at < text.size(); ++at) {
        if (!platform::IsDigit(text[at]) || (at > 0 && platform::IsDigit(text[at - 1]))) {
            continue;
        }
        if (const std::size_t end = TimeEnd(text, at, full); end != std::string_view::npos) {
            return std::pair(at, end);
        }
    }
    return std::nullopt;
}

// What stands between two times of line, the first ending at firstEnd and the second
// beginning at secondBegin: blanks around it left out, and the second time's "-" sign (a "-"
// right before it, after a blank) when something else stands there too.
std::string_view Between(std::string_view line, std::size_t firstEnd, std::size_t secondBegin) {
    std::string_view between = line.substr(firstEnd, secondBegin - firstEnd);
    if (between.size() >= 2 && between.back() == '-' &&
        platform::IsBlank(between[between.size() - 2])) {
        const std::string_view beforeSign =
            platform::TrimBlanks(between.substr(0, between.size() - 1));
        if (!beforeSign.empty()) {
            return beforeSign;
        }
    }
    return platform::TrimBlanks(between);
}

// How many ":" line holds, counting no further than enough.
std::size_t Colons(std::string_view line, std::size_t enough) {
    std::size_t colons = 0;
    for (std::size_t at = line.find(':'); at != std::string_view::npos && colons < enough;
         at = line.find(':', at + 1)) {
        ++colons;
    }
    return colons;
}

// The digits in each field of a time ("-00:01:35,000": 2, 2, 2, 3), as ":" and "," part them;
// at most four fields.
struct FieldDigits {
    std::array<std::size_t, 4> digits{};
    std::size_t count = 0;
};

FieldDigits FieldDigitsOf(std::string_view time) {
    FieldDigits fields;
    if (time.starts_with('-')) {
        time.remove_prefix(1);
    }
    for (std::size_t at = 0; !time.empty() && fields.count < fields.digits.size();) {
        const std::size_t end = SkipDigits(time, at);
        fields.digits[fields.count++] = end - at;
        if (end == time.size() || (time[end] != ':' && time[end] != ',')) {
            break;
        }
        at = end + 1;
    }
    return fields;
}

}  // namespace

std::size_t SrtTimecodeLine::TimeLength(std::string_view text) {
    std::size_t end = SkipBlanks(text, 0);
    if (end < text.size() && text[end] == '-') {
        end = SkipBlanks(text, end + 1);
    }
    for (;;) {
        end = SkipDigits(text, end);
        const std::size_t mark = SkipBlanks(text, end);
        if (mark == text.size()) {
            return end;
        }
        if (text[mark] == ':') {
            end = SkipBlanks(text, mark + 1);
        } else if (text[mark] == ',' || text[mark] == '.') {
            const std::size_t digits = SkipBlanks(text, mark + 1);
            const std::size_t afterDigits = SkipDigits(text, digits);
            const std::size_t colon = SkipBlanks(text, afterDigits);
            if (colon < text.size() && text[colon] == ':') {
                end = SkipBlanks(text, colon + 1);  // a malformed time, read on
                continue;
            }
            return afterDigits > digits ? afterDigits : mark + 1;
        } else {
            return end;
        }
    }
}

SrtTimecodeLine SrtTimecodeLine::Cut(std::string_view line) {
    SrtTimecodeLine cut;
    const std::size_t firstArrow = line.find(arrow);
    cut.rawStart = line.substr(0, firstArrow);
    const std::string_view afterArrow = firstArrow == std::string_view::npos
                                            ? std::string_view{}
                                            : line.substr(firstArrow + arrow.size());
    cut.rawEnd = afterArrow.substr(0, afterArrow.find(arrow));
    cut.start = Normalised(cut.rawStart);

    // The end time is read from its own bytes only; whatever follows them, a second "-->"
    // included, is the text kept behind it.
    const std::size_t endLength = TimeLength(afterArrow);
    cut.end = Normalised(afterArrow.substr(0, endLength));
    cut.trailingText = platform::TrimBlanks(afterArrow.substr(endLength));
    return cut;
}

bool SrtTimecodeLine::EndCutShort() const {
    const FieldDigits startFields = FieldDigitsOf(start);
    const FieldDigits endFields = FieldDigitsOf(end);
    if (endFields.count != startFields.count) {
        return endFields.count < startFields.count;
    }
    const std::size_t last = endFields.count - 1;
    return endFields.count > 0 && endFields.digits[last] < startFields.digits[last];
}

std::optional<std::string_view> SrtTimecodeLine::BrokenArrow(std::string_view line,
                                                             bool timecodePlace) {
    // The common text line holds too few ":" for two times; it is let go without a search.
    const std::size_t colons = Colons(line, 4);
    if (colons < 2) {
        return std::nullopt;
    }
    if (timecodePlace) {
        std::size_t begin = SkipBlanks(line, 0);
        if (begin < line.size() && line[begin] == '-') {
            begin = SkipBlanks(line, begin + 1);
        }
        if (const std::size_t firstEnd = TimeEnd(line, begin, false);
            firstEnd != std::string_view::npos) {
            if (const auto second = FindTime(line, firstEnd, false)) {
                return Between(line, firstEnd, second->first);
            }
        }
    }
    if (colons < 4) {
        return std::nullopt;
    }
    if (const auto first = FindTime(line, 0, true)) {
        if (const auto second = FindTime(line, first->second, true)) {
            return Between(line, first->second, second->first);
        }
    }
    return std::nullopt;
}

bool SrtTimecodeLine::IsTimecodeFragment(std::string_view line) {
    bool digit = false;
    for (const char c : line) {
        digit = digit || platform::IsDigit(c);
        if (!platform::IsDigit(c) && !platform::IsBlank(c) &&
            std::string_view(":,.->").find(c) == std::string_view::npos) {
            return false;
        }
    }
    return digit;
}

}  // namespace engine
