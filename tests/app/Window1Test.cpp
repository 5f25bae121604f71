// The whole application on the offscreen platform: started through its real start-up steps,
// driven through its real controls and menus, with the dialogs answered by a script (and once
// by typing into Qt's own file dialogs).

#include "app/Window1.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <iostream>
#include <set>

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QFile>
#include <QFileDialog>
#include <QHeaderView>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QMouseEvent>
#include <QTableView>
#include <QTest>
#include <QUrl>

#include "AllocationLimit.h"
#include "app/AboutWin.h"
#include "app/App.h"
#include "app/MainMenuBar.h"
#include "app/Startup.h"
#include "platform/data/EventDispatch.h"
#include "platform/ui/FrameworkRuntime.h"
#include "platform/ui/QtDialogBackend.h"
#include "support/AddressSpace.h"
#include "support/EventLoop.h"
#include "support/Files.h"
#include "support/ModalDialogs.h"
#include "support/ScriptedDialogs.h"
#include "support/UrlCatcher.h"

namespace {

using ::testing::AllOf;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using testing_support::ReadBytes;
using testing_support::Settle;

const std::string kTwoBlocks =
    "1\n00:00:01,000 --> 00:00:04,000\nHello\nworld\n\n"
    "2\n00:00:05.500-->00:00:07.250\nIt`s fine\n\n";

const std::string kTwoBlocksShiftedBy3 =
    "1\n00:00:04,000 --> 00:00:07,000\nHello\nworld\n\n"
    "2\n00:00:08,500 --> 00:00:10,250\nIt's fine\n\n";

void CloseWindow(std::string_view className) {
    if (platform::ui::Window* window = platform::ui::GetImplicitWindow(className)) {
        window->Close();
    }
}

// Ends the application started by a test, whose dialogs are scripted.
class ApplicationTest : public ::testing::Test {
protected:
    void TearDown() override {
        CloseWindow("AboutWin.AboutWin");
        CloseWindow("Window1.Window1");
        Settle();
        platform::ui::RuntimePerformFinalizers();
    }

    testing_support::ScriptedDialogs dialogs_;
};

// Starts the application through its start-up steps.
class Window1Test : public ApplicationTest {
protected:
    void SetUp() override {
        tavrel::EarlyStartup();
        platform::ui::RunFrameworkInitialization(tavrel::LateStartup);
    }

    tavrel::Window1& Main() { return ::Window1(); }

    std::string Path(const char* name) const { return folder_.Path(name); }

    std::string Write(const char* name, std::string_view bytes) const {
        testing_support::WriteBytes(Path(name), bytes);
        return Path(name);
    }

    void PressTheButton() { QTest::mouseClick(Main().BevelButton1().Widget(), Qt::LeftButton); }
    void Request(const std::string& source, const char* target = "out.srt");

