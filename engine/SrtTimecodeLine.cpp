#include "engine/SrtTimecodeLine.h"

namespace engine {

namespace {

constexpr std::string_view arrow = "-->";

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

// A half as the conversion reads it: every "." as ",", every space removed (tabs stay).
std::string Normalised(std::string_view half) {
    std::string normalised(half);
    auto out = normalised.begin();
    for (const char c : half) {
        if (c != ' ') {
            *out++ = c == '.' ? ',' : c;
        }
    }
    normalised.erase(out, normalised.end());
    return normalised;
}

// Where the timecode at the start of half ends: after its digits, ":", ",", "." and the
// spaces between them.
std::size_t TimecodeLength(std::string_view half) {
    std::size_t length = 0;
    for (std::size_t at = 0; at < half.size(); ++at) {
        const char c = half[at];
        if ((c >= '0' && c <= '9') || c == ':' || c == ',' || c == '.') {
            length = at + 1;
        } else if (c != ' ') {
            break;
        }
    }
    return length;
}

std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

}  // namespace

SrtTimecodeLine SrtTimecodeLine::Cut(std::string_view line) {
    SrtTimecodeLine cut;
    const std::size_t firstArrow = line.find(arrow);
    cut.rawStart = line.substr(0, firstArrow);
    const std::string_view afterArrow = firstArrow == std::string_view::npos
                                            ? std::string_view{}
                                            : line.substr(firstArrow + arrow.size());
    cut.rawEnd = afterArrow.substr(0, afterArrow.find(arrow));
    cut.start = Normalised(cut.rawStart);
    cut.end = Normalised(cut.rawEnd);

    // Whatever follows the end timecode on the line, a second "-->" included.
    std::string_view endAndRest = afterArrow;
    while (!endAndRest.empty() && IsBlank(endAndRest.front())) {
        endAndRest.remove_prefix(1);
    }
    cut.trailingText = TrimBlanks(endAndRest.substr(TimecodeLength(endAndRest)));
    return cut;
}

}  // namespace engine
