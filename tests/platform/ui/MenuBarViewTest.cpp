// Qt menus made from a menu tree: texts, shortcuts, separators, Quit, Edit and bound handlers.

#include <gmock/gmock.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>

#include "UiTestSupport.h"
#include "platform/core/Runtime.h"
#include "platform/data/Application.h"
#include "platform/data/ApplicationMenuItem.h"
#include "platform/data/MenuBar.h"
#include "platform/data/QuitMenuItem.h"
#include "platform/ui/MenuBarView.h"
#include "platform/ui/TextField.h"

namespace {

template <typename Item = platform::MenuItem>
std::shared_ptr<platform::MenuItem> Make(const char* name, const char* text, const char* shortcut) {
    auto item = std::make_shared<Item>();
    item->Name(name);
    item->Text(text);
    item->AutoEnable(true);
    if (shortcut != nullptr) {
        item->KeyboardShortcut(shortcut);
    }
    return item;
}

std::shared_ptr<platform::MenuBar> SmallBar() {
    auto bar = std::make_shared<platform::MenuBar>();
    auto file = Make("FileMenu", "&File", "");
    file->Append(Make<platform::QuitMenuItem>("FileQuit", "&Quit", "Cmd+Q"));
    file->Append(Make<platform::ApplicationMenuItem>("FileAbout", "About", ""));
    file->Append(Make("FileNothing", "Nothing", ""));
    bar->Append(file);
    auto edit = Make("EditMenu", "&Edit", "");
    edit->Append(Make("EditUndo", "&Undo", "Cmd+Z"));
    edit->Append(Make("EditSeparator1", "-", nullptr));
    edit->Append(Make("EditCut", "Cu&t", "Cmd+X"));
    edit->Append(Make("EditCopy", "&Copy", "Cmd+C"));
    edit->Append(Make("EditPaste", "&Paste", "Cmd+V"));
    edit->Append(Make("EditClear", "&Delete", ""));
    edit->Append(Make("EditSeparator2", "-", nullptr));
    edit->Append(Make("EditSelectAll", "Select &All", "Cmd+A"));
    bar->Append(edit);
    return bar;
}

// An application object registered for one test.
class RegisteredApp {
public:
    RegisteredApp() { platform::RuntimeRegisterAppObject(&app); }
    ~RegisteredApp() { platform::RuntimeRegisterAppObject(nullptr); }
    RegisteredApp(const RegisteredApp&) = delete;
    RegisteredApp& operator=(const RegisteredApp&) = delete;
    platform::Application app;
};

QAction* ActionNamed(QMenuBar* bar, const char* name) {
    return bar->findChild<QAction*>(name);
}

TEST(MenuItemTest, TreeAppendsFindsAndCounts) {
    auto bar = SmallBar();
    EXPECT_EQ(bar->Count(), 2);
    EXPECT_EQ(bar->Item(0)->Name(), "FileMenu");
    EXPECT_EQ(bar->Child("EditMenu")->Count(), 8);
    EXPECT_EQ(bar->Child("EditCut"), nullptr) << "Child looks at direct children only";
    ASSERT_NE(bar->Lookup("EditSeparator2"), nullptr);
    EXPECT_TRUE(bar->Lookup("EditSeparator2")->IsSeparator());
    EXPECT_FALSE(bar->Lookup("EditSeparator2")->KeyboardShortcutSet());
    EXPECT_TRUE(bar->Lookup("EditClear")->KeyboardShortcutSet());
    EXPECT_EQ(bar->Lookup("Missing"), nullptr);
    EXPECT_THROW(bar->Item(2), platform::OutOfBoundsException);
    EXPECT_THROW(bar->Append(nullptr), platform::NilObjectException);
}

TEST(MenuBarViewTest, QtMenusFollowTheTree) {
    auto window = uitest::BuiltWindow();
    window->MenuBar(SmallBar());
    QMenuBar* qtBar = window->QtMenuBar();
    ASSERT_NE(qtBar, nullptr);
    EXPECT_EQ(window->Frame()->menuBar(), qtBar);
    const QList<QAction*> menus = qtBar->actions();
    ASSERT_EQ(menus.size(), 2);
    EXPECT_EQ(menus[0]->text(), "&File");
    EXPECT_EQ(menus[1]->text(), "&Edit");
    const QList<QAction*> edit = menus[1]->menu()->actions();
    ASSERT_EQ(edit.size(), 8);
    EXPECT_EQ(edit[0]->text(), "&Undo");
    EXPECT_TRUE(edit[1]->isSeparator());
    EXPECT_EQ(edit[2]->text(), "Cu&t");
    EXPECT_EQ(edit[2]->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_X));
    EXPECT_TRUE(edit[5]->shortcut().isEmpty());
    EXPECT_TRUE(edit[6]->isSeparator());
    EXPECT_EQ(edit[6]->objectName(), "EditSeparator2");
    EXPECT_EQ(edit[7]->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_A));
    const QList<QAction*> file = menus[0]->menu()->actions();
    ASSERT_EQ(file.size(), 3);
    EXPECT_EQ(file[0]->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Q));
    EXPECT_EQ(file[0]->menuRole(), QAction::QuitRole);
}

