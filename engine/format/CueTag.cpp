#include "engine/format/CueTag.h"

namespace engine {

// A row tag is "cue", LF, the trailing text, then LF and a text line for each line. Neither
// the trailing text nor a text line can hold an LF: both come from lines of a file.
namespace {
constexpr std::string_view marker = "cue\n";
}

bool CueTag::Needed(std::string_view trailingText, const std::vector<std::string_view>& lines) {
    if (!trailingText.empty()) {
        return true;
    }
    for (const std::string_view line : lines) {
        if (line.find('|') != std::string_view::npos) {
            return true;
        }
    }
    return false;
}

std::string CueTag::ToRowTag() const {
    std::string tag(marker);
    tag += trailingText;
    for (const std::string& line : lines) {
        tag += '\n';
        tag += line;
    }
    return tag;
}

std::optional<CueTag> CueTag::FromRowTag(std::string_view tag) {
    if (!tag.starts_with(marker)) {
        return std::nullopt;
    }
    tag.remove_prefix(marker.size());
    CueTag cue;
    std::size_t lineFeed = tag.find('\n');
    cue.trailingText = std::string(tag.substr(0, lineFeed));
    while (lineFeed != std::string_view::npos) {
        tag.remove_prefix(lineFeed + 1);
        lineFeed = tag.find('\n');
        cue.lines.emplace_back(tag.substr(0, lineFeed));
    }
    return cue;
}

}  // namespace engine
