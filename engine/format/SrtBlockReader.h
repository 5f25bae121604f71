#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "engine/format/SrtBlock.h"
#include "platform/data/TextInputStream.h"

namespace engine {

// Reads the subtitle blocks of an SRT file from a text stream, one block at a time.
//
// Empty lines are skipped. A block begins at its timecode line, a line that contains "-->".
// A line that holds only a whole number (blanks around it allowed) is the next block's index
// line when the next non-empty line is a timecode line and the number either begins a
// paragraph (it follows an empty line) or is the next block's number by count; the first
// non-empty line of the file is the first block's index line when it is a whole number.
// Index lines are optional. A line that holds two times but no "-->" between them is a
// timecode line with a mangled arrow: it is refused, never taken for text (see
// SrtTimecodeLine::BrokenArrow). So is a file cut off inside its last timecode line, or right
// after an index line. Every other non-empty line is a text line of the block before it.
class SrtBlockReader {
public:
    // Reads stream from its current line on, up to the first timecode line; the stream must
    // outlive the reader. Raises SrtReadError when the file holds no non-empty line, when a
    // text line stands before the first timecode line, and when it holds no timecode line;
    // it and Next raise it for a timecode line whose arrow is mangled or that is cut short.
    explicit SrtBlockReader(platform::TextInputStream& stream);

    // The next block into block; false when the file has no more.
    bool Next(SrtBlock& block);

    static bool IsTimecodeLine(std::string_view line);
    static bool IsWholeNumber(std::string_view line);
    // Whether line, a whole number, is number: blanks and leading zeros aside.
    static bool IsNumber(std::string_view line, std::int64_t number);

private:
    bool ReadLine(std::string_view& line);
    // Reads on to the next timecode line, adding the text lines on the way to textLines; with
    // no textLines (before the first block) a text line is refused. timecodePlace: the first
    // non-empty line stands where a timecode line belongs (after an index line).
    void ReadUpToTimecodeLine(std::vector<std::string_view>* textLines, bool timecodePlace);
    // Whether line, the latest read, is the next timecode line, which it then keeps. Refuses a
    // line that is one with a mangled arrow, or one cut short at the end of the file.
    bool TakeTimecodeLine(std::string_view line, bool timecodePlace);
    [[noreturn]] void RefuseCutTimecodeLine(std::string_view line) const;
    void AddTextLine(std::vector<std::string_view>* textLines, std::string_view line,
                     std::int64_t lineNumber) const;

    platform::TextInputStream& stream_;
    bool anyLineRead_ = false;
    std::int64_t linesRead_ = 0;
    std::int64_t blocksBegun_ = 0;
    // The timecode line that begins the next block, when the file has one.
    bool hasTimecodeLine_ = false;
    std::string_view timecodeLine_;
    std::int64_t timecodeLineNumber_ = 0;
};

}  // namespace engine
