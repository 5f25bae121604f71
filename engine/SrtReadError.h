#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/core/Exceptions.h"

namespace engine {

// An SRT file the reader cannot take: the line (counted from 1) and what was expected there.
class SrtReadError : public platform::RuntimeException {
public:
    SrtReadError(std::int64_t lineNumber, const std::string& problem)
        : platform::RuntimeException("Line " + std::to_string(lineNumber) + ": " + problem),
          lineNumber_(lineNumber) {}

    std::int64_t LineNumber() const { return lineNumber_; }

    // A piece of a line for a message: quoted, cut short when long.
    static std::string Quoted(std::string_view text) {
        constexpr std::size_t longest = 60;
        std::string quoted(1, '"');
        if (text.size() <= longest) {
            quoted.append(text);
        } else {
            std::size_t cut = longest;
            while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) {
                --cut;  // not inside a UTF-8 character
            }
            quoted.append(text.substr(0, cut)).append("...");
        }
        quoted.push_back('"');
        return quoted;
    }

private:
    std::int64_t lineNumber_;
};

}  // namespace engine