    testing_support::TemporaryFolder folder_;
};

TEST_F(Window1Test, StartUpBuildsTheMainWindowFromItsLists) {
    ASSERT_NE(platform::ui::GetImplicitWindow("Window1.Window1"), nullptr);
    tavrel::Window1& window = Main();
    EXPECT_EQ(&window, &Main()) << "the accessor builds nothing while the window is open";
    EXPECT_EQ(window.Title(), "Tavrel");
    EXPECT_EQ(window.Frame()->windowTitle(), "Tavrel");
    EXPECT_TRUE(window.Frame()->isVisible());
    EXPECT_EQ(window.ContentArea()->size(), QSize(400, 359));
    EXPECT_FALSE(window.Resizeable());
    EXPECT_EQ(window.Frame()->minimumSize(), window.Frame()->maximumSize());

    const char* names[] = {"Label2",     "BevelButton1", "TextField1", "Label1",
                           "Rectangle1", "Label3",       "Listbox1",   "Canvas1"};
    ASSERT_EQ(window.ControlCount(), 8);
    for (std::int64_t tab = 0; tab < 8; ++tab) {
        platform::ui::Control* control = window.ControlByName(names[tab]);
        ASSERT_NE(control, nullptr) << names[tab];
        EXPECT_EQ(control->TabIndex(), tab) << names[tab];
        EXPECT_EQ(control->Widget()->parentWidget(), window.ContentArea()) << names[tab];
    }
    EXPECT_EQ(window.BevelButton1().Widget()->geometry(), QRect(197, 100, 174, 22));
    EXPECT_EQ(window.Canvas1().Widget()->geometry(), QRect(117, 126, 152, 152));
    EXPECT_EQ(window.TextField1().Text(), "3");
    EXPECT_NE(window.Canvas1().Backdrop(), nullptr) << "the logo is the canvas's backdrop";

    // The cue list exists, is visible and enabled as far as the platform knows, and lies
    // wholly outside the content area.
    EXPECT_TRUE(window.Listbox1().Visible());
    EXPECT_EQ(window.Listbox1().ColumnCount(), 3);
    EXPECT_FALSE(window.Listbox1().Widget()->geometry().intersects(window.ContentArea()->rect()));

    // One menu bar for the application and the window; the About item is bound.
    EXPECT_EQ(window.MenuBar(), ::App().MenuBar());
    EXPECT_EQ(window.MenuBar(), std::static_pointer_cast<platform::MenuItem>(::MainMenuBar()));
    EXPECT_NE(::App().MenuHandlerFor("FileAboutTavrel"), nullptr);
    EXPECT_EQ(platform::ui::GetImplicitWindow("AboutWin.AboutWin"), nullptr)
        << "start-up makes no About window";
}

TEST_F(Window1Test, TheGettersFindEveryControlAndMenuItemByName) {
    tavrel::Window1& window = Main();
    EXPECT_EQ(window.Label2().Name(), "Label2");
    EXPECT_EQ(window.Label1().Name(), "Label1");
    EXPECT_EQ(window.Label3().Name(), "Label3");
    EXPECT_EQ(window.Rectangle1().Name(), "Rectangle1");
    EXPECT_EQ(&window.TextField1(), &window.TextField1());
    EXPECT_EQ(&window.Listbox1(), &window.Listbox1());

    const std::shared_ptr<platform::MenuItem> items[] = {
        window.EditMenu(),  window.EditSelectAll(),   window.EditSeparator2(),
        window.EditClear(), window.EditPaste(),       window.EditCopy(),
        window.EditCut(),   window.EditSeparator1(),  window.EditUndo(),
        window.FileMenu(),  window.FileAboutTavrel(), window.FileQuit()};
    const char* names[] = {"EditMenu",  "EditSelectAll", "EditSeparator2",  "EditClear",
                           "EditPaste", "EditCopy",      "EditCut",         "EditSeparator1",
                           "EditUndo",  "FileMenu",      "FileAboutTavrel", "FileQuit"};
    for (std::size_t i = 0; i < std::size(items); ++i) {
        ASSERT_NE(items[i], nullptr) << names[i];
        EXPECT_EQ(items[i]->Name(), names[i]);
    }
    EXPECT_EQ(window.FileQuit()->Text(), "&Quit");
    EXPECT_EQ(window.FileAboutTavrel()->Text(), "About Tavrel");
}

TEST_F(Window1Test, PressingTheButtonRunsAWholeRequest) {
    const std::string source = Write("movie.en.srt", kTwoBlocks);
    const std::string target = Path("shifted.srt");
    dialogs_.AnswerOpen(source);
    dialogs_.AnswerSave(target);

    PressTheButton();

    EXPECT_EQ(ReadBytes(target), kTwoBlocksShiftedBy3);
    EXPECT_EQ(dialogs_.Launched(), std::vector<std::string>{target});
    ASSERT_EQ(dialogs_.SaveRequests().size(), 1u);
    EXPECT_EQ(dialogs_.SaveRequests()[0].proposedName, "movie_V2.srt");
    EXPECT_EQ(dialogs_.OpenRequests(), std::vector<std::string>{"text/srt"});
    EXPECT_TRUE(dialogs_.Messages().empty());
    EXPECT_EQ(dialogs_.BusyChanges(), (std::vector<bool>{true, false, true, false}))
        << "busy while reading and while writing, not while the save dialog is up";
    EXPECT_EQ(ReadBytes(source), kTwoBlocks) << "the source is left as it was";

    // The cue list holds the request's rows, and its view catches up in one go.
    tavrel::Window1& window = Main();
    ASSERT_EQ(window.Listbox1().ListCount(), 2);
    EXPECT_EQ(window.Listbox1().Cell(1, 2), "It's fine");
    QCoreApplication::processEvents();
    EXPECT_EQ(window.Listbox1().QtView()->model()->rowCount(), 2);
    EXPECT_EQ(::App().srtName, "movie.en.srt");
}

TEST_F(Window1Test, TheSecondsTypedIntoTheFieldShiftTheNextRequest) {
    auto* field = qobject_cast<QLineEdit*>(Main().TextField1().Widget());
    ASSERT_NE(field, nullptr);
    field->setFocus();
    field->selectAll();
    QTest::keyClicks(field, "-1");
    EXPECT_EQ(Main().TextField1().Text(), "-1");

    const std::string source = Write("movie.srt", kTwoBlocks);
    Request(source, "earlier.srt");
    EXPECT_EQ(ReadBytes(Path("earlier.srt")),
              "1\n00:00:00,000 --> 00:00:03,000\nHello\nworld\n\n"
              "2\n00:00:04,500 --> 00:00:06,250\nIt's fine\n\n");

    field->selectAll();
    QTest::keyClicks(field, "60");
    Request(source, "later.srt");
    EXPECT_EQ(ReadBytes(Path("later.srt")),
              "1\n00:01:01,000 --> 00:01:04,000\nHello\nworld\n\n"
              "2\n00:01:05,500 --> 00:01:07,250\nIt's fine\n\n");
}

TEST_F(Window1Test, DigitsTypedAsSoonAsTheWindowOpensReplaceTheSeconds) {
    tavrel::Window1& window = Main();
    window.Frame()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.Frame()));
    QWidget* focused = QApplication::focusWidget();
    ASSERT_EQ(focused, window.TextField1().Widget());
    QTest::keyClicks(focused, "5");
    EXPECT_EQ(window.TextField1().Text(), "5");
}

