#include "platform/ui/QtDialogBackend.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileIconProvider>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QMimeDatabase>
#include <QRegularExpression>
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

// Icons and type names from a file's name alone: Qt's own provider reads a file whose name
// says too little, and a read from some files (/proc/kmsg) never returns.
class NameOnlyIconProvider : public QFileIconProvider {
public:
    QIcon icon(const QFileInfo& info) const override {
        if (!info.isFile()) {
            return QFileIconProvider::icon(info.isDir() ? Folder : File);
        }
        const QIcon themed = QIcon::fromTheme(TypeByName(info).iconName());
        return themed.isNull() ? QFileIconProvider::icon(File) : themed;
    }

    QString type(const QFileInfo& info) const override {
        if (!info.isFile()) {
            return QFileIconProvider::type(info);  // folders and links: told by their kind
        }
        const QMimeType mimeType = TypeByName(info);
        return mimeType.comment().isEmpty() ? mimeType.name() : mimeType.comment();
    }

private:
    QMimeType TypeByName(const QFileInfo& info) const {
        return mimeTypes_.mimeTypeForFile(info.fileName(), QMimeDatabase::MatchExtension);
    }

    QMimeDatabase mimeTypes_;
};

// Qt's file dialog reads quotes in the typed name as a list of names ("a" "b"), so that a
// name holding one would choose another file than the one shown. These dialogs choose one
// file: a typed name with a quote in it is taken as it stands.
class OneFileDialog : public QFileDialog {
public:
    using QFileDialog::QFileDialog;

    QString ChosenFile() const {
        if (!typedPath_.isEmpty()) {
            return typedPath_;
        }
        const QStringList files = selectedFiles();
        return files.isEmpty() ? QString() : files.constFirst();
    }

    void accept() override {
        auto* nameField = findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        const QString typed = nameField != nullptr ? nameField->text() : QString();
        if (!typed.contains(u'"')) {
            QFileDialog::accept();
            return;
        }
        const QString path = directory().absoluteFilePath(typed);
        const QFileInfo info(path);
        if (info.isDir()) {
            setDirectory(path);
            nameField->clear();
            return;
        }
        if (acceptMode() == AcceptOpen && !info.exists()) {
            QMessageBox::warning(this, windowTitle(),
                                 tr("%1\nFile not found.\nPlease verify the correct file name "
                                    "was given.")
                                     .arg(typed));
            return;
        }
        if (acceptMode() == AcceptSave && info.exists() &&
            QMessageBox::warning(
                this, windowTitle(),
                tr("%1 already exists.\nDo you want to replace it?").arg(info.fileName()),
                QMessageBox::Yes | QMessageBox::No, QMessageBox::No) != QMessageBox::Yes) {
            return;
        }
        typedPath_ = path;
        QDialog::accept();
    }

private:
    QString typedPath_;
};

// A run of characters without a space (a path, a long name) breaks in a message box only at
// the break opportunities (zero-width spaces) put into it; one too long for a screen keeps its
// two ends, and the box offers the whole text in its details.
constexpr qsizetype kBreakEvery = 40;
constexpr qsizetype kLongestRun = 240;

QString BreakableRun(QString run, bool& shortened) {
    if (run.size() > kLongestRun) {
        qsizetype headEnd = kLongestRun / 2;
        qsizetype tailStart = run.size() - kLongestRun / 2;
        headEnd += run[headEnd].isLowSurrogate() ? 1 : 0;
        tailStart += run[tailStart].isLowSurrogate() ? 1 : 0;
        run = run.left(headEnd) + QChar(0x2026) + run.mid(tailStart);
        shortened = true;
    }
    QString broken;
    qsizetype sinceBreak = 0;
    for (const QChar c : run) {
        if (sinceBreak >= kBreakEvery && !c.isLowSurrogate()) {
            broken += QChar(0x200B);
            sinceBreak = 0;
        }
        broken += c;
        ++sinceBreak;
    }
    return broken;
}

QString BreakableText(const QString& text, bool& shortened) {
    static const QRegularExpression longRun(QStringLiteral("\\S{%1,}").arg(kBreakEvery + 1));
    QString shown;
    qsizetype done = 0;
    for (QRegularExpressionMatchIterator runs = longRun.globalMatch(text); runs.hasNext();) {
        const QRegularExpressionMatch run = runs.next();
        shown += text.mid(done, run.capturedStart() - done);
        shown += BreakableRun(run.captured(), shortened);
        done = run.capturedEnd();
    }
    return shown + text.mid(done);
}

