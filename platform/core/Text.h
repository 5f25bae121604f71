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

// text without the blanks (spaces and tabs) at its start and its end.
std::string_view TrimBlanks(std::string_view text);

// The start of text, at most longest bytes long, cut where a UTF-8 character begins.
std::string_view Utf8Prefix(std::string_view text, std::size_t longest);

}  // namespace platform