TEST_F(Window1Test, TheKeyboardReachesTheFieldAndTheButtonAndNothingUnseen) {
    tavrel::Window1& window = Main();
    QWidget* field = window.TextField1().Widget();
    QWidget* button = window.BevelButton1().Widget();
    window.Frame()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.Frame()));
    field->setFocus();
    std::set<QWidget*> reached;
    for (int i = 0; i < 8; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        reached.insert(QApplication::focusWidget());
    }
    EXPECT_EQ(reached, (std::set<QWidget*>{field, button}));
    EXPECT_EQ(window.Listbox1().Widget()->geometry(), QRect(-12, 480, 445, 200))
        << "the cue list keeps its place";

    // A click on the button leaves the focus in the field; Space, Return and Enter press the
    // button when it has the focus.
    field->setFocus();
    dialogs_.CancelOpen();
    PressTheButton();
    EXPECT_EQ(QApplication::focusWidget(), field);
    QTest::keyClick(field, Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), button);
    for (const Qt::Key key : {Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter}) {
        dialogs_.CancelOpen();
        QTest::keyClick(button, key);
    }
    EXPECT_EQ(dialogs_.OpenRequests().size(), 4u);
}

// A click on the button as the application's event loop would get it from the window system:
// queued, delivered once the loop runs again.
void QueueClick(QWidget* widget) {
    const QPointF at(10, 10);
    const QPointF global = widget->mapToGlobal(at);
    QCoreApplication::postEvent(widget, new QMouseEvent(QEvent::MouseButtonPress, at, global,
                                                        Qt::LeftButton, Qt::LeftButton, {}));
    QCoreApplication::postEvent(widget, new QMouseEvent(QEvent::MouseButtonRelease, at, global,
                                                        Qt::LeftButton, Qt::NoButton, {}));
}

// Scripted dialogs with the Qt side of the busy state; with a button given, the user clicks it
// again whenever work begins.
class ImpatientUser : public platform::ScriptedDialogBackend {
public:
    platform::ui::QtDialogBackend qt;
    QWidget* button = nullptr;
    std::vector<Qt::CursorShape> cursors;

    void Busy(bool busy) override {
        ScriptedDialogBackend::Busy(busy);
        qt.Busy(busy);
        if (busy) {
            const QCursor* cursor = QGuiApplication::overrideCursor();
            cursors.push_back(cursor != nullptr ? cursor->shape() : Qt::ArrowCursor);
            if (button != nullptr) {
                QueueClick(button);
            }
        }
    }
};

