#include "platform/data/Dialogs.h"

#include "platform/data/DialogBackend.h"

namespace platform {

std::optional<FolderItem> GetOpenFolderItem(std::string_view filter) {
    std::optional<std::string> path = CurrentDialogBackend().ChooseFileToOpen(filter);
    if (!path) {
        return std::nullopt;
    }
    return FolderItem(std::move(*path));
}

std::optional<FolderItem> GetSaveFolderItem(std::string_view filter,
                                            std::string_view proposedName) {
    std::optional<std::string> path = CurrentDialogBackend().ChooseFileToSave(filter, proposedName);
    if (!path) {
        return std::nullopt;
    }
    return FolderItem(std::move(*path));
}

void MsgBox(std::string_view text) {
    CurrentDialogBackend().ShowMessage(text);
}

bool ShowURL(std::string_view address) {
    return CurrentDialogBackend().OpenUrl(address);
}

}  // namespace platform
