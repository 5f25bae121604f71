// The Qt dialogs, message box and launcher, driven as a user would on the offscreen platform.

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <future>
#include <thread>

#include <QAbstractFileIconProvider>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QLineEdit>
#include <QMessageBox>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUrl>

#include "platform/ui/Picture.h"
#include "platform/ui/QtDialogBackend.h"
#include "support/Files.h"
#include "support/ModalDialogs.h"
#include "support/UrlCatcher.h"

namespace {

using testing_support::Accept;
using testing_support::TypeFileName;
using testing_support::WhenModal;

// A backend, and a folder of the test's own whose paths are given as the dialogs take them.
class QtDialogBackendTest : public ::testing::Test {
protected:
    QString Path(const char* name) const { return QString::fromStdString(folder.Path(name)); }
    QString FolderPath() const { return QString::fromStdString(folder.Folder().string()); }

    // Writes bytes as the whole file name in the folder; gives back its path.
    QString Write(const char* name, std::string_view bytes) const {
        testing_support::WriteBytes(folder.Path(name), bytes);
        return Path(name);
    }

    testing_support::TemporaryFolder folder;
    platform::ui::QtDialogBackend backend;
};

TEST_F(QtDialogBackendTest, OpenDialogOffersSrtFilesAndReturnsTheTypedFile) {
    const QString srt = Write("movie.en.srt", "1\n00:00:01,000 --> 00:00:02,000\nHi\n\n");

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
    EXPECT_EQ(backend.LastFolder(), QDir(FolderPath()).absolutePath());

    WhenModal<QFileDialog>([](QFileDialog* dialog) { dialog->reject(); });
    EXPECT_FALSE(backend.ChooseFileToOpen("text/srt").has_value()) << "cancel gives no file";
}

TEST_F(QtDialogBackendTest, SaveDialogProposesTheNameInTheLastFolderAndAsksBeforeReplacing) {
    const QString srt = Write("movie.srt", "x");
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
    EXPECT_EQ(shownFolder, QDir(FolderPath()).absolutePath());
    ASSERT_TRUE(saved.has_value());
    EXPECT_EQ(QFile::decodeName(QByteArray::fromStdString(*saved)), Path("movie_V2.srt"));

    // An existing name: the dialog asks; "No" keeps the dialog open, and cancelling it gives
    // no file.
    Write("movie_V2.srt", "old");
    QString question;
    Qt::TextFormat questionFormat = Qt::AutoText;
    WhenModal<QFileDialog>([&](QFileDialog* dialog) {
        WhenModal<QMessageBox>([&, dialog](QMessageBox* box) {
            question = box->text();
            questionFormat = box->textFormat();
            box->button(QMessageBox::No)->click();
            QTimer::singleShot(50, dialog, [dialog] { dialog->reject(); });
        });
        Accept(dialog);
    });
    EXPECT_FALSE(backend.ChooseFileToSave("text/srt", "movie_V2.srt").has_value());
    EXPECT_TRUE(question.contains("movie_V2.srt")) << question.toStdString();
    EXPECT_EQ(questionFormat, Qt::PlainText) << "Qt's own question is plain text too";

    // "Yes" replaces.
    WhenModal<QFileDialog>([&](QFileDialog* dialog) {
        WhenModal<QMessageBox>([](QMessageBox* box) { box->button(QMessageBox::Yes)->click(); });
        Accept(dialog);
    });
    EXPECT_TRUE(backend.ChooseFileToSave("text/srt", "movie_V2.srt").has_value());
}

TEST_F(QtDialogBackendTest, ATypedNameIsTakenAsShownQuotesAndAll) {
    const QString source = Write("quote\"s'.srt", "x");
    const QString target = Path("quote\"s'_V2.srt");
    Write("s'.srt", "a file Qt's reading of the quotes would choose");
    auto decoded = [](const std::optional<std::string>& path) {
        return path ? QFile::decodeName(QByteArray::fromStdString(*path)).toStdString() : "(none)";
    };

    WhenModal<QFileDialog>([&](QFileDialog* dialog) { TypeFileName(dialog, source); });
    EXPECT_EQ(decoded(backend.ChooseFileToOpen("text/srt")), source.toStdString());

    QString proposed;
    WhenModal<QFileDialog>([&](QFileDialog* dialog) {
        proposed = dialog->findChild<QLineEdit*>("fileNameEdit")->text();
        Accept(dialog);
    });
    EXPECT_EQ(decoded(backend.ChooseFileToSave("", "quote\"s'_V2.srt")), target.toStdString());
    EXPECT_EQ(proposed, "quote\"s'_V2.srt");

    // Once it exists, the dialog asks before it is replaced.
    Write("quote\"s'_V2.srt", "old");
    QString question;
    WhenModal<QFileDialog>([&](QFileDialog* dialog) {
        WhenModal<QMessageBox>([&](QMessageBox* box) {
            question = box->text();
            box->button(QMessageBox::Yes)->click();
        });
        Accept(dialog);
    });
    EXPECT_EQ(decoded(backend.ChooseFileToSave("", "quote\"s'_V2.srt")), target.toStdString());
    EXPECT_TRUE(question.contains("quote\"s'_V2.srt")) << question.toStdString();
}

TEST_F(QtDialogBackendTest, TheDialogsTellFilesByNameSoThatNoFolderHangsThem) {
    // Reading /proc/kmsg to learn its type may never return: a dialog that does so ends the
    // test process instead of hanging it.
    std::promise<void> finished;
    std::thread watchdog([done = finished.get_future()] {
        if (done.wait_for(std::chrono::seconds(60)) == std::future_status::timeout) {
            std::fputs("The open dialog hung on /proc.\n", stderr);
            std::_Exit(1);
        }
    });
    Write("blob", "%PDF-1.4\n%\xE2\xE3\xCF\xD3\n");
    QString blobType;
    WhenModal<QFileDialog>([&](QFileDialog* dialog) {
        blobType = dialog->iconProvider()->type(QFileInfo(Path("blob")));
        dialog->setDirectory(QStringLiteral("/proc"));
        auto* model = dialog->findChild<QFileSystemModel*>();
        QString kmsgType;
        EXPECT_TRUE(QTest::qWaitFor(
            [&] {
                kmsgType = model->type(model->index(QStringLiteral("/proc/kmsg")));
                return !kmsgType.isEmpty();
            },
            30000))
            << "the dialog never got to describe /proc/kmsg";
        dialog->reject();
    });
    EXPECT_FALSE(backend.ChooseFileToOpen("").has_value());
    finished.set_value();
    watchdog.join();
    EXPECT_FALSE(blobType.contains("PDF")) << "told by its content: " << blobType.toStdString();
}

TEST_F(QtDialogBackendTest, MessageBoxShowsPlainTextThatFitsTheScreen) {
    const QString longPath = "/home/user/" + QString(5000, u'x') + "/movie.srt";
    const QString texts[] = {"Could not load file.", "Could not read <b>bad.srt</b>.\nLine 2",
                             "Could not load file.\n" + longPath};
    for (const QString& text : texts) {
        QString shown, details, title;
        Qt::TextFormat format = Qt::AutoText;
        bool fits = false;
        WhenModal<QMessageBox>([&](QMessageBox* box) {
            shown = box->text().remove(QChar(0x200B));
            details = box->detailedText();
            format = box->textFormat();
            title = box->windowTitle();
            fits = box->screen()->availableGeometry().contains(box->frameGeometry());
            box->button(QMessageBox::Ok)->click();
        });
        backend.ShowMessage(text.toStdString());
        EXPECT_EQ(format, Qt::PlainText) << text.toStdString();
        EXPECT_TRUE(fits) << text.left(40).toStdString();
        EXPECT_EQ(title, QApplication::applicationDisplayName());
        if (text.size() < 1000) {
            EXPECT_EQ(shown, text);
            EXPECT_TRUE(details.isEmpty());
        } else {
            EXPECT_TRUE(shown.startsWith("Could not load file.\n/home/user/xxx"));
            EXPECT_TRUE(shown.endsWith("xxx/movie.srt"));
            EXPECT_EQ(details, text) << "the whole text is in the details";
        }
    }
}

TEST_F(QtDialogBackendTest, LauncherAndBrowserGoThroughDesktopServices) {
    testing_support::UrlCatcher catcher{"https", "file"};
    EXPECT_TRUE(backend.OpenUrl("https://example.org/tools"));
    EXPECT_FALSE(backend.OpenUrl("not a url")) << "a text without a scheme opens nothing";

    const QString file = Write("movie_V2.srt", "1\n");
    EXPECT_TRUE(backend.OpenInDefaultApplication(folder.Path("movie_V2.srt")));
    EXPECT_FALSE(backend.OpenInDefaultApplication(folder.Path("gone.srt")));
    EXPECT_EQ(catcher.urls,
              (QList<QUrl>{QUrl("https://example.org/tools"), QUrl::fromLocalFile(file)}));
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
