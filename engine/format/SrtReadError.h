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

    // A piece of a line for a message: quoted, cut short when long, what a message cannot
    // show written out (platform::Quoted).
    static std::string Quoted(std::string_view text) { return platform::Quoted(text, 60); }

private:
    std::int64_t lineNumber_;
};

}  // namespace engine
