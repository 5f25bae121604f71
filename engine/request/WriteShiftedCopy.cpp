#include "engine/request/WriteShiftedCopy.h"

#include <climits>
#include <optional>

#include "engine/format/SrtBlockWriter.h"
#include "platform/core/Text.h"
#include "platform/data/Dialogs.h"

namespace engine {

namespace {

constexpr std::string_view couldNotWrite = "Could not write the new SRT file.";

}  // namespace

std::string ShiftedCopyName(std::string_view srtName) {
    constexpr std::string_view suffix = "_V2.srt";
    // A longer proposal would be a name that no common file system takes, and the save dialog
    // would refuse it without a word; the stem is cut where a UTF-8 character begins.
    constexpr std::size_t longestName = NAME_MAX;
    const std::string_view stem = srtName.substr(0, srtName.find('.'));
    return std::string(platform::Utf8Prefix(stem, longestName - suffix.size())).append(suffix);
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