// Makes every message box plain text as it comes up: those of Qt's file dialog too, which
// would take a file name such as "<b>x.srt" for markup.
class PlainMessages : public QObject {
protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show) {
            if (auto* box = qobject_cast<QMessageBox*>(watched)) {
                MakePlain(*box);
            }
        }
        return false;
    }

private:
    static void MakePlain(QMessageBox& box) {
        const char* const done = "tavrelPlainText";
        if (box.property(done).toBool()) {
            return;
        }
        box.setProperty(done, true);
        const QString text = box.text();
        bool shortened = false;
        box.setTextFormat(Qt::PlainText);
        box.setText(BreakableText(text, shortened));
        if (shortened && box.detailedText().isEmpty()) {
            box.setDetailedText(text);
        }
    }
};

// Swallows the user's input while installed on the application.
class InputDropper : public QObject {
protected:
    bool eventFilter(QObject*, QEvent* event) override {
        switch (event->type()) {
            case QEvent::ShortcutOverride:
                event->accept();  // an accepted override keeps the shortcut from firing
                return true;
            case QEvent::MouseButtonPress:
            case QEvent::MouseButtonRelease:
            case QEvent::MouseButtonDblClick:
            case QEvent::KeyPress:
            case QEvent::KeyRelease:
            case QEvent::Shortcut:
            case QEvent::Wheel:
            case QEvent::TouchBegin:
            case QEvent::TouchUpdate:
            case QEvent::TouchEnd:
            case QEvent::ContextMenu:
                return true;
            default:
                return false;
        }
    }
};

}  // namespace

struct QtDialogBackend::QtParts {
    NameOnlyIconProvider icons;
    PlainMessages plainMessages;
    InputDropper inputDropper;
};

QtDialogBackend::QtDialogBackend() : QtDialogBackend(Options{}) {}

QtDialogBackend::QtDialogBackend(Options options)
    : options_(options), lastFolder_(QDir::homePath()), parts_(std::make_unique<QtParts>()) {
    if (QCoreApplication* application = QCoreApplication::instance()) {
        application->installEventFilter(&parts_->plainMessages);
    }
}

QtDialogBackend::~QtDialogBackend() {
    if (busy_) {
        QGuiApplication::restoreOverrideCursor();
    }
}

bool QtDialogBackend::UseQtFileDialog() const {
    return options_.useQtFileDialog ||
           QGuiApplication::platformName() == QStringLiteral("offscreen");
}

QWidget* QtDialogBackend::DialogParent() {
    return QApplication::activeWindow();
}

std::optional<std::string> QtDialogBackend::ChooseFileToOpen(std::string_view filter) {
    OneFileDialog dialog(DialogParent(), QStringLiteral("Open"), lastFolder_);
    dialog.setIconProvider(&parts_->icons);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters(NameFilters(filter));
    dialog.setOption(QFileDialog::DontUseNativeDialog, UseQtFileDialog());
    if (dialog.exec() != QDialog::Accepted || dialog.ChosenFile().isEmpty()) {
        return std::nullopt;
    }
    const QString path = dialog.ChosenFile();
    lastFolder_ = QFileInfo(path).absolutePath();
    return EncodedPath(path);
}

std::optional<std::string> QtDialogBackend::ChooseFileToSave(std::string_view filter,
                                                             std::string_view proposedName) {
    OneFileDialog dialog(DialogParent(), QStringLiteral("Save"), lastFolder_);
    dialog.setIconProvider(&parts_->icons);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters(NameFilters(filter));
    dialog.setOption(QFileDialog::DontUseNativeDialog, UseQtFileDialog());
    dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
    dialog.selectFile(
        QDir(lastFolder_).filePath(QString::fromStdString(std::string(proposedName))));
    if (dialog.exec() != QDialog::Accepted || dialog.ChosenFile().isEmpty()) {
        return std::nullopt;
    }
    const QString path = dialog.ChosenFile();
    lastFolder_ = QFileInfo(path).absolutePath();
    return EncodedPath(path);
}

void QtDialogBackend::ShowMessage(std::string_view text) {
    QMessageBox box(DialogParent());
    box.setWindowTitle(QApplication::applicationDisplayName());
    box.setTextFormat(Qt::PlainText);
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

void QtDialogBackend::Busy(bool busy) {
    QCoreApplication* application = QCoreApplication::instance();
    if (busy == busy_ || application == nullptr) {
        return;
    }
    busy_ = busy;
    if (busy) {
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
        application->installEventFilter(&parts_->inputDropper);
        return;
    }
    // What the user did during the work is still queued: it is delivered now, to be dropped.
    QCoreApplication::processEvents();
    application->removeEventFilter(&parts_->inputDropper);
    QGuiApplication::restoreOverrideCursor();
}

}  // namespace platform::ui
