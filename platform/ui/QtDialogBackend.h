#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include <QString>

#include "platform/data/DialogBackend.h"

class QWidget;

namespace platform::ui {

// The dialogs, message box and launcher on Qt: QFileDialog, QMessageBox and QDesktopServices.
//
// The filter "text/srt" offers SRT subtitle files (*.srt) and all files; any other filter all
// files. The save dialog proposes the name in the folder last used by either dialog (the home
// folder at first) and asks before replacing an existing file. Qt's own file dialog, rather
// than the system's, is used on the offscreen platform or when asked for, so that it can be
// driven by keystrokes; it takes the typed name as one name, quotes and all, and tells files
// apart by their names alone (reading a file to learn its type can block for good, as
// /proc/kmsg does). Every message box of the application shows its text as plain text, with
// long runs of characters (paths) broken so that the box fits the screen.
//
// While busy, the application shows the wait cursor and drops the mouse presses and keys that
// arrive: they are taken off the queue before the busy state ends.
class QtDialogBackend : public DialogBackend {
public:
    struct Options {
        bool useQtFileDialog = false;
    };

    QtDialogBackend();
    explicit QtDialogBackend(Options options);
    ~QtDialogBackend() override;
    QtDialogBackend(const QtDialogBackend&) = delete;
    QtDialogBackend& operator=(const QtDialogBackend&) = delete;

    std::optional<std::string> ChooseFileToOpen(std::string_view filter) override;
    std::optional<std::string> ChooseFileToSave(std::string_view filter,
                                                std::string_view proposedName) override;
    void ShowMessage(std::string_view text) override;
    bool OpenInDefaultApplication(const std::string& path) override;
    bool OpenUrl(std::string_view address) override;
    void Busy(bool busy) override;

    // The folder the next dialog starts in.
    const QString& LastFolder() const { return lastFolder_; }

private:
    bool UseQtFileDialog() const;
    static QWidget* DialogParent();

    struct QtParts;

    Options options_;
    QString lastFolder_;
    std::unique_ptr<QtParts> parts_;
    bool busy_ = false;
};

}  // namespace platform::ui