TEST(MenuBarViewTest, ContentAreaKeepsItsSizeBelowTheMenuBar) {
    auto window = uitest::BuiltWindow();
    window->MenuBar(SmallBar());
    window->Width(400);
    window->Height(359);
    window->Resizeable(false);
    ASSERT_TRUE(uitest::Shown(*window));
    EXPECT_EQ(window->ContentArea()->size(), QSize(400, 359));
    EXPECT_GT(window->QtMenuBar()->height(), 0);
}

TEST(MenuBarViewTest, QuitEndsTheEventLoop) {
    auto window = uitest::BuiltWindow();
    window->MenuBar(SmallBar());
    QAction* quit = ActionNamed(window->QtMenuBar(), "FileQuit");
    ASSERT_NE(quit, nullptr);
    ASSERT_TRUE(quit->isEnabled());
    bool quitting = false;
    QObject::connect(qApp, &QCoreApplication::aboutToQuit, window->Frame(),
                     [&] { quitting = true; });
    QTimer::singleShot(0, quit, [quit] { quit->trigger(); });
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [] { QCoreApplication::exit(2); });
    guard.start(10000);
    const int result = QApplication::exec();
    EXPECT_EQ(result, 0);
    EXPECT_TRUE(quitting);
}

TEST(MenuBarViewTest, EditItemsActOnTheFocusedFieldAsItAllows) {
    auto window = uitest::BuiltWindow();
    window->MenuBar(SmallBar());
    auto& field = uitest::Added<platform::ui::TextField>(*window, "TextField1", 120, 22);
    field.Text("hello");
    window->Show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window->Frame()));
    field.QtLineEdit()->setFocus();
    ASSERT_EQ(QApplication::focusWidget(), field.QtLineEdit());
    QMenuBar* bar = window->QtMenuBar();
    QMenu* edit = bar->findChild<QMenu*>("EditMenu");
    ASSERT_NE(edit, nullptr);
    emit edit->aboutToShow();
    EXPECT_FALSE(ActionNamed(bar, "EditCut")->isEnabled()) << "nothing selected";
    EXPECT_TRUE(ActionNamed(bar, "EditSelectAll")->isEnabled());

    ActionNamed(bar, "EditSelectAll")->trigger();
    EXPECT_EQ(field.QtLineEdit()->selectedText(), "hello");
    emit edit->aboutToShow();
    ASSERT_TRUE(ActionNamed(bar, "EditCut")->isEnabled());
    ActionNamed(bar, "EditCut")->trigger();
    EXPECT_EQ(field.Text(), "") << "the data follows the field";
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "hello");

    emit edit->aboutToShow();
    ActionNamed(bar, "EditPaste")->trigger();
    ActionNamed(bar, "EditPaste")->trigger();
    EXPECT_EQ(field.Text(), "hellohello");
    emit edit->aboutToShow();
    ASSERT_TRUE(ActionNamed(bar, "EditUndo")->isEnabled());
    ActionNamed(bar, "EditUndo")->trigger();
    EXPECT_EQ(field.Text(), "hello");

    field.QtLineEdit()->setReadOnly(true);
    emit edit->aboutToShow();
    EXPECT_FALSE(ActionNamed(bar, "EditPaste")->isEnabled());
    EXPECT_FALSE(ActionNamed(bar, "EditClear")->isEnabled());
}

TEST(MenuBarViewTest, ItemsCallHandlersBoundByNameSafely) {
    uitest::ScriptedDialogs dialogs;
    RegisteredApp registered;
    int calls = 0;
    registered.app.AddMenuHandler("FileAbout", [&] {
        ++calls;
        if (calls == 2) {
            throw platform::NilObjectException("The About window is missing.");
        }
        return false;
    });
    auto window = uitest::BuiltWindow();
    window->MenuBar(SmallBar());
    QMenuBar* bar = window->QtMenuBar();
    emit bar->findChild<QMenu*>("FileMenu")->aboutToShow();
    ASSERT_TRUE(ActionNamed(bar, "FileAbout")->isEnabled());
    EXPECT_FALSE(ActionNamed(bar, "FileNothing")->isEnabled()) << "no handler, nothing to do";
    ActionNamed(bar, "FileAbout")->trigger();
    EXPECT_EQ(calls, 1);
    ActionNamed(bar, "FileAbout")->trigger();
    EXPECT_EQ(calls, 2);
    EXPECT_THAT(dialogs.Messages(),
                ::testing::ElementsAre(::testing::HasSubstr("The About window is missing.")));
    ActionNamed(bar, "FileAbout")->trigger();
    EXPECT_EQ(calls, 3) << "the application goes on";
}

TEST(MenuBarViewTest, ShortcutTexts) {
    using platform::ui::MenuBarView;
    EXPECT_EQ(MenuBarView::Shortcut("Cmd+Q"), QKeySequence(Qt::CTRL | Qt::Key_Q));
    EXPECT_TRUE(MenuBarView::Shortcut("").isEmpty());
    EXPECT_EQ(MenuBarView::Shortcut("Cmd+Shift+Z"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z));
}

}  // namespace
