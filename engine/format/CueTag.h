#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace engine {

// What a cue-list row carries beside its cells when its cells alone cannot give back the
// block as read: its text lines as they were (cell 2 joins them with "|", which a line may
// hold itself) and the text after the end timecode on its timecode line. It travels in the
// row's tag; rows whose cells tell everything carry no tag.
class CueTag {
public:
    std::string trailingText;
    std::vector<std::string> lines;

    // Whether a block needs a tag to be written back as read.
    static bool Needed(std::string_view trailingText, const std::vector<std::string_view>& lines);

    std::string ToRowTag() const;

    // The tag read back; nothing for a tag that is not a cue tag (such as the empty tag).
    static std::optional<CueTag> FromRowTag(std::string_view tag);
};

}  // namespace engine