TEST_F(Window1Test, ClicksDuringTheWorkAreDroppedWhileTheCursorShowsIt) {
    ImpatientUser user;
    user.button = Main().BevelButton1().Widget();
    platform::InstallDialogBackend(&user);
    user.AnswerOpen(Write("movie.srt", kTwoBlocks));
    user.AnswerSave(Path("once.srt"));
    PressTheButton();
    QCoreApplication::processEvents();

    EXPECT_EQ(user.OpenRequests().size(), 1u) << "the clicks during the work started nothing";
    EXPECT_EQ(ReadBytes(Path("once.srt")), kTwoBlocksShiftedBy3);
    EXPECT_EQ(user.cursors, (std::vector<Qt::CursorShape>{Qt::WaitCursor, Qt::WaitCursor}));
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);

    // The same click while the application is idle starts a request.
    user.CancelOpen();
    QueueClick(user.button);
    QCoreApplication::processEvents();
    EXPECT_EQ(user.OpenRequests().size(), 2u);
    platform::InstallDialogBackend(&dialogs_);
}

TEST_F(Window1Test, CancellingADialogShowsItsMessageAndWritesNothing) {
    dialogs_.CancelOpen();
    PressTheButton();
    EXPECT_EQ(dialogs_.Messages(), std::vector<std::string>{"Could not load file."});
    EXPECT_TRUE(dialogs_.SaveRequests().empty());

    dialogs_.ClearRecords();
    dialogs_.AnswerOpen(Write("movie.srt", kTwoBlocks));
    dialogs_.CancelSave();
    PressTheButton();
    EXPECT_EQ(dialogs_.Messages(), std::vector<std::string>{"Could not write the new SRT file."});
    EXPECT_TRUE(dialogs_.Launched().empty());
    EXPECT_EQ(folder_.Names(), std::vector<std::string>{"movie.srt"});
}

TEST_F(Window1Test, ABrokenFileIsReportedAndTheApplicationGoesOn) {
    dialogs_.AnswerOpen(Write("broken.srt", "1\n00:00:01:00 --> 00:00:02,000\nHi\n"));
    PressTheButton();
    EXPECT_THAT(dialogs_.Messages(), ElementsAre(AllOf(HasSubstr("broken.srt"), HasSubstr("2"))))
        << "names the file and the line";
    EXPECT_TRUE(dialogs_.SaveRequests().empty()) << "nothing is written";

    // The window is still there and the next request runs.
    Request(Write("movie.srt", kTwoBlocks), "fine.srt");
    EXPECT_EQ(ReadBytes(Path("fine.srt")), kTwoBlocksShiftedBy3);
}

// Many cues, each with a text of its own.
std::string ManyCues(int count) {
    std::string bytes;
    for (int i = 1; i <= count; ++i) {
        bytes += std::to_string(i) + "\n00:00:01,000 --> 00:00:02,000\nThe line of cue " +
                 std::to_string(i) + "\n\n";
    }
    return bytes;
}

// Runs one request on source through the button, saving to target in the test's folder, and
// lets the view catch up.
void Window1Test::Request(const std::string& source, const char* target) {
    dialogs_.ClearRecords();
    dialogs_.AnswerOpen(source);
    dialogs_.AnswerSave(Path(target));
    PressTheButton();
    QCoreApplication::processEvents();
}

// A request that runs out of memory while it reads, copies or writes lets go of all it built,
// then says so; the list box's view ends with no rows, and the next request works. The
// budgets are shares of what a whole request was seen to take.
TEST_F(Window1Test, ARequestThatRunsOutOfMemoryLetsGoOfItsRowsAndTheNextOneWorks) {
    const std::string big = Write("big.srt", ManyCues(40000));
    const std::string small = Write("small.srt", kTwoBlocks);
    const QTableView* view = Main().Listbox1().QtView();

    Request(small);
    apptest::ResetPeak();
    Request(big);
    const auto whole = static_cast<double>(apptest::PeakGrowth());
    ASSERT_EQ(dialogs_.Launched().size(), 1u);

    for (const double share : {0.45, 0.7, 0.95}) {
        SCOPED_TRACE(share);
        Request(small);
        ASSERT_EQ(ReadBytes(Path("out.srt")), kTwoBlocksShiftedBy3);
        // The Qt side of the busy state delivers the view's queued reset when the work ends (or
        // pauses for the save dialog): the view sees all rows of the file or none, never a
        // half-built cue list, which it could not take with no memory left.
        ImpatientUser user;
        const testing_support::InstalledDialogs installed(user);
        std::vector<int> rowsAtReset;
        const QMetaObject::Connection connection =
            QObject::connect(view->model(), &QAbstractItemModel::modelReset,
                             [&] { rowsAtReset.push_back(view->model()->rowCount()); });
        {
            const apptest::AllocationLimit limit(static_cast<std::int64_t>(whole * share));
            user.AnswerOpen(big);
            user.AnswerSave(Path("out.srt"));
            PressTheButton();
            EXPECT_GT(limit.Failures(), 0);
        }
        QObject::disconnect(connection);
        EXPECT_THAT(rowsAtReset, ::testing::Each(::testing::AnyOf(0, 40000)));
        EXPECT_THAT(user.Messages(), ElementsAre(HasSubstr("not enough memory")));
        EXPECT_TRUE(user.Launched().empty());
        EXPECT_EQ(Main().Listbox1().ListCount(), 0);
        EXPECT_EQ(::App().startTimeArray.Count() + ::App().endTimeArray.Count() +
                      ::App().textArray.Count(),
                  0u);
        QCoreApplication::processEvents();
        EXPECT_EQ(view->model()->rowCount(), 0);
        EXPECT_EQ(view->verticalHeader()->count(), 0);
        EXPECT_EQ(ReadBytes(Path("out.srt")), kTwoBlocksShiftedBy3) << "the old copy is kept";
        EXPECT_EQ(folder_.Names().size(), 3u) << "no temporary file is left";
    }

    Request(small);
    EXPECT_TRUE(dialogs_.Messages().empty());
    EXPECT_EQ(ReadBytes(Path("out.srt")), kTwoBlocksShiftedBy3);
    EXPECT_EQ(view->model()->rowCount(), 2);
}

