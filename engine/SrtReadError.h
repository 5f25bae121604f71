#pragma once

#include <cstdint>
#include <string>

#include "platform/core/Exceptions.h"

namespace engine {

// An SRT file the reader cannot take: the line (counted from 1) and what was expected there.
class SrtReadError : public platform::RuntimeException {
public:
    SrtReadError(std::int64_t lineNumber, const std::string& problem)
        : platform::RuntimeException("Line " + std::to_string(lineNumber) + ": " + problem),
          lineNumber_(lineNumber) {}

    std::int64_t LineNumber() const { return lineNumber_; }

private:
    std::int64_t lineNumber_;
};

}  // namespace engine
