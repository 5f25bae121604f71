#pragma once

// Property lists: the stored description of a window's or a control's initial properties.
// A list is a byte string of entries, each a property name, one blank (0x20) and the value in
// the width of the property's declared type on the target's class:
//
//   Integer, ButtonFrameStyle   8 bytes, signed, little-endian
//   Boolean                     1 byte, 00 or 01
//   Color                       4 bytes, handed on unchanged
//   Single                      4 bytes, IEEE 754, little-endian
//   String                      4-byte little-endian byte count n, then n bytes
//   FontUnits                   1 byte, unsigned
//
// The list has no header and no terminator; entries follow one another directly. Reading is
// kept apart from applying (SetProperties, beside it in this layer), so that a list can be read
// and checked without a target to apply it to.

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "platform/core/Exceptions.h"

namespace platform {

enum class PropertyType : std::uint8_t {
    Integer,
    Boolean,
    Color,
    Single,
    String,
    ButtonFrameStyle,
    FontUnits,
};

// A colour's four stored bytes, as stored: red, green, blue, then a byte that is 00 in every
// stored colour and carries nothing (so 00 00 80 00 is a dark blue).
struct ColorBytes {
    std::array<std::uint8_t, 4> bytes{};
    friend bool operator==(const ColorBytes&, const ColorBytes&) = default;
};

// Integer, ButtonFrameStyle and FontUnits values are held as std::int64_t.
using PropertyValue = std::variant<std::int64_t, bool, ColorBytes, float, std::string>;

// One property a class declares: its name as the class spells it, and its type.
struct PropertyDeclaration {
    std::string_view name;
    PropertyType type;
};

// One entry read from a list.
struct PropertyEntry {
    std::string_view name;  // the declared spelling ("MultiLine" for a stored "Multiline")
    PropertyType type;
    PropertyValue value;
    std::size_t offset;  // byte offset of the entry's first name byte in the list
};

// A list that cannot be read: a name without a blank (or an empty name), a name the class does
// not declare, a value cut short by the end of the list, a String whose byte count runs past
// the end of the list, a Boolean byte other than 00 or 01. The message names the list, the byte
// offset of the faulty field and the problem.
class PropertyListError : public RuntimeException {
public:
    using RuntimeException::RuntimeException;
};

// The properties that a class of the window layer declares, its base classes' included:
// "Window", "Label", "BevelButton", "TextField", "Rectangle", "Listbox", "Canvas",
// "PushButton". An unknown class name declares nothing.
std::span<const PropertyDeclaration> DeclaredProperties(std::string_view className);

// The declaration of name on className, matched without regard to ASCII letter case, or nullptr
// when the class declares no such property.
const PropertyDeclaration* FindDeclaredProperty(std::string_view className, std::string_view name);

// The type's name as written in property-list sources: "Integer", "Boolean", "Color", "Single",
// "String", "ButtonFrameStyle", "FontUnits".
std::string_view PropertyTypeName(PropertyType type);

// Reads every entry of list in stored order, for a target of className. listName is used only
// in error messages. Never reads outside list; raises PropertyListError on a bad list.
std::vector<PropertyEntry> ReadPropertyList(std::string_view listName, std::string_view list,
                                            std::string_view className);

}  // namespace platform
