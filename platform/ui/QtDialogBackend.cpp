#include "platform/ui/QtDialogBackend.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMessageBox>
#include <QUrl>

namespace platform::ui {

namespace {

QStringList NameFilters(std::string_view filter) {
    if (filter == "text/srt") {
        return {QStringLiteral("SRT subtitle files (*.srt)"), QStringLiteral("All files (*)")};
    }
    return {QStringLiteral("All files (*)")};
}

std::string EncodedPath(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

}  // namespace

QtDialogBackend::QtDialogBackend() : QtDialogBackend(Options{}) {}

QtDialogBackend::QtDialogBackend(Options options)
    : options_(options), lastFolder_(QDir::homePath()) {}

bool QtDialogBackend::UseQtFileDialog() const {
    return options_.useQtFileDialog ||
           QGuiApplication::platformName() == QStringLiteral("offscreen");
}

QWidget* QtDialogBackend::DialogParent() {
    return QApplication::activeWindow();
}

std::optional<std::string> QtDialogBackend::ChooseFileToOpen(std::string_view filter) {
    QFileDialog dialog(DialogParent(), QStringLiteral("Open"), lastFolder_);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters(NameFilters(filter));
    dialog.setOption(QFileDialog::DontUseNativeDialog, UseQtFileDialog());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    const QString path = dialog.selectedFiles().constFirst();
    lastFolder_ = QFileInfo(path).absolutePath();
    return EncodedPath(path);
}

std::optional<std::string> QtDialogBackend::ChooseFileToSave(std::string_view filter,
                                                             std::string_view proposedName) {
    QFileDialog dialog(DialogParent(), QStringLiteral("Save"), lastFolder_);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters(NameFilters(filter));
    dialog.setOption(QFileDialog::DontUseNativeDialog, UseQtFileDialog());
    dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
    dialog.selectFile(
        QDir(lastFolder_).filePath(QString::fromStdString(std::string(proposedName))));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    const QString path = dialog.selectedFiles().constFirst();
    lastFolder_ = QFileInfo(path).absolutePath();
    return EncodedPath(path);
}

void QtDialogBackend::ShowMessage(std::string_view text) {
    QMessageBox box(DialogParent());
    box.setWindowTitle(QApplication::applicationDisplayName());
    box.setText(QString::fromStdString(std::string(text)));
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
}

bool QtDialogBackend::OpenInDefaultApplication(const std::string& path) {
    const QString file = QFile::decodeName(QByteArray::fromStdString(path));
    if (!QFileInfo::exists(file)) {
        return false;
    }
    return QDesktopServices::openUrl(QUrl::fromLocalFile(QFileInfo(file).absoluteFilePath()));
}

bool QtDialogBackend::OpenUrl(std::string_view address) {
    const QUrl url(QString::fromStdString(std::string(address)), QUrl::StrictMode);
    if (!url.isValid() || url.scheme().isEmpty()) {
        return false;
    }
    return QDesktopServices::openUrl(url);
}

}  // namespace platform::ui
