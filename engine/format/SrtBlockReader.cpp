#include "engine/format/SrtBlockReader.h"

#include <optional>
#include <string>

#include "engine/format/SrtReadError.h"
#include "engine/format/SrtTimecodeLine.h"
#include "platform/core/Text.h"

namespace engine {

namespace {

constexpr std::string_view firstTimecodeLine =
    "expected the first timecode line (such as 00:00:01,000 --> 00:00:04,000)";

}  // namespace

SrtBlockReader::SrtBlockReader(platform::TextInputStream& stream) : stream_(stream) {
    std::string_view line;
    bool any = ReadLine(line);
    while (any && line.empty()) {
        any = ReadLine(line);
    }
    if (!any) {
        throw SrtReadError(linesRead_, linesRead_ <= 1
                                           ? "expected a subtitle block, but the file is empty."
                                           : "expected a subtitle block, but the file holds only "
                                             "empty lines.");
    }
    if (TakeTimecodeLine(line, false)) {
        return;
    }
    if (!IsWholeNumber(line)) {
        AddTextLine(nullptr, line, linesRead_);
    }
    ReadUpToTimecodeLine(nullptr, true);  // after the first block's index line
}

bool SrtBlockReader::Next(SrtBlock& block) {
    if (!hasTimecodeLine_) {
        return false;
    }
    block.timecodeLine = timecodeLine_;
    block.timecodeLineNumber = timecodeLineNumber_;
    block.textLines.clear();
    ++blocksBegun_;
    ReadUpToTimecodeLine(&block.textLines, false);
    return true;
}

void SrtBlockReader::ReadUpToTimecodeLine(std::vector<std::string_view>* textLines,
                                          bool timecodePlace) {
    // A whole number that may be the next block's index line: the next non-empty line tells.
    std::optional<std::string_view> maybeIndex;
    std::int64_t maybeIndexNumber = 0;
    bool afterEmptyLine = false;
    std::string_view line;
    while (ReadLine(line)) {
        if (line.empty()) {
            afterEmptyLine = true;
            continue;
        }
        if (TakeTimecodeLine(line, timecodePlace)) {
            return;
        }
        if (maybeIndex) {
            AddTextLine(textLines, *maybeIndex, maybeIndexNumber);
            maybeIndex.reset();
        }
        // An index line after an empty line puts the next non-empty line in a timecode line's
        // place.
        timecodePlace = false;
        if (IsWholeNumber(line) && (afterEmptyLine || IsNumber(line, blocksBegun_ + 1))) {
            maybeIndex = line;
            maybeIndexNumber = linesRead_;
            timecodePlace = afterEmptyLine;
        } else {
            AddTextLine(textLines, line, linesRead_);
        }
        afterEmptyLine = false;
    }
    hasTimecodeLine_ = false;
    if (textLines == nullptr) {
        throw SrtReadError(linesRead_,
                           std::string(firstTimecodeLine) + ", but the file ends without one.");
    }
    if (maybeIndex) {
        // The file's last line, after an empty line: cut off right after the index line.
        if (timecodePlace && maybeIndexNumber == linesRead_) {
            throw SrtReadError(maybeIndexNumber, "the file ends after the index line " +
                                                     SrtReadError::Quoted(*maybeIndex) +
                                                     ", where its timecode line belongs.");
        }
        textLines->push_back(*maybeIndex);
    }
}

bool SrtBlockReader::TakeTimecodeLine(std::string_view line, bool timecodePlace) {
    // The file's last line without a line end: the file may have been cut off inside it.
    const bool mayBeCut = stream_.LineEndMissing();
    if (IsTimecodeLine(line)) {
        if (mayBeCut && SrtTimecodeLine::Cut(line).EndCutShort()) {
            RefuseCutTimecodeLine(line);
        }
        hasTimecodeLine_ = true;
        timecodeLine_ = line;
        timecodeLineNumber_ = linesRead_;
        return true;
    }
    if (mayBeCut && timecodePlace && SrtTimecodeLine::IsTimecodeFragment(line)) {
        RefuseCutTimecodeLine(line);
    }
    if (const std::optional<std::string_view> arrow =
            SrtTimecodeLine::BrokenArrow(line, timecodePlace)) {
        const std::string what = arrow->empty()
                                     ? std::string("no \"-->\" between its times")
                                     : SrtReadError::Quoted(*arrow) + " where \"-->\" belongs";
        throw SrtReadError(linesRead_, "this timecode line has " + what + ": " +
                                           SrtReadError::Quoted(platform::TrimBlanks(line)) + ".");
    }
    return false;
}

void SrtBlockReader::RefuseCutTimecodeLine(std::string_view line) const {
    throw SrtReadError(linesRead_, "the file ends inside this timecode line, which is cut short: " +
                                       SrtReadError::Quoted(platform::TrimBlanks(line)) + ".");
}

void SrtBlockReader::AddTextLine(std::vector<std::string_view>* textLines, std::string_view line,
                                 std::int64_t lineNumber) const {
    if (textLines == nullptr) {
        throw SrtReadError(lineNumber, std::string(firstTimecodeLine) + ", found the text " +
                                           SrtReadError::Quoted(line) + ".");
    }
    textLines->push_back(line);
}

bool SrtBlockReader::IsTimecodeLine(std::string_view line) {
    return line.find("-->") != std::string_view::npos;
}

bool SrtBlockReader::IsWholeNumber(std::string_view line) {
    line = platform::TrimBlanks(line);
    return !line.empty() && platform::SkipDigits(line) == line.size();
}

bool SrtBlockReader::IsNumber(std::string_view line, std::int64_t number) {
    line = platform::TrimBlanks(line);
    const std::size_t significant = line.find_first_not_of('0');
    line.remove_prefix(significant == std::string_view::npos ? line.size() : significant);
    return line == (number == 0 ? std::string() : std::to_string(number));
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

}  // namespace engine
