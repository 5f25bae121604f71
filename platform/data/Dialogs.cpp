#include "platform/data/Dialogs.h"

#include "platform/data/DialogBackend.h"

namespace platform {

namespace {

int busyScopes = 0;

void TellBusy(bool busy) noexcept {
    if (DialogBackend* backend = InstalledDialogBackend()) {
        try {
            backend->Busy(busy);
        } catch (...) {
            // Showing the busy state is a courtesy: the work goes on without it.
        }
    }
}

// Lifts the busy state while a dialog or message box is up.
class DialogPause {
public:
    DialogPause() : paused_(busyScopes > 0) {
        if (paused_) {
            TellBusy(false);
        }
    }
    ~DialogPause() {
        if (paused_) {
            TellBusy(true);
        }
    }
    DialogPause(const DialogPause&) = delete;
    DialogPause& operator=(const DialogPause&) = delete;

private:
    bool paused_;
};

}  // namespace

BusyScope::BusyScope() {
    if (busyScopes++ == 0) {
        TellBusy(true);
    }
}

BusyScope::~BusyScope() {
    if (--busyScopes == 0) {
        TellBusy(false);
    }
}

std::optional<FolderItem> GetOpenFolderItem(std::string_view filter) {
    const DialogPause pause;
    std::optional<std::string> path = CurrentDialogBackend().ChooseFileToOpen(filter);
    if (!path) {
        return std::nullopt;
    }
    return FolderItem(std::move(*path));
}

std::optional<FolderItem> GetSaveFolderItem(std::string_view filter,
                                            std::string_view proposedName) {
    const DialogPause pause;
    std::optional<std::string> path = CurrentDialogBackend().ChooseFileToSave(filter, proposedName);
    if (!path) {
        return std::nullopt;
    }
    return FolderItem(std::move(*path));
}

void MsgBox(std::string_view text) {
    const DialogPause pause;
    CurrentDialogBackend().ShowMessage(text);
}

bool ShowURL(std::string_view address) {
    return CurrentDialogBackend().OpenUrl(address);
}

}  // namespace platform
