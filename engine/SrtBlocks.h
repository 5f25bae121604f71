#pragma once

// Cutting the lines of an SRT file into subtitle blocks.

#include <deque>
#include <string>
#include <string_view>
#include <vector>

#include "engine/SrtBlock.h"

namespace engine {

using SrtLines = std::deque<std::string_view>;

// A timecode line: one that contains "-->".
bool IsTimecodeLine(std::string_view line);

// A line that reads as a whole number, blanks around it allowed: "12", " 7 ", "007".
bool IsWholeNumber(std::string_view line);

// The subtitle blocks of lines, in file order. Empty lines are skipped. A block begins at its
// timecode line; its index line is the line right before that timecode line when it reads as
// a whole number, and the first non-empty line of the file when that is not itself a timecode
// line, whatever it reads. Every other non-empty line is a text line of the block before it.
// Raises SrtReadError when lines hold no non-empty line, or a text line comes before the
// first timecode line.
std::vector<SrtBlock> CutIntoBlocks(const SrtLines& lines);

// A piece of a line for a message: quoted, cut short when long.
std::string QuoteForMessage(std::string_view text);

}  // namespace engine
