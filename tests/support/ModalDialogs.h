#pragma once

// Answering modal dialogs as a user would: a modal dialog runs its own event loop, so the
// answer is scheduled before the dialog comes up and acts on it from inside that loop.

#include <gtest/gtest.h>

#include <functional>

#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace testing_support {

// Runs act on the first modal widget of class T that comes up and that wanted accepts
// (polling from the event loop that the modal dialog runs). A dialog just answered may still be
// the active one for a moment: wanted tells it from the one awaited.
template <typename T>
void WhenModal(std::function<void(T*)> act, std::function<bool(T*)> wanted = {},
               int triesLeft = 1500) {
    QTimer::singleShot(20, qApp, [act = std::move(act), wanted = std::move(wanted), triesLeft] {
        auto* widget = qobject_cast<T*>(QApplication::activeModalWidget());
        if (widget != nullptr && widget->isVisible() && (!wanted || wanted(widget))) {
            act(widget);
        } else if (triesLeft > 0) {
            WhenModal<T>(act, wanted, triesLeft - 1);
        } else {
            ADD_FAILURE() << "no modal " << T::staticMetaObject.className() << " came up";
            if (QWidget* other = QApplication::activeModalWidget()) {
                other->close();
            }
        }
    });
}

// Tells the save dialog from an open dialog.
inline bool IsSaveDialog(QFileDialog* dialog) {
    return dialog->acceptMode() == QFileDialog::AcceptSave;
}

// Presses the file dialog's accepting button (Open or Save) as soon as the dialog enables it:
// a save dialog keeps it disabled until it has looked at the folder, which takes a moment on a
// busy machine.
inline void Accept(QFileDialog* dialog, int triesLeft = 1500) {
    auto* buttons = dialog->findChild<QDialogButtonBox*>("buttonBox");
    ASSERT_NE(buttons, nullptr);
    QPushButton* accept =
        buttons->button(dialog->acceptMode() == QFileDialog::AcceptOpen ? QDialogButtonBox::Open
                                                                        : QDialogButtonBox::Save);
    ASSERT_NE(accept, nullptr);
    if (accept->isEnabled()) {
        accept->click();
    } else if (triesLeft > 0) {
        QTimer::singleShot(20, dialog, [dialog, triesLeft] { Accept(dialog, triesLeft - 1); });
    } else {
        ADD_FAILURE() << "the file dialog never enabled its accepting button";
        dialog->reject();
    }
}

// Goes to the file's folder, waits until the dialog has listed it (it lists folders in the
// background, and what it finds there may change the name field), types the file's name and
// presses the accepting button (not Return, which a completion popup may take).
inline void TypeFileName(QFileDialog* dialog, const QString& path, int triesLeft = 1500) {
    auto* name = dialog->findChild<QLineEdit*>("fileNameEdit");
    auto* model = dialog->findChild<QFileSystemModel*>();
    ASSERT_NE(name, nullptr);
    ASSERT_NE(model, nullptr);
    const QString folder = QFileInfo(path).absolutePath();
    if (dialog->directory().absolutePath() != folder) {
        dialog->setDirectory(folder);
    }
    const QModelIndex listed = model->index(folder);
    if ((model->canFetchMore(listed) || model->rowCount(listed) == 0) && triesLeft > 0) {
        QTimer::singleShot(
            20, dialog, [dialog, path, triesLeft] { TypeFileName(dialog, path, triesLeft - 1); });
        return;
    }
    name->selectAll();
    QTest::keyClicks(name, QFileInfo(path).fileName());
    Accept(dialog);
}

}  // namespace testing_support
