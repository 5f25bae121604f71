#include "engine/format/SrtCueReader.h"

#include <algorithm>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "engine/format/CueTag.h"
#include "engine/format/SrtBlockReader.h"
#include "engine/format/SrtReadError.h"
#include "engine/format/SrtTimecodeLine.h"
#include "engine/format/Timecode.h"
#include "platform/core/Text.h"

namespace engine {

namespace {

// The text lines of a block joined by "|", into text.
template <typename Lines>
void JoinLines(const Lines& lines, std::string& text) {
    text.clear();
    bool first = true;
    for (const auto& line : lines) {
        text.append(first ? "" : "|").append(line);
        first = false;
    }
}

// The shifted timecode of one half of a timecode line; a half that lacks a field the
// conversion needs, or stands for a time too large to compute, is reported with its line.
std::string ShiftedTimecode(EngineHost& host, const std::string& half, std::string_view rawHalf,
                            std::int64_t lineNumber, std::string_view which) {
    const std::string_view shown = platform::TrimBlanks(rawHalf);
    try {
        return TimecodeSRTImport(host, half);
    } catch (const platform::OutOfBoundsException&) {
        throw SrtReadError(
            lineNumber, "expected the " + std::string(which) +
                            " time as HH:MM:SS,mmm (such as 00:00:01,000), found " +
                            (shown.empty() ? std::string("nothing") : SrtReadError::Quoted(shown)) +
                            ".");
    } catch (const TimecodeTooLargeException&) {
        throw SrtReadError(lineNumber,
                           "the " + std::string(which) + " time " + SrtReadError::Quoted(shown) +
                               " with the offset added is too large: times must "
                               "stay below " +
                               platform::Str(largestTimecodeSeconds / 3600.0) + " hours.");
    }
}

// Adds the cue-list row of one block: its shifted start and end, its text lines joined by
// "|", and, when the cells cannot tell them, the lines and the text after the end timecode
// in the row's tag. The joined lines are left in text, whose room serves every row.
void AddCueRow(EngineHost& host, platform::Listbox& cueList, const SrtBlock& block,
               std::string& text) {
    const std::int64_t row = cueList.ListCount();
    cueList.AddRow("");
    const SrtTimecodeLine timecodes = SrtTimecodeLine::Cut(block.timecodeLine);
    cueList.Cell(row, 0,
                 ShiftedTimecode(host, timecodes.start, timecodes.rawStart,
                                 block.timecodeLineNumber, "start"));
    cueList.Cell(
        row, 1,
        ShiftedTimecode(host, timecodes.end, timecodes.rawEnd, block.timecodeLineNumber, "end"));

    JoinLines(block.textLines, text);
    cueList.Cell(row, 2, text);

    if (CueTag::Needed(timecodes.trailingText, block.textLines)) {
        CueTag tag;
        tag.trailingText = timecodes.trailingText;
        tag.lines.assign(block.textLines.begin(), block.textLines.end());
        cueList.RowTag(row, tag.ToRowTag());
    }
    cueList.Selected(row, true);
}

// Whether line holds an ISO-2022 escape (ESC then "$" or "("), as ISO-2022-JP text does: its
// two-byte characters are 7-bit, and 0x60 is a byte of many of them (ム is 25 60).
bool HoldsIso2022Escape(std::string_view line) {
    for (std::size_t at = line.find('\x1B'); at != std::string_view::npos && at + 1 < line.size();
         at = line.find('\x1B', at + 1)) {
        if (line[at + 1] == '$' || line[at + 1] == '(') {
            return true;
        }
    }
    return false;
}

// Every backtick of a text line becomes an apostrophe, save where it may be a byte of a
// character. A line with an ISO-2022 escape keeps all its backticks. A line that is not UTF-8
// may be in a two-byte encoding (Big5, GBK, Shift-JIS) where a byte from 0x81 up begins a
// character whose second byte may be 0x60 (〜 is 81 60 in Shift-JIS); but a byte from 0x81 up
// may as well be a character of its own (a half-width katakana, a Latin-1 letter), so where
// the characters start cannot be told: a backtick right after a byte from 0x81 up is kept.
// Leaving a backtick alone is always safe; changing a byte inside a character never is.
void ApostrophesForBackticks(std::span<char> line) {
    const std::string_view bytes(line.data(), line.size());
    if (HoldsIso2022Escape(bytes)) {
        return;
    }
    const bool utf8 = platform::IsValidUtf8(bytes);
    for (std::size_t at = 0; at < line.size(); ++at) {
        if (line[at] == '`' &&
            (utf8 || at == 0 || static_cast<unsigned char>(line[at - 1]) < 0x81)) {
            line[at] = '\'';
        }
    }
}

// The backtick pass over the text column, and over the lines a tag carries. Only the rows
// whose text holds a backtick need a look; rowsWithBackticks names them. Cell 2 joins the lines
// with "|": a row whose line holds a "|" of its own has its lines in its tag.
void ReplaceBackticks(platform::Listbox& cueList,
                      const std::vector<std::int64_t>& rowsWithBackticks) {
    std::string text;
    for (const std::int64_t row : rowsWithBackticks) {
        if (std::optional<CueTag> tag = CueTag::FromRowTag(cueList.RowTag(row))) {
            for (std::string& line : tag->lines) {
                ApostrophesForBackticks(line);
            }
            JoinLines(tag->lines, text);
            cueList.RowTag(row, tag->ToRowTag());
        } else {
            text.assign(cueList.CellView(row, 2));
            const std::span<char> all(text);
            for (std::size_t begin = 0; begin <= text.size();) {
                const std::size_t bar = std::min(text.find('|', begin), text.size());
                ApostrophesForBackticks(all.subspan(begin, bar - begin));
                begin = bar + 1;
            }
        }
        cueList.Cell(row, 2, text);
    }
}

// Once a block of two or more text lines has been read, "|" stands for a line break.
void NoteLineBreaks(EngineHost& host, bool aBlockHasSeveralLines) {
    if (aBlockHasSeveralLines) {
        host.App().lineBreakSymbol = std::string(1, '|');
    }
}

}  // namespace

// Reads the stream's subtitle blocks into the cue list, one block at a time, so that no more
// of the file than one block is held beside the stream's own text. The line-break symbol
// goes by the whole file: when a timecode is refused, the blocks behind it still count.
void ReadCues(EngineHost& host, platform::TextInputStream& stream) {
    platform::Listbox& cueList = host.Listbox1();
    SrtBlock block;
    std::string text;
    bool aBlockHasSeveralLines = false;
    std::vector<std::int64_t> rowsWithBackticks;
    for (SrtBlockReader reader(stream); reader.Next(block);) {
        aBlockHasSeveralLines = aBlockHasSeveralLines || block.textLines.size() >= 2;
        try {
            AddCueRow(host, cueList, block, text);
            if (text.find('`') != std::string::npos) {
                rowsWithBackticks.push_back(cueList.ListCount() - 1);
            }
        } catch (const SrtReadError&) {
            while (!aBlockHasSeveralLines && reader.Next(block)) {
                aBlockHasSeveralLines = block.textLines.size() >= 2;
            }
            NoteLineBreaks(host, aBlockHasSeveralLines);
            throw;
        }
    }
    NoteLineBreaks(host, aBlockHasSeveralLines);
    ReplaceBackticks(cueList, rowsWithBackticks);
}

}  // namespace engine
