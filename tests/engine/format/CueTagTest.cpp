#include "engine/format/CueTag.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace engine {
namespace {

TEST(CueTag, ComesBackFromTheRowTagAsItWas) {
    const std::vector<CueTag> tags = {
        {"", {}},
        {"X1:100 X2:200", {}},
        {"", {""}},  // one empty line is not no line
        {"", {"", ""}},
        {"", {"a|b"}},
        {"align:right", {"Hello", "x|y", " ", "\t"}},
        {"cue", {"cue", "cue\r"}},
        {std::string("\0|", 2), {std::string("\xFF\0", 2)}},
    };
    for (const CueTag& tag : tags) {
        const std::optional<CueTag> back = CueTag::FromRowTag(tag.ToRowTag());
        ASSERT_TRUE(back.has_value()) << tag.ToRowTag();
        EXPECT_EQ(back->trailingText, tag.trailingText);
        EXPECT_EQ(back->lines, tag.lines) << tag.ToRowTag();
    }
}

TEST(CueTag, OtherTagsAreNoCueTags) {
    for (const char* tag : {"", "cue", "Cue\n", " cue\n", "other"}) {
        EXPECT_FALSE(CueTag::FromRowTag(tag).has_value()) << tag;
    }
}

TEST(CueTag, IsNeededOnlyWhereTheCellsCannotTell) {
    using Lines = std::vector<std::string_view>;
    EXPECT_FALSE(CueTag::Needed("", Lines{}));
    EXPECT_FALSE(CueTag::Needed("", Lines{"a", "b", ""}));
    EXPECT_TRUE(CueTag::Needed("X", Lines{}));
    EXPECT_TRUE(CueTag::Needed("", Lines{"a", "b|c"}));
}

}  // namespace
}  // namespace engine
