#pragma once

#include <cstddef>

namespace engine {

// One subtitle block as found in the line list of an SRT file, by line indices (from 0).
// Its text lines are the non-empty lines in [bodyBegin, bodyEnd); the empty line that ends
// the block and the next block's index line lie behind bodyEnd.
struct SrtBlock {
    std::size_t timecodeLine = 0;
    std::size_t bodyBegin = 0;
    std::size_t bodyEnd = 0;
    std::size_t textLineCount = 0;
};

}  // namespace engine
