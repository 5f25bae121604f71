#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace platform {

// What the modal dialogs, the message box and the launcher do, behind one small interface:
// the application installs the Qt implementation, tests a scripted one. Paths are the file
// system's own bytes (as QFile::encodeName gives them on this platform).
class DialogBackend {
public:
    virtual ~DialogBackend() = default;

    // The modal open dialog; the chosen file's path, or nothing when the user cancels.
    // filter names the kind of file asked for ("text/srt"), or is empty for any file.
    virtual std::optional<std::string> ChooseFileToOpen(std::string_view filter) = 0;

    // The modal save dialog proposing proposedName; the chosen path, or nothing on cancel.
    // Confirming the replacement of an existing file is settled inside the dialog.
    virtual std::optional<std::string> ChooseFileToSave(std::string_view filter,
                                                        std::string_view proposedName) = 0;

    // A modal message box with text; returns when the user dismisses it.
    virtual void ShowMessage(std::string_view text) = 0;

    // Opens the file at path in its default application; false when that could not be started.
    virtual bool OpenInDefaultApplication(const std::string& path) = 0;

    // Opens address in the default web browser; false when that could not be started.
    virtual bool OpenUrl(std::string_view address) = 0;

    // Long work (reading or writing a file) begins (true) or ends (false): the user sees that
    // the application is busy, and what they click or type meanwhile is dropped rather than
    // acted on once the work is done. BusyScope calls it; never while a dialog is up.
    virtual void Busy(bool busy) = 0;
};

// Installs backend for the free functions (GetOpenFolderItem, MsgBox, ShowURL, ...); the
// caller keeps it alive while it is installed. nullptr uninstalls it.
void InstallDialogBackend(DialogBackend* backend);

// The installed backend; raises NilObjectException when none is installed.
DialogBackend& CurrentDialogBackend();

// The installed backend, or nullptr.
DialogBackend* InstalledDialogBackend();

}  // namespace platform
