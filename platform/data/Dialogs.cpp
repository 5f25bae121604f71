#include "platform/data/Dialogs.h"

#include <new>
#include <utility>

#include "platform/core/AddressSpaceReserve.h"
#include "platform/core/Memory.h"
#include "platform/data/DialogBackend.h"

namespace platform {

namespace {

int busyScopes = 0;

// Long work may hold so much that a dialog could not come up: where the address space is
// limited, Qt's file dialog starts threads (to read the folder, to paint) and, finding no room
// for their stacks or its own data, ends or hangs the program beyond anyone's reach. So while the
// work lasts, room is kept back for the dialogs and handed to each one while it is up. Coming up
// first, with the threads sharing the one heap (ShareOneHeapAmongThreads), Qt's file dialog was
// seen to take 28 MiB: the stacks of the three threads it started and 4 MiB; a save dialog after
// it 11 MiB, a message box under 1 MiB. The room holds six stacks and 16 MiB (64 MiB with the
// usual 8 MiB stacks), for more processors and larger dialogs.
std::size_t DialogRoomSize() {
    return 6 * DefaultThreadStackSize() + (std::size_t{16} << 20);
}

AddressSpaceReserve& DialogRoom() {
    static AddressSpaceReserve room(DialogRoomSize());
    return room;
}

void TellBusy(bool busy) noexcept {
    if (DialogBackend* backend = InstalledDialogBackend()) {
        try {
            backend->Busy(busy);
        } catch (...) {
            // Showing the busy state is a courtesy: the work goes on without it.
        }
    }
}

// Lifts the busy state while a dialog or message box is up, and hands it the room kept back for
// it. Without that room the dialog does not come up: std::bad_alloc ends the work instead, as
// running out of memory anywhere else in it does.
class DialogPause {
public:
    DialogPause() : paused_(busyScopes > 0) {
        if (paused_) {
            if (!DialogRoom().Take()) {
                throw std::bad_alloc();
            }
            TellBusy(false);  // the views catch up with the work's data while the room is kept
            DialogRoom().Release();
        }
    }
    // Takes the room back once the dialog is done; when the dialog kept some of it, the work
    // cannot go on safely and ends with std::bad_alloc.
    void Resume() {
        if (std::exchange(paused_, false)) {
            const bool room = DialogRoom().Take();
            TellBusy(true);
            if (!room) {
                throw std::bad_alloc();
            }
        }
    }
    ~DialogPause() {
        if (paused_) {  // the dialog threw: the work ends, with what room there is
            DialogRoom().Take();
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
        DialogRoom().Take();  // when it cannot be had now, the first dialog tries again
        TellBusy(true);
    }
}

BusyScope::~BusyScope() {
    if (--busyScopes == 0) {
        DialogRoom().Release();
        TellBusy(false);
    }
}

std::optional<FolderItem> GetOpenFolderItem(std::string_view filter) {
    DialogPause pause;
    std::optional<std::string> path = CurrentDialogBackend().ChooseFileToOpen(filter);
    pause.Resume();
    if (!path) {
        return std::nullopt;
    }
    return FolderItem(std::move(*path));
}

std::optional<FolderItem> GetSaveFolderItem(std::string_view filter,
                                            std::string_view proposedName) {
    DialogPause pause;
    std::optional<std::string> path = CurrentDialogBackend().ChooseFileToSave(filter, proposedName);
    pause.Resume();
    if (!path) {
        return std::nullopt;
    }
    return FolderItem(std::move(*path));
}

void MsgBox(std::string_view text) {
    DialogPause pause;
    CurrentDialogBackend().ShowMessage(text);
    pause.Resume();
}

bool ShowURL(std::string_view address) {
    return CurrentDialogBackend().OpenUrl(address);
}

}  // namespace platform
