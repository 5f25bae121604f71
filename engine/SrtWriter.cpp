#include "engine/SrtWriter.h"

#include <optional>

#include "engine/CueTag.h"
#include "platform/core/Text.h"
#include "platform/data/Dialogs.h"
#include "platform/data/EndOfLine.h"

namespace engine {

namespace {

constexpr std::string_view couldNotWrite = "Could not write the new SRT file.";

// Writes each piece of text between the "|" characters as a line of its own.
void WriteSplitAtBars(platform::TextOutputStream& stream, std::string_view text,
                      std::string& line) {
    for (;;) {
        const std::size_t bar = text.find('|');
        line.assign(text.substr(0, bar)).append(platform::EndOfLine::UNIX);
        stream.Write(line);
        if (bar == std::string_view::npos) {
            return;
        }
        text.remove_prefix(bar + 1);
    }
}

}  // namespace

std::string ShiftedCopyName(std::string_view srtName) {
    return std::string(srtName.substr(0, srtName.find('.'))) + "_V2.srt";
}

void WriteShiftedBlocks(EngineHost& host, platform::TextOutputStream& stream) {
    const AppProperties& app = host.App();
    const platform::Listbox& cueList = host.Listbox1();
    constexpr std::string_view eol = platform::EndOfLine::UNIX;
    std::string line;
    for (std::int64_t i = 0; i < cueList.ListCount(); ++i) {
        line.assign(platform::Str(i + 1)).append(eol);
        stream.Write(line);

        // A row read from a file carries in its tag what its cells cannot tell: the text
        // behind the end timecode and, when a text line holds "|", the lines themselves.
        const std::optional<CueTag> tag = CueTag::FromRowTag(cueList.RowTag(i));
        line.assign(app.startTimeArray(i)).append(" --> ").append(app.endTimeArray(i));
        if (tag && !tag->trailingText.empty()) {
            line.append(" ").append(tag->trailingText);
        }
        stream.Write(line.append(eol));

        const std::string& text = app.textArray(i);
        if (tag) {
            for (const std::string& textLine : tag->lines) {
                stream.Write(line.assign(textLine).append(eol));
            }
            if (tag->lines.empty()) {
                stream.Write(eol);
            }
        } else if (app.lineBreakSymbol == "|" && text.find('|') != std::string::npos) {
            WriteSplitAtBars(stream, text, line);
        } else {
            stream.Write(line.assign(text).append(eol));
        }
        stream.Write(eol);
    }
}

void WriteShiftedCopy(EngineHost& host) {
    std::optional<platform::FolderItem> file =
        platform::GetSaveFolderItem("", ShiftedCopyName(host.App().srtName));
    if (!file) {
        platform::MsgBox(couldNotWrite);
        return;
    }
    std::unique_ptr<platform::TextOutputStream> stream = file->CreateTextFile();
    if (!stream) {
        platform::MsgBox(std::string(couldNotWrite) + "\n" + file->LastError());
        return;
    }
    WriteShiftedBlocks(host, *stream);
    if (!stream->Close()) {
        platform::MsgBox(std::string(couldNotWrite) + "\n" + stream->ErrorMessage());
        return;
    }
    file->Launch(true);
}

}  // namespace engine
