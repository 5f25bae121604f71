// Reading property lists built byte by byte: value encodings, name matching, and every way a
// list can be unreadable.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <limits>
#include <map>
#include <memory>
#include <span>
#include <string>
#include <string_view>

#include "platform/data/PropertyList.h"
#include "support/MessageOf.h"

namespace {

using platform::ColorBytes;
using platform::DeclaredProperties;
using platform::PropertyEntry;
using platform::PropertyListError;
using platform::PropertyType;
using platform::PropertyValue;
using platform::ReadPropertyList;
using ::testing::AllOf;
using ::testing::HasSubstr;
using namespace std::string_view_literals;

constexpr std::string_view kClasses[] = {"Window",    "Label",   "BevelButton", "TextField",
                                         "Rectangle", "Listbox", "Canvas",      "PushButton"};

// Reads list from a heap block of exactly its size, so that a read past its end is caught by
// the address sanitizer.
std::vector<PropertyEntry> Read(std::string_view list, std::string_view className) {
    const auto block = std::make_unique<char[]>(list.size());
    std::copy(list.begin(), list.end(), block.get());
    return ReadPropertyList("test list", std::string_view(block.get(), list.size()), className);
}

// The message of the PropertyListError that reading list raises.
std::string ErrorOf(std::string_view list, std::string_view className) {
    return testing_support::MessageOf<PropertyListError>([&] { Read(list, className); });
}

TEST(PropertyListReader, DecodesEachTypeInItsWidth) {
    const auto entries = Read(
        "Width \x90\x01\0\0\0\0\0\0"             // Integer 400
        "Left \xF4\xFF\xFF\xFF\xFF\xFF\xFF\xFF"  // Integer -12
        "Index \0\0\0\x80\xFF\xFF\xFF\xFF"       // Integer -2147483648
        "Multiline \x01"                         // Boolean, stored spelling
        "TextColor \0\0\x80\0"                   // Color, handed on as stored
        "TextSize \0\0\x40\x41"                  // Single 12.0
        "TextUnit \xFF"                          // FontUnits, unsigned
        "HelpTag \0\0\0\0"                       // the empty String
        "Text \x05\0\0\0a b\r\xC3"               // a String with a blank, a CR, a raw byte
        "Selectable \0"sv,
        "Label");
    ASSERT_EQ(entries.size(), 10u);
    EXPECT_EQ(entries[0].value, PropertyValue(std::int64_t{400}));
    EXPECT_EQ(entries[1].value, PropertyValue(std::int64_t{-12}));
    EXPECT_EQ(entries[2].value, PropertyValue(std::int64_t{-2147483648LL}));
    EXPECT_EQ(entries[3].name, "MultiLine");
    EXPECT_EQ(entries[3].type, PropertyType::Boolean);
    EXPECT_EQ(entries[3].value, PropertyValue(true));
    EXPECT_EQ(entries[4].value, PropertyValue(ColorBytes{{0x00, 0x00, 0x80, 0x00}}));
    EXPECT_EQ(entries[5].value, PropertyValue(12.0f));
    EXPECT_EQ(entries[6].value, PropertyValue(std::int64_t{255}));
    EXPECT_EQ(entries[7].value, PropertyValue(std::string()));
    EXPECT_EQ(entries[8].value, PropertyValue(std::string("a b\r\xC3")));
    EXPECT_EQ(entries[9].value, PropertyValue(false));
    // Offsets: each entry begins right after the previous value.
    EXPECT_EQ(entries[0].offset, 0u);
    EXPECT_EQ(entries[1].offset, 14u);
    EXPECT_EQ(entries[8].offset, entries[7].offset + 12);
}

TEST(PropertyListReader, ExtremeIntegersAndEnumerations) {
    const auto entries = Read(
        "ButtonStyle \x05\0\0\0\0\0\0\0"
        "Width \xFF\xFF\xFF\xFF\xFF\xFF\xFF\x7F"
        "Height \0\0\0\0\0\0\0\x80"sv,
        "PushButton");
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries[0].type, PropertyType::ButtonFrameStyle);
    EXPECT_EQ(entries[0].value, PropertyValue(std::int64_t{5}));
    EXPECT_EQ(entries[1].value, PropertyValue(std::numeric_limits<std::int64_t>::max()));
    EXPECT_EQ(entries[2].value, PropertyValue(std::numeric_limits<std::int64_t>::min()));
}

