// The Qt dialogs, message box and launcher, driven as a user would on the offscreen platform.

#include <gtest/gtest.h>

#include <functional>

#include <QApplication>
#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUrl>

#include "platform/ui/Picture.h"
#include "platform/ui/QtDialogBackend.h"
#include "support/ModalDialogs.h"

namespace {

using testing_support::Accept;
using testing_support::TypeFileName;
using testing_support::WhenModal;

void WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

TEST(QtDialogBackendTest, OpenDialogOffersSrtFilesAndReturnsTheTypedFile) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString srt = folder.filePath("movie.en.srt");
    WriteFile(srt, "1\n00:00:01,000 --> 00:00:02,000\nHi\n\n");
    platform::ui::QtDialogBackend backend;

    QStringList filters;
    WhenModal<QFileDialog>([&](QFileDialog* dialog) {
        filters = dialog->nameFilters();
        TypeFileName(dialog, srt);
    });
    const std::optional<std::string> chosen = backend.ChooseFileToOpen("text/srt");
    ASSERT_TRUE(chosen.has_value());
    EXPECT_EQ(QFile::decodeName(QByteArray::fromStdString(*chosen)), srt);
    ASSERT_EQ(filters.size(), 2);
    EXPECT_EQ(filters[0], "SRT subtitle files (*.srt)");
    EXPECT_EQ(filters[1], "All files (*)");
    EXPECT_EQ(backend.LastFolder(), QDir(folder.path()).absolutePath());

    WhenModal<QFileDialog>([](QFileDialog* dialog) { dialog->reject(); });
    EXPECT_FALSE(backend.ChooseFileToOpen("text/srt").has_value()) << "cancel gives no file";
}

TEST(QtDialogBackendTest, SaveDialogProposesTheNameInTheLastFolderAndAsksBeforeReplacing) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString srt = folder.filePath("movie.srt");
    WriteFile(srt, "x");
    platform::ui::QtDialogBackend backend;
    WhenModal<QFileDialog>([&](QFileDialog* dialog) { TypeFileName(dialog, srt); });
    ASSERT_TRUE(backend.ChooseFileToOpen("text/srt").has_value());

    // A new name: proposed in the folder just used, accepted as it stands.
    QString proposed;
    QString shownFolder;
    WhenModal<QFileDialog>([&](QFileDialog* dialog) {
        proposed = dialog->findChild<QLineEdit*>("fileNameEdit")->text();
        shownFolder = dialog->directory().absolutePath();
        Accept(dialog);
    });
    const auto saved = backend.ChooseFileToSave("text/srt", "movie_V2.srt");
    EXPECT_EQ(proposed, "movie_V2.srt");
    EXPECT_EQ(shownFolder, QDir(folder.path()).absolutePath());
    ASSERT_TRUE(saved.has_value());
    EXPECT_EQ(QFile::decodeName(QByteArray::fromStdString(*saved)),
              folder.filePath("movie_V2.srt"));

    // An existing name: the dialog asks; "No" keeps the dialog open, and cancelling it gives
    // no file.
    WriteFile(folder.filePath("movie_V2.srt"), "old");
    QString question;
    WhenModal<QFileDialog>([&](QFileDialog* dialog) {
        WhenModal<QMessageBox>([&, dialog](QMessageBox* box) {
            question = box->text();
            box->button(QMessageBox::No)->click();
            QTimer::singleShot(50, dialog, [dialog] { dialog->reject(); });
        });
        Accept(dialog);
    });
    EXPECT_FALSE(backend.ChooseFileToSave("text/srt", "movie_V2.srt").has_value());
    EXPECT_TRUE(question.contains("movie_V2.srt")) << question.toStdString();

    // "Yes" replaces.
    WhenModal<QFileDialog>([&](QFileDialog* dialog) {
        WhenModal<QMessageBox>([](QMessageBox* box) { box->button(QMessageBox::Yes)->click(); });
        Accept(dialog);
    });
    EXPECT_TRUE(backend.ChooseFileToSave("text/srt", "movie_V2.srt").has_value());
}

TEST(QtDialogBackendTest, MessageBoxShowsTheText) {
    platform::ui::QtDialogBackend backend;
    QString shown;
    WhenModal<QMessageBox>([&](QMessageBox* box) {
        shown = box->text();
        box->button(QMessageBox::Ok)->click();
    });
    backend.ShowMessage("Could not load file.");
    EXPECT_EQ(shown, "Could not load file.");
}

}  // namespace

// Receives the addresses that QDesktopServices would open.
class UrlCatcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void Catch(const QUrl& url) { urls.append(url); }
};

namespace {

TEST(QtDialogBackendTest, LauncherAndBrowserGoThroughDesktopServices) {
    UrlCatcher catcher;
    QDesktopServices::setUrlHandler("https", &catcher, "Catch");
    QDesktopServices::setUrlHandler("file", &catcher, "Catch");
    platform::ui::QtDialogBackend backend;
    EXPECT_TRUE(backend.OpenUrl("https://example.org/tools"));
    EXPECT_FALSE(backend.OpenUrl("not a url")) << "a text without a scheme opens nothing";

    QTemporaryDir folder;
    const QString file = folder.filePath("movie_V2.srt");
    WriteFile(file, "1\n");
    EXPECT_TRUE(backend.OpenInDefaultApplication(QFile::encodeName(file).toStdString()));
    EXPECT_FALSE(backend.OpenInDefaultApplication(folder.filePath("gone.srt").toStdString()));
    QDesktopServices::unsetUrlHandler("https");
    QDesktopServices::unsetUrlHandler("file");
    ASSERT_EQ(catcher.urls.size(), 2);
    EXPECT_EQ(catcher.urls[0], QUrl("https://example.org/tools"));
    EXPECT_EQ(catcher.urls[1], QUrl::fromLocalFile(file));
}

TEST(PictureTest, PicturesShippedWithTheApplicationAreFoundByName) {
    const auto logo = platform::ui::Picture::OpenFromApp("TavrelLogo762x");
    ASSERT_NE(logo, nullptr);
    EXPECT_GE(logo->Width(), 152);
    EXPECT_EQ(logo->Width(), logo->Height());
    EXPECT_EQ(platform::ui::Picture::OpenFromApp("NoSuchPicture"), nullptr);
    EXPECT_EQ(platform::ui::Picture::OpenFromApp("../properties/AboutWin"), nullptr);

    QTemporaryDir folder;
    QImage(4, 2, QImage::Format_RGB32).save(folder.filePath("Other.png"));
    const std::string previous =
        platform::ui::Picture::SetAppPictureFolder(folder.path().toStdString() + "/");
    const auto other = platform::ui::Picture::OpenFromApp("Other");
    const auto missing = platform::ui::Picture::OpenFromApp("TavrelLogo762x");
    platform::ui::Picture::SetAppPictureFolder(previous);
    ASSERT_NE(other, nullptr);
    EXPECT_EQ(other->Width(), 4);
    EXPECT_EQ(missing, nullptr);
}

}  // namespace

#include "QtDialogBackendTest.moc"
