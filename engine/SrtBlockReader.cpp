#include "engine/SrtBlockReader.h"

#include "engine/SrtReadError.h"

namespace engine {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

}  // namespace

SrtBlockReader::SrtBlockReader(platform::TextInputStream& stream) : stream_(stream) {
    hasNext_ = ReadLine(next_);
    nextIsTimecode_ = hasNext_ && IsTimecodeLine(next_);
    Advance();
    while (hasCurrent_ && current_.empty()) {
        Advance();
    }
    if (!hasCurrent_) {
        throw SrtReadError(linesRead_, linesRead_ <= 1
                                           ? "expected a subtitle block, but the file is empty."
                                           : "expected a subtitle block, but the file holds only "
                                             "empty lines.");
    }
    if (!currentIsTimecode_) {
        Advance();  // the first block's index line
    }
}

bool SrtBlockReader::Next(SrtBlock& block) {
    // Only empty lines and index lines can stand between the end of one block's text and the
    // next timecode line; text there can only come before the first block.
    while (hasCurrent_ && !currentIsTimecode_) {
        if (!current_.empty() && !IsIndexLine()) {
            throw SrtReadError(currentNumber_,
                               "expected the first timecode line (such as 00:00:01,000 --> "
                               "00:00:04,000), found the text " +
                                   SrtReadError::Quoted(current_) + ".");
        }
        Advance();
    }
    if (!hasCurrent_) {
        return false;
    }
    block.timecodeLine = current_;
    block.timecodeLineNumber = currentNumber_;
    block.textLines.clear();
    Advance();
    while (hasCurrent_ && !currentIsTimecode_) {
        if (!current_.empty() && !IsIndexLine()) {
            block.textLines.push_back(current_);
        }
        Advance();
    }
    return true;
}

bool SrtBlockReader::IsTimecodeLine(std::string_view line) {
    return line.find("-->") != std::string_view::npos;
}

bool SrtBlockReader::IsWholeNumber(std::string_view line) {
    while (!line.empty() && IsBlank(line.front())) {
        line.remove_prefix(1);
    }
    while (!line.empty() && IsBlank(line.back())) {
        line.remove_suffix(1);
    }
    if (line.empty()) {
        return false;
    }
    for (const char c : line) {
        if (c < '0' || c > '9') {
            return false;
        }
    }
    return true;
}

// Every file has at least one line, the empty text for an empty file.
bool SrtBlockReader::ReadLine(std::string_view& line) {
    if (anyLineRead_ && stream_.EndOfFile()) {
        return false;
    }
    anyLineRead_ = true;
    line = stream_.ReadLineView();
    ++linesRead_;
    return true;
}

void SrtBlockReader::Advance() {
    hasCurrent_ = hasNext_;
    current_ = next_;
    currentNumber_ = linesRead_;
    currentIsTimecode_ = nextIsTimecode_;
    hasNext_ = hasCurrent_ && ReadLine(next_);
    nextIsTimecode_ = hasNext_ && IsTimecodeLine(next_);
}

// The current line stands right before a timecode line and reads as a whole number.
bool SrtBlockReader::IsIndexLine() const {
    return nextIsTimecode_ && IsWholeNumber(current_);
}

}  // namespace engine
