#pragma once

// The runtime's text and number functions. Texts are byte strings: nothing here decodes or
// validates an encoding, so every byte that comes in goes out unchanged.

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/core/StringList.h"

namespace platform {

// The pieces of text between occurrences of delimiter (matched whole), in order, empty pieces
// kept. A text without the delimiter is one piece; an empty delimiter gives the whole text.
StringList Split(std::string_view text, std::string_view delimiter);

// text with the first occurrence of find replaced.
std::string Replace(std::string_view text, std::string_view find, std::string_view replacement);

// text with every occurrence of find replaced, left to right, without overlaps.
std::string ReplaceAll(std::string_view text, std::string_view find, std::string_view replacement);

// The number at the start of text: blanks, then an optional "-", digits, an optional "." and
// digits; reading stops at the first other character. A text without a leading number gives 0.
// "05,250" gives 5, "63.5.500" gives 63.5, "0-1.5" gives 0. A number too small for a Double
// gives 0; one too large gives the largest Double of its sign.
double Val(std::string_view text);

// A Double as plain decimal text: a whole number as digits ("-" when negative) without ".";
// any other value in the shortest plain decimal that Val reads back as the same Double, with
// the whole part in front of the "." and never an exponent.
std::string Str(double value);
std::string Str(std::int64_t value);

// value formatted by a digit mask such as "00", "0" or "00.000": the whole part zero-padded
// to the mask's digits in front of the "." (never cut), rounded to the mask's digits after it.
std::string Format(double value, std::string_view mask);

// The largest whole number not above value.
double Floor(double value);

// Whether c is one of the digits 0 to 9.
constexpr bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Whether c is a blank: a space or a tab.
constexpr bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

// Where the run of blanks, or of digits, that begins at `at` in text ends: the first position
// from `at` on that holds something else, or text's size.
inline std::size_t SkipBlanks(std::string_view text, std::size_t at = 0) {
    while (at < text.size() && IsBlank(text[at])) {
        ++at;
    }
    return at;
}
inline std::size_t SkipDigits(std::string_view text, std::size_t at = 0) {
    while (at < text.size() && IsDigit(text[at])) {
        ++at;
    }
    return at;
}

// text without the blanks (spaces and tabs) at its start and its end.
std::string_view TrimBlanks(std::string_view text);

// Whether text is well-formed UTF-8: no stray continuation byte, no overlong form, no
// surrogate and nothing beyond U+10FFFF.
bool IsValidUtf8(std::string_view text);

// The start of text, at most longest bytes long, cut where a UTF-8 character begins.
std::string_view Utf8Prefix(std::string_view text, std::size_t longest);

// text as a message shows it: in double quotes, cut after at most longest bytes of text (at a
// character boundary, "..." marking the cut), with every control character and every byte that
// is not part of well-formed UTF-8 written out ("\0", "\t", "\x01", "\xE9"), every character
// that shows as nothing or as a plain space written as its code point (the C1 controls
// U+0080 to U+009F, the no-break space U+00A0, U+200B to U+200F, U+2060 and U+FEFF, as
// "\u00A0") and a quote or a backslash behind a backslash, so that the message shows exactly
// what the text holds and never ends at a NUL.
std::string Quoted(std::string_view text, std::size_t longest = std::string_view::npos);

}  // namespace platform
