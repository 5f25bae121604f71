#pragma once

// The modal dialogs, the message box and the web browser, through the installed DialogBackend.

#include <optional>
#include <string_view>

#include "platform/data/FolderItem.h"

namespace platform {

// The modal open dialog for files of the kind filter names ("text/srt"); the chosen file, or
// nothing when the user cancels.
std::optional<FolderItem> GetOpenFolderItem(std::string_view filter);

// The modal save dialog proposing proposedName; the chosen file, or nothing on cancel.
std::optional<FolderItem> GetSaveFolderItem(std::string_view filter, std::string_view proposedName);

// A modal message box showing text; returns when the user has dismissed it.
void MsgBox(std::string_view text);

// Opens address in the default web browser; false when that could not be started.
bool ShowURL(std::string_view address);

// Marks long work for the user while it lives (DialogBackend::Busy). Scopes nest; the dialogs
// and the message box above pause it while they are up, so that the user can answer them.
// While it lives, room in the address space is kept back for those dialogs, so that they come
// up however much the work holds; a dialog that cannot have that room raises std::bad_alloc
// instead of coming up, and so does one that keeps some of it when it is done.
class BusyScope {
public:
    BusyScope();
    ~BusyScope();
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;
};

}  // namespace platform
