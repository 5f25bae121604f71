#include "engine/format/SrtTimecodeLine.h"

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

// Where a full time that begins at `at` in text ends: hours, minutes and seconds between ":",
// then a fraction mark and its digits, blanks between these parts allowed; npos when no full
// time begins there.
std::size_t FullTimeEnd(std::string_view text, std::size_t at) {
    for (int field = 0; field < 3; ++field) {
        if (field > 0) {
            at = SkipBlanks(text, at);
            if (at == text.size() || text[at] != ':') {
                return std::string_view::npos;
            }
            at = SkipBlanks(text, at + 1);
        }
        const std::size_t digits = at;
        at = SkipDigits(text, at);
        if (at == digits) {
            return std::string_view::npos;
        }
    }
    at = SkipBlanks(text, at);
    if (at == text.size() || (text[at] != ',' && text[at] != '.')) {
        return std::string_view::npos;
    }
    const std::size_t digits = SkipBlanks(text, at + 1);
    const std::size_t end = SkipDigits(text, digits);
    return end > digits ? end : std::string_view::npos;
}

// The length of an arrow-like separator at `at` in text: one or two "-", or one "=", then
// blanks and ">" ("->", "- >", "-- >", "=>"); 0 when none begins there.
std::size_t ArrowLikeLength(std::string_view text, std::size_t at) {
    std::size_t end = at;
    if (end < text.size() && text[end] == '=') {
        ++end;
    } else {
        while (end < text.size() && end - at < 2 && text[end] == '-') {
            ++end;
        }
    }
    if (end == at) {
        return 0;
    }
    end = SkipBlanks(text, end);
    return end < text.size() && text[end] == '>' ? end + 1 - at : 0;
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

std::optional<std::string_view> SrtTimecodeLine::BrokenArrow(std::string_view line) {
    // The common text line has no arrow of any kind: no ">" behind a "-" or "=" (blanks
    // between allowed). It is let go without looking for times.
    bool anyArrow = false;
    for (std::size_t head = line.find('>'); head != std::string_view::npos && !anyArrow;
         head = line.find('>', head + 1)) {
        std::size_t shaft = head;
        while (shaft > 0 && platform::IsBlank(line[shaft - 1])) {
            --shaft;
        }
        anyArrow = shaft > 0 && (line[shaft - 1] == '-' || line[shaft - 1] == '=');
    }
    if (!anyArrow) {
        return std::nullopt;
    }
    for (std::size_t at = 0; at < line.size(); ++at) {
        if (!platform::IsDigit(line[at]) || (at > 0 && platform::IsDigit(line[at - 1]))) {
            continue;
        }
        const std::size_t firstEnd = FullTimeEnd(line, at);
        if (firstEnd == std::string_view::npos) {
            continue;
        }
        const std::size_t separator = SkipBlanks(line, firstEnd);
        const std::size_t length = ArrowLikeLength(line, separator);
        if (length > 0 &&
            FullTimeEnd(line, SkipBlanks(line, separator + length)) != std::string_view::npos) {
            return line.substr(separator, length);
        }
    }
    return std::nullopt;
}

}  // namespace engine