TEST(PropertyListReader, ValueBytesThatLookLikeBlanksOrNamesAreValue) {
    // 0x20 as the first value byte, a String ending in a blank and a String that looks like an
    // entry: the next name is searched from the byte after the value, never inside it.
    const auto entries = Read(
        "Height  \0\0\0\0\0\0\0"
        "Text \x0B\0\0\0Width \x01\0\0\0 "
        "Name \x02\0\0\0  "
        "Top \x20\x20\x20\x20\x20\x20\x20\x20"sv,
        "Label");
    ASSERT_EQ(entries.size(), 4u);
    EXPECT_EQ(entries[0].name, "Height");
    EXPECT_EQ(entries[0].value, PropertyValue(std::int64_t{32}));
    EXPECT_EQ(entries[1].value, PropertyValue(std::string("Width \x01\0\0\0 "sv)));
    EXPECT_EQ(entries[2].value, PropertyValue(std::string("  ")));
    EXPECT_EQ(entries[3].value, PropertyValue(std::int64_t{0x2020202020202020LL}));
}

TEST(PropertyListReader, NamesMatchWithoutRegardToCaseAndReportTheDeclaredSpelling) {
    const auto window = Read("MACPROCID \0\0\0\0\0\0\0\0macprocid \x01\0\0\0\0\0\0\0"sv, "Window");
    ASSERT_EQ(window.size(), 2u);
    EXPECT_EQ(window[0].name, "MacProcId");
    EXPECT_EQ(window[1].name, "MacProcId");
    const auto listbox =
        Read("ScrollbarHorizontal \x01_scrollwidth \xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF"sv, "Listbox");
    ASSERT_EQ(listbox.size(), 2u);
    EXPECT_EQ(listbox[0].name, "ScrollBarHorizontal");
    EXPECT_EQ(listbox[1].name, "_ScrollWidth");
    EXPECT_EQ(listbox[1].value, PropertyValue(std::int64_t{-1}));
}

TEST(PropertyListReader, AnEmptyListHasNoEntriesForAnyClass) {
    for (std::string_view className : kClasses) {
        EXPECT_TRUE(Read("", className).empty());
    }
    EXPECT_TRUE(Read("", "NoSuchClass").empty());
}

TEST(PropertyListReader, ANameWithoutABlankIsAnError) {
    EXPECT_THAT(ErrorOf("Width \x90\x01\0\0\0\0\0\0Height"sv, "Window"),
                AllOf(HasSubstr("\"test list\""), HasSubstr("byte 14"), HasSubstr("\"Height\""),
                      HasSubstr("blank")));
    // A blank inside the previous value does not end the name that follows it.
    EXPECT_THAT(ErrorOf("Title \x01\0\0\0 Visible"sv, "Window"),
                AllOf(HasSubstr("byte 11"), HasSubstr("\"Visible\""), HasSubstr("blank")));
    // A name that is the whole list, with bytes a message cannot show as they are.
    EXPECT_THAT(ErrorOf("\x01\xFF\"\\"sv, "Window"),
                AllOf(HasSubstr("byte 0"), HasSubstr("\"\\x01\\xFF\\\"\\\\\"")));
    const std::string longName(100, 'W');
    EXPECT_THAT(ErrorOf(longName, "Window"), HasSubstr("\"" + longName.substr(0, 40) + "...\""));
}

TEST(PropertyListReader, AnEmptyNameIsAnError) {
    EXPECT_THAT(ErrorOf(" \x01"sv, "Canvas"), AllOf(HasSubstr("byte 0"), HasSubstr("blank")));
    EXPECT_THAT(ErrorOf("Visible \x01 \x01"sv, "Canvas"),
                AllOf(HasSubstr("byte 9"), HasSubstr("begins with a blank")));
}

TEST(PropertyListReader, ANameTheClassDoesNotDeclareIsAnError) {
    // Title is a window's, not a label's; TabStop is not a rectangle's.
    EXPECT_THAT(ErrorOf("Visible \x01Title \0\0\0\0"sv, "Label"),
                AllOf(HasSubstr("\"test list\""), HasSubstr("byte 9"), HasSubstr("\"Title\""),
                      HasSubstr("class Label")));
    EXPECT_THAT(ErrorOf("TabStop \x01"sv, "Rectangle"),
                AllOf(HasSubstr("byte 0"), HasSubstr("\"TabStop\""), HasSubstr("Rectangle")));
    // A name is matched whole: neither a prefix nor a longer name is taken.
    EXPECT_THAT(ErrorOf("Widt \0\0\0\0\0\0\0\0"sv, "Window"), HasSubstr("\"Widt\""));
    EXPECT_THAT(ErrorOf("Widths \0\0\0\0\0\0\0\0"sv, "Window"), HasSubstr("\"Widths\""));
    // A class without declarations reads no entry at all.
    EXPECT_THAT(ErrorOf("Width \0\0\0\0\0\0\0\0"sv, "Button"),
                AllOf(HasSubstr("byte 0"), HasSubstr("class Button")));
}

