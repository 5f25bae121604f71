#include "engine/SrtReader.h"

#include "engine/CueTag.h"
#include "engine/SrtBlocks.h"
#include "engine/SrtExport.h"
#include "engine/SrtReadError.h"
#include "engine/SrtTimecodeLine.h"
#include "engine/Timecode.h"
#include "platform/core/Text.h"
#include "platform/data/Dialogs.h"
#include "platform/data/Encodings.h"

namespace engine {

namespace {

// The shifted timecode of one half of a timecode line; a half that lacks a field the
// conversion needs is reported with the line it stands on.
std::string ShiftedTimecode(EngineHost& host, const std::string& half, std::string_view rawHalf,
                            std::size_t lineIndex, std::string_view which) {
    try {
        return TimecodeSRTImport(host, half);
    } catch (const platform::OutOfBoundsException&) {
        throw SrtReadError(static_cast<std::int64_t>(lineIndex + 1),
                           "expected the " + std::string(which) +
                               " time as HH:MM:SS,mmm (such as 00:00:01,000), found " +
                               QuoteForMessage(rawHalf) + ".");
    }
}

// Adds the cue-list row of one block: its shifted start and end, its text lines joined by
// "|", and, when the cells cannot tell them, the lines and the text after the end timecode
// in the row's tag.
void AddCueRow(EngineHost& host, const SrtLines& lines, const SrtBlock& block,
               std::vector<std::string_view>& textLines) {
    platform::Listbox& cueList = host.Listbox1();
    const std::int64_t row = cueList.ListCount();
    cueList.AddRow("");
    const SrtTimecodeLine timecodes = SrtTimecodeLine::Cut(lines[block.timecodeLine]);
    cueList.Cell(
        row, 0,
        ShiftedTimecode(host, timecodes.start, timecodes.rawStart, block.timecodeLine, "start"));
    cueList.Cell(row, 1,
                 ShiftedTimecode(host, timecodes.end, timecodes.rawEnd, block.timecodeLine, "end"));

    textLines.clear();
    std::size_t textSize = 0;
    for (std::size_t at = block.bodyBegin; at < block.bodyEnd; ++at) {
        if (!lines[at].empty()) {
            textLines.push_back(lines[at]);
            textSize += lines[at].size() + 1;
        }
    }
    std::string text;
    text.reserve(textSize);
    for (const std::string_view line : textLines) {
        if (!text.empty()) {
            text += '|';
        }
        text += line;
    }
    cueList.Cell(row, 2, std::move(text));

    if (CueTag::Needed(timecodes.trailingText, textLines)) {
        CueTag tag;
        tag.trailingText = timecodes.trailingText;
        tag.lines.assign(textLines.begin(), textLines.end());
        cueList.RowTag(row, tag.ToRowTag());
    }
    cueList.Selected(row, true);
}

// Every backtick of the text column becomes an apostrophe, in the lines a tag carries too.
void ReplaceBackticks(platform::Listbox& cueList) {
    for (std::int64_t row = 0; row < cueList.ListCount(); ++row) {
        if (cueList.Cell(row, 2).find('`') != std::string::npos) {
            cueList.Cell(row, 2, platform::ReplaceAll(cueList.Cell(row, 2), "`", "'"));
        }
        if (cueList.RowTag(row).find('`') != std::string::npos) {
            if (std::optional<CueTag> tag = CueTag::FromRowTag(cueList.RowTag(row))) {
                for (std::string& line : tag->lines) {
                    line = platform::ReplaceAll(line, "`", "'");
                }
                cueList.RowTag(row, tag->ToRowTag());
            }
        }
    }
}

// Reads the stream's lines, cuts them into blocks and fills the cue list.
void ReadCues(EngineHost& host, platform::TextInputStream& stream) {
    // The whole file is read before any of it is cut; the lines are views into the stream's
    // text and live no longer than this call.
    SrtLines lines;
    do {
        lines.push_back(stream.ReadLineView());
    } while (!stream.EndOfFile());

    const std::vector<SrtBlock> blocks = CutIntoBlocks(lines);
    for (const SrtBlock& block : blocks) {
        if (block.textLineCount >= 2) {
            host.App().lineBreakSymbol = "|";
            break;
        }
    }

    std::vector<std::string_view> textLines;
    for (const SrtBlock& block : blocks) {
        AddCueRow(host, lines, block, textLines);
    }
    ReplaceBackticks(host.Listbox1());
}

}  // namespace

void ImportSRT(EngineHost& host) {
    host.Listbox1().DeleteAllRows();

    std::optional<platform::FolderItem> file = platform::GetOpenFolderItem("text/srt");
    if (!file) {
        platform::MsgBox("Could not load file.");
        return;
    }
    std::unique_ptr<platform::TextInputStream> stream = file->OpenAsTextFile();
    host.App().srtName = file->Name();
    if (!stream) {
        platform::MsgBox("Could not load file.\n" + file->LastError());
        return;
    }
    stream->Encoding(platform::Encodings::UTF8);

    try {
        ReadCues(host, *stream);
    } catch (const SrtReadError& error) {
        stream->Close();
        platform::MsgBox("Could not read the SRT file \"" + file->Name() + "\".\n" + error.what());
        return;
    }
    stream->Close();
    DoSRT(host);
}

}  // namespace engine
