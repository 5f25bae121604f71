#include "platform/data/PropertyListSource.h"

#include <bit>
#include <charconv>
#include <cstdint>
#include <limits>
#include <optional>
#include <system_error>

#include "platform/core/Text.h"

namespace platform {

namespace {

// Splits off the first word of text (up to a blank or a tab); text keeps the rest, trimmed.
std::string_view TakeWord(std::string_view& text) {
    const std::size_t end = text.find_first_of(" \t");
    const std::string_view word = text.substr(0, end);
    text = end == std::string_view::npos ? std::string_view{} : TrimBlanks(text.substr(end));
    return word;
}

template <typename Number>
std::optional<Number> ParseWhole(std::string_view text) {
    Number number{};
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, number);
    if (text.empty() || error != std::errc{} || stop != end) {
        return std::nullopt;
    }
    return number;
}

std::optional<int> HexDigit(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    return std::nullopt;
}

void AppendLittleEndian(std::string& bytes, std::uint64_t value, std::size_t width) {
    for (std::size_t i = 0; i < width; ++i) {
        bytes += static_cast<char>(value & 0xFF);
        value >>= 8;
    }
}

class SourceEncoder {
public:
    explicit SourceEncoder(std::string_view sourceName) : sourceName_(sourceName) {}

    EncodedPropertyList Encode(std::string_view source) {
        std::size_t lineStart = 0;
        while (lineStart < source.size()) {
            std::size_t lineEnd = source.find('\n', lineStart);
            if (lineEnd == std::string_view::npos) {
                lineEnd = source.size();
            }
            ++lineNumber_;
            std::string_view line = source.substr(lineStart, lineEnd - lineStart);
            if (!line.empty() && line.back() == '\r') {
                line.remove_suffix(1);
            }
            EncodeLine(TrimBlanks(line));
            lineStart = lineEnd + 1;
        }
        if (result_.className.empty()) {
            Fail("the source has no line \"class <name>\" before its entries.");
        }
        return std::move(result_);
    }

private:
    [[noreturn]] void Fail(const std::string& problem) const {
        throw PropertyListError("Property list source \"" + std::string(sourceName_) + "\", line " +
                                std::to_string(lineNumber_) + ": " + problem);
    }

    void EncodeLine(std::string_view line) {
        if (line.empty() || line.front() == '#') {
            return;
        }
        if (result_.className.empty()) {
            if (TakeWord(line) != "class" || line.empty()) {
                Fail("the first line that is not a comment must be \"class <name>\".");
            }
            if (DeclaredProperties(line).empty()) {
                Fail("no properties are known for class " + std::string(line) + ".");
            }
            result_.className = line;
            return;
        }
        const std::string_view name = TakeWord(line);
        const std::string_view typeName = TakeWord(line);
        const PropertyDeclaration* declaration = FindDeclaredProperty(result_.className, name);
        if (declaration == nullptr) {
            Fail("\"" + std::string(name) + "\" is not a property of class " + result_.className +
                 ".");
        }
        if (typeName != PropertyTypeName(declaration->type)) {
            Fail(std::string(declaration->name) + " of class " + result_.className +
                 " is of type " + std::string(PropertyTypeName(declaration->type)) + ", not \"" +
                 std::string(typeName) + "\".");
        }
        result_.bytes += name;
        result_.bytes += ' ';
        EncodeValue(*declaration, line);
    }