TEST(PropertyListReader, AValueCutShortByTheEndOfTheListIsAnError) {
    struct Case {
        std::string_view list;
        std::string_view className;
        std::string_view offset;
        std::string_view need;
    };
    const Case cases[] = {
        {"Width \x90\x01\0"sv, "Window", "byte 6", "needs 8 bytes, but only 3 remain"},
        {"Visible "sv, "Window", "byte 8", "needs 1 byte, but only 0 remain"},
        {"BackColor \xFF\xFF\xFF"sv, "Window", "byte 10", "needs 4 bytes, but only 3 remain"},
        {"TextSize \0\0"sv, "Label", "byte 9", "needs 4 bytes, but only 2 remain"},
        {"TextUnit "sv, "Label", "byte 9", "needs 1 byte, but only 0 remain"},
        {"ButtonStyle \x05\0\0\0\0\0\0"sv, "PushButton", "byte 12",
         "needs 8 bytes, but only 7 remain"},
        {"Title \x01\0"sv, "Window", "byte 6", "byte count"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.list);
        EXPECT_THAT(ErrorOf(c.list, c.className),
                    AllOf(HasSubstr("\"test list\""), HasSubstr(c.offset), HasSubstr(c.need)));
    }
}

TEST(PropertyListReader, AStringLengthPastTheEndIsAnError) {
    EXPECT_THAT(ErrorOf("Title \x07\0\0\0Tavrel"sv, "Window"),
                AllOf(HasSubstr("\"test list\""), HasSubstr("byte 6"), HasSubstr("Title"),
                      HasSubstr("declares 7 bytes"), HasSubstr("only 6 remain")));
    // A count near the top of its range must not wrap round when added to the position.
    EXPECT_THAT(ErrorOf("Visible \x01Title \xFF\xFF\xFF\xFF"sv, "Window"),
                AllOf(HasSubstr("byte 15"), HasSubstr("declares 4294967295 bytes")));
}

TEST(PropertyListReader, ABooleanByteOtherThanZeroOrOneIsAnError) {
    EXPECT_THAT(ErrorOf("Visible \x01"
                        "Enabled \x02"sv,
                        "Canvas"),
                AllOf(HasSubstr("byte 17"), HasSubstr("Enabled"), HasSubstr("byte 2")));
}

TEST(PropertyListDeclarations, EveryClassDeclaresEachNameOnceAndEachNameHasOneType) {
    std::map<std::string, PropertyType> typeOfName;
    for (std::string_view className : kClasses) {
        SCOPED_TRACE(className);
        const auto declared = DeclaredProperties(className);
        EXPECT_FALSE(declared.empty());
        std::map<std::string, int> seen;
        for (const auto& declaration : declared) {
            std::string folded(declaration.name);
            std::transform(folded.begin(), folded.end(), folded.begin(),
                           [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
            EXPECT_EQ(++seen[folded], 1) << declaration.name << " is declared twice";
            const auto [it, inserted] = typeOfName.emplace(folded, declaration.type);
            EXPECT_EQ(it->second, declaration.type) << declaration.name << " has two types";
            EXPECT_EQ(platform::FindDeclaredProperty(className, folded), &declaration);
        }
        EXPECT_EQ(platform::FindDeclaredProperty(className, "Nothing"), nullptr);
    }
    EXPECT_TRUE(DeclaredProperties("NoSuchClass").empty());
    EXPECT_TRUE(DeclaredProperties("label").empty());
}

TEST(PropertyListDeclarations, ClassesDeclareOnlyTheirOwnProperties) {
    const auto declares = [](std::string_view className, std::string_view name) {
        return platform::FindDeclaredProperty(className, name) != nullptr;
    };
    EXPECT_TRUE(declares("Label", "MultiLine"));
    EXPECT_TRUE(declares("Window", "MacProcId"));
    EXPECT_TRUE(declares("Listbox", "ScrollBarHorizontal"));
    EXPECT_FALSE(declares("Rectangle", "TabStop"));
    EXPECT_FALSE(declares("TextField", "InitialParent"));
    EXPECT_FALSE(declares("Window", "Left"));
    EXPECT_FALSE(declares("Canvas", "TextFont"));
    for (std::string_view control : std::span(kClasses).subspan(1)) {
        EXPECT_TRUE(declares(control, "Index")) << control;
        EXPECT_TRUE(declares(control, "HelpTag")) << control;
    }
    EXPECT_EQ(platform::FindDeclaredProperty("PushButton", "ButtonStyle")->type,
              PropertyType::ButtonFrameStyle);
    EXPECT_EQ(platform::FindDeclaredProperty("Listbox", "TextUnit")->type, PropertyType::FontUnits);
}

}  // namespace
