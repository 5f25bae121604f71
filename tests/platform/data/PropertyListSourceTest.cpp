// Encoding property-list sources: the bytes each kind of value becomes, and the source lines
// that are refused, with the line named.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "platform/data/PropertyList.h"
#include "platform/data/PropertyListSource.h"
#include "support/MessageOf.h"

namespace {

using platform::EncodePropertyListSource;
using platform::PropertyListError;
using ::testing::AllOf;
using ::testing::HasSubstr;
using namespace std::string_view_literals;

std::string Bytes(std::string_view source) {
    return EncodePropertyListSource("test.txt", source).bytes;
}

std::string ErrorOf(std::string_view source) {
    return testing_support::MessageOf<PropertyListError>([&] { Bytes(source); });
}

TEST(PropertyListSource, EncodesEveryTypeInTheStoredFormat) {
    const auto encoded =
        EncodePropertyListSource("test.txt",
                                 "# a comment\n"
                                 "\n"
                                 "class Label\n"
                                 "Width Integer 400\n"
                                 "Left Integer -12\n"
                                 "Index Integer -2147483648\n"
                                 "Multiline Boolean True\n"
                                 "Enabled Boolean False\n"
                                 "TextColor Color 00 00 80 00\n"
                                 "TextSize Single 12.0\n"
                                 "TextUnit FontUnits 255\n"
                                 "HelpTag String \"\"\n"
                                 "Text String \"a \\\"b\\\"\\r\\n\\t\\\\\\x00\xC2\xA9\"\r\n"
                                 "   Top   Integer   7   \n");
    EXPECT_EQ(encoded.className, "Label");
    EXPECT_EQ(encoded.bytes,
              "Width \x90\x01\0\0\0\0\0\0"
              "Left \xF4\xFF\xFF\xFF\xFF\xFF\xFF\xFF"
              "Index \0\0\0\x80\xFF\xFF\xFF\xFF"
              "Multiline \x01"
              "Enabled \0"
              "TextColor \0\0\x80\0"
              "TextSize \0\0\x40\x41"
              "TextUnit \xFF"
              "HelpTag \0\0\0\0"
              "Text \x0C\0\0\0a \"b\"\r\n\t\\\0\xC2\xA9"
              "Top \x07\0\0\0\0\0\0\0"sv);
    // What is encoded reads back for the same class.
    EXPECT_EQ(platform::ReadPropertyList("test", encoded.bytes, encoded.className).size(), 11u);

    EXPECT_EQ(Bytes("class PushButton\nButtonStyle ButtonFrameStyle 5\n"),
              "ButtonStyle \x05\0\0\0\0\0\0\0"sv);
    EXPECT_EQ(Bytes("class Window\n"), "");
}

TEST(PropertyListSource, RefusesASourceWithoutAKnownClass) {
    EXPECT_THAT(ErrorOf(""), HasSubstr("class <name>"));
    EXPECT_THAT(ErrorOf("# only a comment\n"), HasSubstr("class <name>"));
    EXPECT_THAT(ErrorOf("Width Integer 1\n"), AllOf(HasSubstr("line 1"), HasSubstr("class")));
    EXPECT_THAT(ErrorOf("class\n"), HasSubstr("line 1"));
    EXPECT_THAT(ErrorOf("\nclass Button\n"), AllOf(HasSubstr("line 2"), HasSubstr("Button")));
}

TEST(PropertyListSource, RefusesNamesAndTypesTheClassDoesNotDeclare) {
    EXPECT_THAT(ErrorOf("class Rectangle\nName String \"R\"\nTabStop Boolean True\n"),
                AllOf(HasSubstr("\"test.txt\""), HasSubstr("line 3"), HasSubstr("TabStop"),
                      HasSubstr("Rectangle")));
    EXPECT_THAT(ErrorOf("class Label\nTextSize Integer 12\n"),
                AllOf(HasSubstr("line 2"), HasSubstr("Single"), HasSubstr("\"Integer\"")));
    EXPECT_THAT(ErrorOf("class Label\nTextSize\n"), AllOf(HasSubstr("line 2"), HasSubstr("\"\"")));
}

TEST(PropertyListSource, RefusesValuesThatDoNotFitTheirType) {
    const std::string_view badLines[] = {
        "Width Integer 9223372036854775808",  // one past the largest Integer
        "Width Integer 12px",
        "Width Integer",
        "Visible Boolean true",
        "Visible Boolean 1",
        "BackColor Color FF FF FF",
        "BackColor Color FF FF FF 00 00",
        "BackColor Color FFF FF FF 0",
        "BackColor Color GG FF FF 00",
        "Title String Tavrel",
        "Title String \"Tav\"rel\"",
        "Title String \"Tavrel\\\"",
        "Title String \"a\\qb\"",
        "Title String \"a\\x4\"",
        "Title String \"a\tb\"",
        "Title String \"",
    };
    for (std::string_view line : badLines) {
        SCOPED_TRACE(line);
        EXPECT_THAT(ErrorOf("class Window\n" + std::string(line) + "\n"), HasSubstr("line 2"));
    }
    EXPECT_THAT(ErrorOf("class Label\nTextUnit FontUnits 256\n"), HasSubstr("0 to 255"));
    EXPECT_THAT(ErrorOf("class Label\nTextSize Single twelve\n"), HasSubstr("line 2"));
}

}  // namespace
