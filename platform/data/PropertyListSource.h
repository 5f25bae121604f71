#pragma once

// The readable source of a property list, from which its stored bytes are made. One line per
// entry, in stored order; blank lines and lines starting with '#' are ignored; before the first
// entry, one line names the class the list is read for:
//
//   class Label
//   Name String "Label2"
//   Index Integer -2147483648
//   Multiline Boolean True
//   TextColor Color 00 00 80 00
//   TextSize Single 12.0
//   TextUnit FontUnits 0
//
// Each entry line is the name as stored, its type (which must be the type the class declares
// for the name) and the value: Integer and ButtonFrameStyle in decimal, Boolean as True or
// False, Color as its four stored bytes in hexadecimal, Single in decimal, FontUnits as a
// number from 0 to 255, String in double quotes. Inside the quotes, text stands for its UTF-8
// bytes, and \r, \n, \t, \", \\ and \xHH stand for one byte each; other control bytes must be
// written as escapes.

#include <string>
#include <string_view>

#include "platform/data/PropertyList.h"

namespace platform {

// The stored bytes of the list that source describes, and the class it is read for.
struct EncodedPropertyList {
    std::string className;
    std::string bytes;
};

// Encodes source. sourceName is used only in error messages. Raises PropertyListError naming
// the source, the line and the problem for a line that cannot be encoded.
EncodedPropertyList EncodePropertyListSource(std::string_view sourceName, std::string_view source);

}  // namespace platform