    void EncodeValue(const PropertyDeclaration& declaration, std::string_view value) {
        std::string& bytes = result_.bytes;
        switch (declaration.type) {
            case PropertyType::Integer:
            case PropertyType::ButtonFrameStyle: {
                const auto number = ParseWhole<std::int64_t>(value);
                if (!number) {
                    Fail("\"" + std::string(value) + "\" is not a whole number for " +
                         std::string(declaration.name) + ".");
                }
                AppendLittleEndian(bytes, static_cast<std::uint64_t>(*number), 8);
                return;
            }
            case PropertyType::FontUnits: {
                const auto number = ParseWhole<std::uint8_t>(value);
                if (!number) {
                    Fail("\"" + std::string(value) + "\" is not a number from 0 to 255 for " +
                         std::string(declaration.name) + ".");
                }
                bytes += static_cast<char>(*number);
                return;
            }
            case PropertyType::Boolean:
                if (value != "True" && value != "False") {
                    Fail("\"" + std::string(value) + "\" is not True or False for " +
                         std::string(declaration.name) + ".");
                }
                bytes += value == "True" ? '\x01' : '\x00';
                return;
            case PropertyType::Color:
                EncodeColor(declaration, value);
                return;
            case PropertyType::Single: {
                const auto number = ParseWhole<float>(value);
                if (!number) {
                    Fail("\"" + std::string(value) + "\" is not a decimal number for " +
                         std::string(declaration.name) + ".");
                }
                AppendLittleEndian(bytes, std::bit_cast<std::uint32_t>(*number), 4);
                return;
            }
            case PropertyType::String:
                EncodeString(declaration, value);
                return;
        }
    }

    void EncodeColor(const PropertyDeclaration& declaration, std::string_view value) {
        std::string color;
        while (!value.empty()) {
            const std::string_view word = TakeWord(value);
            const auto high = word.size() == 2 ? HexDigit(word[0]) : std::nullopt;
            const auto low = word.size() == 2 ? HexDigit(word[1]) : std::nullopt;
            if (!high || !low) {
                Fail("\"" + std::string(word) + "\" in the colour of " +
                     std::string(declaration.name) + " is not a byte in two hexadecimal digits.");
            }
            color += static_cast<char>(*high * 16 + *low);
        }
        if (color.size() != 4) {
            Fail("the colour of " + std::string(declaration.name) + " needs 4 bytes, not " +
                 std::to_string(color.size()) + ".");
        }
        result_.bytes += color;
    }

    void EncodeString(const PropertyDeclaration& declaration, std::string_view value) {
        if (value.size() < 2 || value.front() != '"' || value.back() != '"') {
            Fail("the String value of " + std::string(declaration.name) +
                 " must stand in double quotes.");
        }
        value = value.substr(1, value.size() - 2);
        std::string text;
        for (std::size_t i = 0; i < value.size(); ++i) {
            const char c = value[i];
            if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) {
                Fail("the String value of " + std::string(declaration.name) +
                     " holds a control byte; write it as an escape such as \\r.");
            }
            if (c == '"') {
                Fail("a double quote inside the String value of " + std::string(declaration.name) +
                     " must be written \\\".");
            }
            if (c != '\\') {
                text += c;
                continue;
            }
            if (++i == value.size()) {
                Fail("the String value of " + std::string(declaration.name) +
                     " ends in a lone backslash.");
            }
            switch (value[i]) {
                case 'r':
                    text += '\r';
                    break;
                case 'n':
                    text += '\n';
                    break;
                case 't':
                    text += '\t';
                    break;
                case '"':
                case '\\':
                    text += value[i];
                    break;
                case 'x': {
                    const auto high = i + 1 < value.size() ? HexDigit(value[i + 1]) : std::nullopt;
                    const auto low = i + 2 < value.size() ? HexDigit(value[i + 2]) : std::nullopt;
                    if (!high || !low) {
                        Fail("\\x in the String value of " + std::string(declaration.name) +
                             " must be followed by two hexadecimal digits.");
                    }
                    text += static_cast<char>(*high * 16 + *low);
                    i += 2;
                    break;
                }
                default:
                    Fail("\\" + std::string(1, value[i]) + " in the String value of " +
                         std::string(declaration.name) + " is not an escape (use \\r, \\n, \\t, " +
                         "\\\", \\\\ or \\xHH).");
            }
        }
        if (text.size() > std::numeric_limits<std::uint32_t>::max()) {
            Fail("the String value of " + std::string(declaration.name) + " is too long.");
        }
        AppendLittleEndian(result_.bytes, text.size(), 4);
        result_.bytes += text;
    }

    std::string_view sourceName_;
    std::size_t lineNumber_ = 0;
    EncodedPropertyList result_;
};

}  // namespace

EncodedPropertyList EncodePropertyListSource(std::string_view sourceName, std::string_view source) {
    return SourceEncoder(sourceName).Encode(source);
}

}  // namespace platform