// What a large request held beyond the rows it keeps is given back: after a small request
// that follows it, the process holds what it held after the first small one.
TEST_F(Window1Test, TheCueListViewShortOfMemoryShowsNoRowsRatherThanEndTheApplication) {
    platform::Listbox& cueList = Main().Listbox1();
    QAbstractItemModel* shown = Main().Listbox1().QtView()->model();
    for (int row = 0; row < 1000; ++row) {
        cueList.AddRow("cue");
    }
    {
        const apptest::AllocationLimit limit(1000);  // far less than a row header of 1000 rows
        QCoreApplication::sendPostedEvents(shown, QEvent::MetaCall);
        EXPECT_GT(limit.Failures(), 0);
    }
    EXPECT_EQ(shown->rowCount(), 0);
    EXPECT_EQ(cueList.ListCount(), 1000) << "the rows stay in the list box";

    cueList.AddRow("one more");
    QCoreApplication::processEvents();
    EXPECT_EQ(shown->rowCount(), 1001);
}

TEST_F(Window1Test, AFinishedRequestKeepsNoMoreThanItsRows) {
    const std::string big = Write("big.srt", ManyCues(40000));
    const std::string small = Write("small.srt", kTwoBlocks);
    Request(small);
    const std::int64_t before = apptest::HeldBytes();
    Request(big);
    EXPECT_EQ(Main().Listbox1().ListCount(), 40000) << "the last request's rows stay";
    EXPECT_EQ(::App().textArray.Count(), 40000u);
    Request(small);
    EXPECT_EQ(ReadBytes(Path("out.srt")), kTwoBlocksShiftedBy3);
    EXPECT_LT(apptest::HeldBytes() - before, 64 * 1024);
}

TEST_F(Window1Test, TheLogoAndTheAboutItemShowOneAboutWindow) {
    tavrel::Window1& window = Main();
    QTest::mouseClick(window.Canvas1().Widget(), Qt::LeftButton, {}, QPoint(76, 76));
    platform::ui::Window* about = platform::ui::GetImplicitWindow("AboutWin.AboutWin");
    ASSERT_NE(about, nullptr);
    EXPECT_TRUE(about->Frame()->isVisible());

    QAction* item = window.QtMenuBar()->findChild<QAction*>("FileAboutTavrel");
    ASSERT_NE(item, nullptr);
    item->trigger();
    EXPECT_EQ(platform::ui::GetImplicitWindow("AboutWin.AboutWin"), about)
        << "no second About window";
    EXPECT_FALSE(window.Canvas1().RaiseMouseDown(3, 4)) << "the logo never claims the press";
}

