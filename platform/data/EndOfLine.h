#pragma once

#include <string_view>

namespace platform {

// The line ends a text stream can write.
struct EndOfLine {
    static constexpr std::string_view UNIX = "\n";  // LF, 0x0A
};

}  // namespace platform
