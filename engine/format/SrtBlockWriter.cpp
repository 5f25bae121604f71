#include "engine/format/SrtBlockWriter.h"

#include <optional>

#include "engine/format/CueTag.h"
#include "platform/core/Text.h"
#include "platform/data/EndOfLine.h"

namespace engine {

namespace {

// Appends each piece of text between the "|" characters as a line of its own.
void AppendSplitAtBars(std::string& block, std::string_view text) {
    for (;;) {
        const std::size_t bar = text.find('|');
        block.append(text.substr(0, bar)).append(platform::EndOfLine::UNIX);
        if (bar == std::string_view::npos) {
            return;
        }
        text.remove_prefix(bar + 1);
    }
}

}  // namespace

// Each block is made whole, then goes to the stream in one piece.
void WriteShiftedBlocks(EngineHost& host, platform::TextOutputStream& stream) {
    const AppProperties& app = host.App();
    const platform::Listbox& cueList = host.Listbox1();
    constexpr std::string_view eol = platform::EndOfLine::UNIX;
    const bool barsBreakLines = app.lineBreakSymbol == "|";
    std::string block;
    for (std::int64_t i = 0; i < cueList.ListCount(); ++i) {
        block.clear();
        block.append(platform::Str(i + 1)).append(eol);

        // A row read from a file carries in its tag what its cells cannot tell: the text
        // behind the end timecode and, when a text line holds "|", the lines themselves.
        const std::optional<CueTag> tag = CueTag::FromRowTag(cueList.RowTag(i));
        block.append(app.startTimeArray(i)).append(" --> ").append(app.endTimeArray(i));
        if (tag && !tag->trailingText.empty()) {
            block.append(" ").append(tag->trailingText);
        }
        block.append(eol);

        const std::string& text = app.textArray(i);
        if (tag) {
            for (const std::string& textLine : tag->lines) {
                block.append(textLine).append(eol);
            }
            if (tag->lines.empty()) {
                block.append(eol);
            }
        } else if (barsBreakLines && text.find('|') != std::string::npos) {
            AppendSplitAtBars(block, text);
        } else {
            block.append(text).append(eol);
        }
        block.append(eol);
        stream.Write(block);
    }
}

}  // namespace engine
