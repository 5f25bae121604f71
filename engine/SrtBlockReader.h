#pragma once

#include <cstdint>
#include <string_view>

#include "engine/SrtBlock.h"
#include "platform/data/TextInputStream.h"

namespace engine {

// Reads the subtitle blocks of an SRT file from a text stream, one block at a time.
//
// Empty lines are skipped. A block begins at its timecode line, a line that contains "-->".
// Its index line is the line right before that timecode line when it reads as a whole
// number (blanks around it allowed), and, for the first block, the first non-empty line of
// the file when that is not itself a timecode line, whatever it reads. Index lines are
// optional. Every other non-empty line is a text line of the block before it.
class SrtBlockReader {
public:
    // Reads stream from its current line on; the stream must outlive the reader.
    explicit SrtBlockReader(platform::TextInputStream& stream);

    // The next block into block; false when the file has no more. Raises SrtReadError when
    // the file holds no non-empty line, or a text line stands before the first timecode line.
    bool Next(SrtBlock& block);

    static bool IsTimecodeLine(std::string_view line);
    static bool IsWholeNumber(std::string_view line);

private:
    bool ReadLine(std::string_view& line);
    void Advance();
    bool IsIndexLine() const;

    platform::TextInputStream& stream_;
    bool anyLineRead_ = false;
    std::int64_t linesRead_ = 0;
    // The line being looked at and the one after it, as far as the file has them.
    bool hasCurrent_ = false;
    bool hasNext_ = false;
    std::string_view current_;
    std::string_view next_;
    std::int64_t currentNumber_ = 0;
    bool currentIsTimecode_ = false;
    bool nextIsTimecode_ = false;
};

}  // namespace engine
