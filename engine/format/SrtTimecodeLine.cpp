#include "engine/format/SrtTimecodeLine.h"

#include "platform/core/Text.h"

namespace engine {

namespace {

constexpr std::string_view arrow = "-->";

// A time as the conversion reads it: every "." as ",", every blank removed.
std::string Normalised(std::string_view time) {
    std::string normalised(time);
    auto out = normalised.begin();
    for (const char c : time) {
        if (c != ' ' && c != '\t') {
            *out++ = c == '.' ? ',' : c;
        }
    }
    normalised.erase(out, normalised.end());
    return normalised;
}

std::size_t SkipBlanks(std::string_view text, std::size_t at) {
    while (at < text.size() && (text[at] == ' ' || text[at] == '\t')) {
        ++at;
    }
    return at;
}

std::size_t SkipDigits(std::string_view text, std::size_t at) {
    while (at < text.size() && text[at] >= '0' && text[at] <= '9') {
        ++at;
    }
    return at;
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

}  // namespace engine
