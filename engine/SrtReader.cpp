#include "engine/SrtReader.h"

#include "engine/CueTag.h"
#include "engine/SrtBlockReader.h"
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
                            std::int64_t lineNumber, std::string_view which) {
    try {
        return TimecodeSRTImport(host, half);
    } catch (const platform::OutOfBoundsException&) {
        std::string_view shown = rawHalf;
        while (!shown.empty() && (shown.front() == ' ' || shown.front() == '\t')) {
            shown.remove_prefix(1);
        }
        while (!shown.empty() && (shown.back() == ' ' || shown.back() == '\t')) {
            shown.remove_suffix(1);
        }
        throw SrtReadError(
            lineNumber, "expected the " + std::string(which) +
                            " time as HH:MM:SS,mmm (such as 00:00:01,000), found " +
                            (shown.empty() ? std::string("nothing") : SrtReadError::Quoted(shown)) +
                            ".");
    }
}

// Adds the cue-list row of one block: its shifted start and end, its text lines joined by
// "|", and, when the cells cannot tell them, the lines and the text after the end timecode
// in the row's tag.
void AddCueRow(EngineHost& host, const SrtBlock& block) {
    platform::Listbox& cueList = host.Listbox1();
    const std::int64_t row = cueList.ListCount();
    cueList.AddRow("");
    const SrtTimecodeLine timecodes = SrtTimecodeLine::Cut(block.timecodeLine);
    cueList.Cell(row, 0,
                 ShiftedTimecode(host, timecodes.start, timecodes.rawStart,
                                 block.timecodeLineNumber, "start"));
    cueList.Cell(
        row, 1,
        ShiftedTimecode(host, timecodes.end, timecodes.rawEnd, block.timecodeLineNumber, "end"));

    std::size_t textSize = 0;
    for (const std::string_view line : block.textLines) {
        textSize += line.size() + 1;
    }
    std::string text;
    text.reserve(textSize);
    for (const std::string_view line : block.textLines) {
        if (!text.empty()) {
            text += '|';
        }
        text += line;
    }
    cueList.Cell(row, 2, text);

    if (CueTag::Needed(timecodes.trailingText, block.textLines)) {
        CueTag tag;
        tag.trailingText = timecodes.trailingText;
        tag.lines.assign(block.textLines.begin(), block.textLines.end());
        cueList.RowTag(row, tag.ToRowTag());
    }
    cueList.Selected(row, true);
}

// Every backtick of the text column becomes an apostrophe, in the lines a tag carries too.
void ReplaceBackticks(platform::Listbox& cueList) {
    for (std::int64_t row = 0; row < cueList.ListCount(); ++row) {
        if (cueList.CellView(row, 2).find('`') != std::string_view::npos) {
            cueList.Cell(row, 2, platform::ReplaceAll(cueList.CellView(row, 2), "`", "'"));
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

// Reads the stream's subtitle blocks into the cue list. The whole file is cut into blocks
// and checked before the first row is added, so a file the reader refuses leaves the list
// empty; the rows are then made in a second reading, which keeps no more of the file in
// memory than one block at a time beside the stream's own text.
void ReadCues(EngineHost& host, platform::TextInputStream& stream) {
    SrtBlock block;
    bool aBlockHasSeveralLines = false;
    for (SrtBlockReader check(stream); check.Next(block);) {
        aBlockHasSeveralLines = aBlockHasSeveralLines || block.textLines.size() >= 2;
    }
    if (aBlockHasSeveralLines) {
        host.App().lineBreakSymbol = std::string(1, '|');
    }

    stream.Rewind();
    for (SrtBlockReader reader(stream); reader.Next(block);) {
        AddCueRow(host, block);
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
