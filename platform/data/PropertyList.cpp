#include "platform/data/PropertyList.h"

#include <bit>
#include <cstring>
#include <sstream>

#include "platform/core/Text.h"

namespace platform {

namespace {

constexpr char kSeparator = ' ';
constexpr std::size_t kShownNameBytes = 40;

char LowerAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool EqualIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (LowerAscii(a[i]) != LowerAscii(b[i])) {
            return false;
        }
    }
    return true;
}

std::string Bytes(std::size_t count) {
    return std::to_string(count) + (count == 1 ? " byte" : " bytes");
}

std::size_t ValueWidth(PropertyType type) {
    switch (type) {
        case PropertyType::Integer:
        case PropertyType::ButtonFrameStyle:
            return 8;
        case PropertyType::Boolean:
        case PropertyType::FontUnits:
            return 1;
        case PropertyType::Color:
        case PropertyType::Single:
        case PropertyType::String:  // the byte count; the text follows it
            return 4;
    }
    return 0;
}

std::uint64_t LittleEndian(std::string_view bytes) {
    std::uint64_t value = 0;
    for (std::size_t i = bytes.size(); i > 0; --i) {
        value = (value << 8) | static_cast<unsigned char>(bytes[i - 1]);
    }
    return value;
}

class Reader {
public:
    Reader(std::string_view listName, std::string_view list, std::string_view className)
        : listName_(listName), list_(list), className_(className) {}

    std::vector<PropertyEntry> ReadAll() {
        std::vector<PropertyEntry> entries;
        while (position_ < list_.size()) {
            entries.push_back(ReadEntry());
        }
        return entries;
    }

private:
    [[noreturn]] void Fail(std::size_t offset, const std::string& problem) const {
        std::ostringstream message;
        message << "Property list \"" << listName_ << "\" for class " << className_ << ", byte "
                << offset << ": " << problem;
        throw PropertyListError(message.str());
    }

    PropertyEntry ReadEntry() {
        const std::size_t entryOffset = position_;
        const std::size_t blank = list_.find(kSeparator, entryOffset);
        if (blank == std::string_view::npos) {
            Fail(entryOffset, "the name " + Quoted(list_.substr(entryOffset), kShownNameBytes) +
                                  " runs to the end of the list without the blank that ends a "
                                  "name.");
        }
        const std::string_view storedName = list_.substr(entryOffset, blank - entryOffset);
        if (storedName.empty()) {
            Fail(entryOffset, "an entry begins with a blank instead of a property name.");
        }
        const PropertyDeclaration* declaration = FindDeclaredProperty(className_, storedName);
        if (declaration == nullptr && DeclaredProperties(className_).empty()) {
            Fail(entryOffset, "no properties are known for class " + std::string(className_) +
                                  ", so the list cannot be read for it.");
        }
        if (declaration == nullptr) {
            Fail(entryOffset, "the name " + Quoted(storedName, kShownNameBytes) +
                                  " is not a property of class " + std::string(className_) + ".");
        }
        position_ = blank + 1;
        return PropertyEntry{declaration->name, declaration->type, ReadValue(*declaration),
                             entryOffset};
    }

    // Takes width bytes from the current position, or fails naming what was being read.
    std::string_view Take(std::size_t width, const PropertyDeclaration& declaration,
                          std::string_view what) {
        const std::size_t remaining = list_.size() - position_;
        if (width > remaining) {
            Fail(position_, "the " + std::string(what) + " of " + std::string(declaration.name) +
                                " (" + std::string(PropertyTypeName(declaration.type)) +
                                ") needs " + Bytes(width) + ", but only " +
                                std::to_string(remaining) + " remain in the list.");
        }
        const std::string_view bytes = list_.substr(position_, width);
        position_ += width;
        return bytes;
    }

    PropertyValue ReadValue(const PropertyDeclaration& declaration) {
        const std::size_t valueOffset = position_;
        const std::string_view bytes =
            Take(ValueWidth(declaration.type), declaration,
                 declaration.type == PropertyType::String ? "byte count" : "value");
        switch (declaration.type) {
            case PropertyType::Integer:
            case PropertyType::ButtonFrameStyle:
                return static_cast<std::int64_t>(LittleEndian(bytes));
            case PropertyType::FontUnits:
                return static_cast<std::int64_t>(static_cast<unsigned char>(bytes[0]));
            case PropertyType::Boolean: {
                const auto byte = static_cast<unsigned char>(bytes[0]);
                if (byte > 1) {
                    Fail(valueOffset, "the Boolean value of " + std::string(declaration.name) +
                                          " is the byte " + std::to_string(byte) +
                                          "; only 0 (False) and 1 (True) are values.");
                }
                return byte == 1;
            }
            case PropertyType::Color: {
                ColorBytes color;
                std::memcpy(color.bytes.data(), bytes.data(), color.bytes.size());
                return color;
            }
            case PropertyType::Single:
                return std::bit_cast<float>(static_cast<std::uint32_t>(LittleEndian(bytes)));
            case PropertyType::String: {
                const std::uint64_t count = LittleEndian(bytes);
                const std::size_t remaining = list_.size() - position_;
                if (count > remaining) {
                    Fail(valueOffset, "the String value of " + std::string(declaration.name) +
                                          " declares " + std::to_string(count) +
                                          " bytes of text, but only " + std::to_string(remaining) +
                                          " remain in the list after its byte count.");
                }
                std::string text(list_.substr(position_, count));
                position_ += count;
                return text;
            }
        }
        Fail(valueOffset, "the property " + std::string(declaration.name) +
                              " has a type that no list can hold.");
    }

    std::string_view listName_;
    std::string_view list_;
    std::string_view className_;
    std::size_t position_ = 0;
};

}  // namespace

const PropertyDeclaration* FindDeclaredProperty(std::string_view className, std::string_view name) {
    for (const PropertyDeclaration& declaration : DeclaredProperties(className)) {
        if (EqualIgnoringCase(declaration.name, name)) {
            return &declaration;
        }
    }
    return nullptr;
}

std::string_view PropertyTypeName(PropertyType type) {
    switch (type) {
        case PropertyType::Integer:
            return "Integer";
        case PropertyType::Boolean:
            return "Boolean";
        case PropertyType::Color:
            return "Color";
        case PropertyType::Single:
            return "Single";
        case PropertyType::String:
            return "String";
        case PropertyType::ButtonFrameStyle:
            return "ButtonFrameStyle";
        case PropertyType::FontUnits:
            return "FontUnits";
    }
    return "unknown";
}

std::vector<PropertyEntry> ReadPropertyList(std::string_view listName, std::string_view list,
                                            std::string_view className) {
    return Reader(listName, list, className).ReadAll();
}

}  // namespace platform