TEST_F(Window1Test, TheLinkOpensItsPageAndTheFrameAroundItDoesNothing) {
    tavrel::Window1& window = Main();
    QTest::mouseClick(window.Label3().Widget(), Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(dialogs_.Urls(),
              std::vector<std::string>{std::string(tavrel::Window1::kLinkAddress)});
    EXPECT_FALSE(window.Label3().RaiseMouseDown(1, 1));
    EXPECT_EQ(dialogs_.Urls().size(), 2u) << "every click opens the page again";

    dialogs_.ClearRecords();
    QTest::mouseClick(window.Rectangle1().Widget(), Qt::LeftButton, {}, QPoint(2, 2));
    EXPECT_FALSE(window.Rectangle1().RaiseMouseDown(2, 2));
    EXPECT_TRUE(dialogs_.Urls().empty());
    EXPECT_TRUE(dialogs_.Messages().empty());
}

TEST_F(Window1Test, ARequestThroughQtsOwnFileDialogs) {
    platform::ui::QtDialogBackend qtDialogs(
        platform::ui::QtDialogBackend::Options{.useQtFileDialog = true});
    platform::InstallDialogBackend(&qtDialogs);
    testing_support::UrlCatcher opened{"file"};

    const QString source =
        QFile::decodeName(QByteArray::fromStdString(Write("movie.srt", kTwoBlocks)));
    const QString target = QFile::decodeName(QByteArray::fromStdString(Path("retimed.srt")));
    QString proposed;
    testing_support::WhenModal<QFileDialog>([&](QFileDialog* open) {
        testing_support::TypeFileName(open, source);
        testing_support::WhenModal<QFileDialog>(
            [&](QFileDialog* save) {
                proposed = save->findChild<QLineEdit*>("fileNameEdit")->text();
                testing_support::TypeFileName(save, target);
            },
            testing_support::IsSaveDialog);
    });
    PressTheButton();

    EXPECT_EQ(proposed, "movie_V2.srt");
    EXPECT_EQ(ReadBytes(Path("retimed.srt")), kTwoBlocksShiftedBy3);
    EXPECT_EQ(opened.urls, QList<QUrl>{QUrl::fromLocalFile(target)});
}

// The start-up path from Main to the event loop and back, as main() runs it.
class StartupTest : public ApplicationTest {
protected:
    void SetUp() override { platform::ui::RuntimeInit(argc_, argv_, tavrel::Identity()); }

    int argc_ = 0;
    char** argv_ = nullptr;
};

TEST_F(StartupTest, MainRunsTheEventLoopWithTheMainWindowUntilTheApplicationQuits) {
    bool windowUpInLoop = false;
    bool windowHasTheLogo = false;
    QTimer::singleShot(0, [&] {
        windowUpInLoop = platform::ui::GetImplicitWindow("Window1.Window1") != nullptr &&
                         ::App().MenuHandlerFor("FileAboutTavrel") != nullptr;
        windowHasTheLogo = windowUpInLoop && !::Window1().Frame()->windowIcon().isNull();
        QCoreApplication::quit();
    });
    tavrel::Main();
    EXPECT_TRUE(windowUpInLoop);
    EXPECT_TRUE(windowHasTheLogo);
    EXPECT_EQ(QGuiApplication::applicationDisplayName(), "Tavrel") << "the message boxes' title";
    EXPECT_EQ(platform::ui::RuntimeExit(), 0);
}

TEST_F(StartupTest, AFailureDuringStartUpIsReportedAndGivesAFailingExitStatus) {
    // A window of another class already holds the main window's place, so building it fails.
    auto impostor = std::make_shared<platform::ui::Window>();
    impostor->Constructor("Window1.Window1");
    bool loopRan = false;
    QTimer::singleShot(0, [&] {
        loopRan = true;
        QCoreApplication::quit();
    });

    tavrel::Main();

    EXPECT_FALSE(loopRan) << "no event loop after a failed start-up";
    EXPECT_THAT(dialogs_.Messages(), ElementsAre(HasSubstr("Window1.Window1")));
    EXPECT_EQ(platform::ui::RuntimeExit(), 1);
    QCoreApplication::processEvents();  // the queued quit must not end a later loop
}

// A heap of a thread's own sets aside 64 MiB of address space; after start-up, threads share the
// one heap, and a thread started then adds its stack alone (8 MiB by default). In a process of its
// own, started afresh: here, a thread of an earlier test may have left a heap behind that a new
// thread would take over.
TEST_F(StartupTest, ThreadsStartedAfterStartUpTakeNoHeapOfTheirOwn) {
    if (testing_support::AddressSpaceInUse() == 0) {
        GTEST_SKIP() << "/proc/self/statm is missing: the address space in use cannot be measured.";
    }
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            const std::size_t grown = testing_support::AddressSpaceGrownByAThread();
            std::cerr << "grown by " << grown << " bytes\n";
            std::_Exit(grown < (std::size_t{64} << 20) ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "");
}

}  // namespace
