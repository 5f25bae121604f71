// The application's menu bar: its twelve items, the one instance, and the Qt menus made of it.

#include "app/MainMenuBar.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "platform/data/ApplicationMenuItem.h"
#include "platform/data/QuitMenuItem.h"
#include "platform/ui/Window.h"

namespace {

struct ExpectedItem {
    const char* name;
    const char* parent;  // nullptr: on the bar
    const char* kind;    // "MenuItem", "QuitMenuItem", "ApplicationMenuItem"
    const char* text;
    const char* shortcut;  // nullptr: never set
};

const ExpectedItem kItems[] = {
    {"FileMenu", nullptr, "MenuItem", "&File", ""},
    {"FileQuit", "FileMenu", "QuitMenuItem", "&Quit", "Cmd+Q"},
    {"FileAboutTavrel", "FileMenu", "ApplicationMenuItem", "About Tavrel", ""},
    {"EditMenu", nullptr, "MenuItem", "&Edit", ""},
    {"EditUndo", "EditMenu", "MenuItem", "&Undo", "Cmd+Z"},
    {"EditSeparator1", "EditMenu", "MenuItem", "-", nullptr},
    {"EditCut", "EditMenu", "MenuItem", "Cu&t", "Cmd+X"},
    {"EditCopy", "EditMenu", "MenuItem", "&Copy", "Cmd+C"},
    {"EditPaste", "EditMenu", "MenuItem", "&Paste", "Cmd+V"},
    {"EditClear", "EditMenu", "MenuItem", "&Delete", ""},
    {"EditSeparator2", "EditMenu", "MenuItem", "-", nullptr},
    {"EditSelectAll", "EditMenu", "MenuItem", "Select &All", "Cmd+A"},
};

std::string KindOf(const platform::MenuItem& item) {
    if (dynamic_cast<const platform::QuitMenuItem*>(&item) != nullptr) {
        return "QuitMenuItem";
    }
    if (dynamic_cast<const platform::ApplicationMenuItem*>(&item) != nullptr) {
        return "ApplicationMenuItem";
    }
    return "MenuItem";
}

TEST(MainMenuBarTest, HoldsTheTwelveItemsInOrderWithTheirSettings) {
    const auto bar = MainMenuBar();
    ASSERT_NE(bar, nullptr);
    // Walk the tree in build order: each menu, then its items.
    std::vector<std::pair<std::shared_ptr<platform::MenuItem>, std::string>> walked;
    for (std::int64_t m = 0; m < bar->Count(); ++m) {
        const auto menu = bar->Item(m);
        walked.emplace_back(menu, "");
        for (std::int64_t i = 0; i < menu->Count(); ++i) {
            walked.emplace_back(menu->Item(i), menu->Name());
        }
    }
    ASSERT_EQ(walked.size(), std::size(kItems));
    for (std::size_t i = 0; i < walked.size(); ++i) {
        const platform::MenuItem& item = *walked[i].first;
        const ExpectedItem& expected = kItems[i];
        SCOPED_TRACE(expected.name);
        EXPECT_EQ(item.Name(), expected.name);
        EXPECT_EQ(walked[i].second, expected.parent == nullptr ? "" : expected.parent);
        EXPECT_EQ(KindOf(item), expected.kind);
        EXPECT_EQ(item.Text(), expected.text);
        EXPECT_EQ(item.KeyboardShortcutSet(), expected.shortcut != nullptr);
        EXPECT_EQ(item.KeyboardShortcut(), expected.shortcut == nullptr ? "" : expected.shortcut);
        EXPECT_TRUE(item.AutoEnable());
        EXPECT_TRUE(item.Visible());
        EXPECT_EQ(bar->Lookup(expected.name).get(), &item) << "found by name at any depth";
    }
}

TEST(MainMenuBarTest, IsBuiltOnceAndSharedByEveryCaller) {
    const auto first = MainMenuBar();
    const auto second = MainMenuBar();
    EXPECT_EQ(first, second);
    EXPECT_EQ(tavrel::MainMenuBar::implicitInstance, first);
    EXPECT_EQ(first->Count(), 2);
    EXPECT_EQ(first->Child("FileMenu")->Count(), 2);
    EXPECT_EQ(first->Child("EditMenu")->Count(), 8);
}

TEST(MainMenuBarTest, AWindowShowsItAsQtMenus) {
    auto window = std::make_shared<platform::ui::Window>();
    window->Constructor();
    window->MenuBar(MainMenuBar());
    EXPECT_EQ(window->MenuBar(), MainMenuBar());
    QMenuBar* qtBar = window->QtMenuBar();
    ASSERT_NE(qtBar, nullptr);
    const QList<QAction*> menus = qtBar->actions();
    ASSERT_EQ(menus.size(), 2);
    EXPECT_EQ(menus[0]->text(), "&File");
    EXPECT_EQ(menus[1]->text(), "&Edit");

    const QList<QAction*> file = menus[0]->menu()->actions();
    ASSERT_EQ(file.size(), 2);
    EXPECT_EQ(file[0]->text(), "&Quit");
    EXPECT_EQ(file[0]->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Q));
    EXPECT_EQ(file[1]->text(), "About Tavrel");
    EXPECT_TRUE(file[1]->shortcut().isEmpty());

    const QList<QAction*> edit = menus[1]->menu()->actions();
    ASSERT_EQ(edit.size(), 8);
    const char* const texts[] = {"&Undo",  "",        "Cu&t", "&Copy",
                                 "&Paste", "&Delete", "",     "Select &All"};
    const QKeySequence keys[] = {QKeySequence(Qt::CTRL | Qt::Key_Z),
                                 {},
                                 QKeySequence(Qt::CTRL | Qt::Key_X),
                                 QKeySequence(Qt::CTRL | Qt::Key_C),
                                 QKeySequence(Qt::CTRL | Qt::Key_V),
                                 {},
                                 {},
                                 QKeySequence(Qt::CTRL | Qt::Key_A)};
    for (int i = 0; i < 8; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(edit[i]->isSeparator(), i == 1 || i == 6);
        if (!edit[i]->isSeparator()) {
            EXPECT_EQ(edit[i]->text(), texts[i]);
        }
        EXPECT_EQ(edit[i]->shortcut(), keys[i]);
    }
    EXPECT_EQ(edit[1]->objectName(), "EditSeparator1");
    EXPECT_EQ(edit[6]->objectName(), "EditSeparator2");
}

}  // namespace
