#include "platform/data/Utf16Decoding.h"

#include <gmock/gmock.h>

#include <string>

#include "platform/core/Exceptions.h"
#include "support/MessageOf.h"

namespace platform {
namespace {

using Order = Utf16ByteOrder;
using namespace std::string_literals;

TEST(Utf16Decoding, GivesEveryCharacterInUtf8) {
    struct Case {
        std::string bytes;
        Order order;
        std::string utf8;
    };
    const Case cases[] = {
        {"", Order::LittleEndian, ""},
        {"A\0"s, Order::LittleEndian, "A"},
        {"\0A"s, Order::BigEndian, "A"},
        {"\0\0"s, Order::LittleEndian, "\0"s},
        {"\x7F\x00\x80\x00"s, Order::LittleEndian, "\x7F\xC2\x80"},          // one and two bytes
        {"\xFF\x07\x00\x08"s, Order::LittleEndian, "\xDF\xBF\xE0\xA0\x80"},  // two and three
        {"\x20\xAC"s, Order::BigEndian, "\xE2\x82\xAC"},
        {"\xFF\xFE"s, Order::LittleEndian, "\xEF\xBB\xBF"},  // a second mark stays a character
        {"\xFF\xFF"s, Order::BigEndian, "\xEF\xBF\xBF"},
        {"\xD8\x34\xDD\x1E"s, Order::BigEndian, "\xF0\x9D\x84\x9E"},     // a surrogate pair
        {"\xFF\xDB\xFF\xDF"s, Order::LittleEndian, "\xF4\x8F\xBF\xBF"},  // the last character
        {"\x00\xD8\x00\xDC"s, Order::LittleEndian, "\xF0\x90\x80\x80"},  // the first beyond 16 bits
    };
    for (const Case& c : cases) {
        EXPECT_EQ(DecodeUtf16ToUtf8(c.bytes, c.order), c.utf8);
    }
}

TEST(Utf16Decoding, RefusesBrokenTextNamingTheByteFromTheFileStart) {
    const std::pair<std::string, std::string> cases[] = {
        {std::string("A\0B", 3), "odd byte count 5"},
        {std::string("A\0\x00\xDC", 4), "a low surrogate without a high one at byte 4"},
        {"\x34\xD8", "a high surrogate without a low one at byte 2"},
        {std::string("\x34\xD8\x41\0", 4), "a high surrogate without a low one at byte 2"},
        {"\x34\xD8\x34\xD8", "a high surrogate without a low one at byte 2"},
    };
    for (const auto& [bytes, message] : cases) {
        EXPECT_THAT(testing_support::MessageOf<RuntimeException>(
                        [&] { DecodeUtf16ToUtf8(bytes, Order::LittleEndian); }),
                    ::testing::HasSubstr(message));
    }
}

}  // namespace
}  // namespace platform
