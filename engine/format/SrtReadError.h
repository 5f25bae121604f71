#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/core/Exceptions.h"
#include "platform/core/Text.h"

namespace engine {

// An SRT file the reader cannot take: the line (counted from 1) and what was expected there.
class SrtReadError : public platform::RuntimeException {
public:
    SrtReadError(std::int64_t lineNumber, const std::string& problem)
        : platform::RuntimeException("Line " + std::to_string(lineNumber) + ": " + problem),
          lineNumber_(lineNumber) {}

    std::int64_t LineNumber() const { return lineNumber_; }

    // A piece of a line for a message: quoted, cut short when long, its control characters
    // written out ("\0", "\t", "\x01") so that the message shows them and does not end at one.
    static std::string Quoted(std::string_view text) {
        constexpr std::size_t longest = 60;
        const std::string_view shown = platform::Utf8Prefix(text, longest);
        std::string quoted(1, '"');
        for (const char c : shown) {
            const auto byte = static_cast<unsigned char>(c);
            if (byte == 0) {
                quoted += "\\0";
            } else if (c == '\t') {
                quoted += "\\t";
            } else if (byte < 0x20 || byte == 0x7F) {
                constexpr std::string_view hex = "0123456789ABCDEF";
                quoted.append("\\x").append(1, hex[byte >> 4]).append(1, hex[byte & 0xF]);
            } else {
                quoted += c;
            }
        }
        if (shown.size() < text.size()) {
            quoted += "...";
        }
        quoted.push_back('"');
        return quoted;
    }

private:
    std::int64_t lineNumber_;
};

}  // namespace engine
