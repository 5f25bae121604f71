#include "engine/SrtBlocks.h"

#include "engine/SrtReadError.h"

namespace engine {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

}  // namespace

bool IsTimecodeLine(std::string_view line) {
    return line.find("-->") != std::string_view::npos;
}

bool IsWholeNumber(std::string_view line) {
    while (!line.empty() && IsBlank(line.front())) {
        line.remove_prefix(1);
    }
    while (!line.empty() && IsBlank(line.back())) {
        line.remove_suffix(1);
    }
    if (line.empty()) {
        return false;
    }
    for (const char c : line) {
        if (c < '0' || c > '9') {
            return false;
        }
    }
    return true;
}

std::vector<SrtBlock> CutIntoBlocks(const SrtLines& lines) {
    const std::size_t count = lines.size();
    std::size_t at = 0;
    while (at < count && lines[at].empty()) {
        ++at;
    }
    if (at == count) {
        throw SrtReadError(static_cast<std::int64_t>(count),
                           count <= 1 && lines.front().empty()
                               ? "expected a subtitle block, but the file is empty."
                               : "expected a subtitle block, but the file holds only empty "
                                 "lines.");
    }
    if (!IsTimecodeLine(lines[at])) {
        ++at;  // the first block's index line
    }

    std::vector<SrtBlock> blocks;
    for (; at < count; ++at) {
        const std::string_view line = lines[at];
        if (IsTimecodeLine(line)) {
            blocks.push_back(SrtBlock{at, at + 1, at + 1, 0});
        } else if (line.empty()) {
            continue;
        } else if (at + 1 < count && IsTimecodeLine(lines[at + 1]) && IsWholeNumber(line)) {
            continue;  // the next block's index line
        } else if (blocks.empty()) {
            throw SrtReadError(static_cast<std::int64_t>(at + 1),
                               "expected the first timecode line (such as 00:00:01,000 --> "
                               "00:00:04,000), found the text " +
                                   QuoteForMessage(line) + ".");
        } else {
            blocks.back().bodyEnd = at + 1;
            ++blocks.back().textLineCount;
        }
    }
    return blocks;
}

std::string QuoteForMessage(std::string_view text) {
    constexpr std::size_t longest = 60;
    if (text.size() <= longest) {
        return "\"" + std::string(text) + "\"";
    }
    std::size_t cut = longest;
    while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) {
        --cut;  // not inside a UTF-8 character
    }
    return "\"" + std::string(text.substr(0, cut)) + "...\"";
}

}  // namespace engine
