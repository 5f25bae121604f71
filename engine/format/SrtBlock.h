#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace engine {

// One subtitle block of an SRT file, as views into the text of the stream it was read from.
struct SrtBlock {
    std::string_view timecodeLine;
    std::int64_t timecodeLineNumber = 0;      // counted from 1
    std::vector<std::string_view> textLines;  // the non-empty lines after it, in order
};

}  // namespace engine
