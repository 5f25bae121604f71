#include "app/MainMenuBar.h"

#include "platform/core/Exceptions.h"
#include "platform/data/ApplicationMenuItem.h"
#include "platform/data/QuitMenuItem.h"

namespace tavrel {

std::shared_ptr<MainMenuBar> MainMenuBar::implicitInstance;

namespace {

// A new item of class Item with its name, automatic enabling, text and visibility, and its
// shortcut when one is given (the empty text included).
template <typename Item>
std::shared_ptr<platform::MenuItem> NewItem(const char* name, const char* text,
                                            const char* shortcut) {
    auto item = std::make_shared<Item>();
    item->Constructor();
    item->Name(name);
    item->AutoEnable(true);
    item->Text(text);
    item->Visible(true);
    if (shortcut != nullptr) {
        item->KeyboardShortcut(shortcut);
    }
    return item;
}

void AppendTo(platform::MenuItem& bar, const char* menuName,
              std::shared_ptr<platform::MenuItem> item) {
    const std::shared_ptr<platform::MenuItem> menu = bar.Child(menuName);
    if (menu == nullptr) {
        throw platform::NilObjectException(std::string("The menu bar has no menu named ") +
                                           menuName + ".");
    }
    menu->Append(std::move(item));
}

}  // namespace

void MainMenuBar::Constructor() {
    Untitled0();
    Untitled1();
}

void MainMenuBar::Untitled0() {
    Append(NewItem<platform::MenuItem>("FileMenu", "&File", ""));
    AppendTo(*this, "FileMenu", NewItem<platform::QuitMenuItem>("FileQuit", "&Quit", "Cmd+Q"));
    AppendTo(*this, "FileMenu",
             NewItem<platform::ApplicationMenuItem>("FileAboutTavrel", "About Tavrel", ""));
}

void MainMenuBar::Untitled1() {
    Append(NewItem<platform::MenuItem>("EditMenu", "&Edit", ""));
    AppendTo(*this, "EditMenu", NewItem<platform::MenuItem>("EditUndo", "&Undo", "Cmd+Z"));
    AppendTo(*this, "EditMenu", NewItem<platform::MenuItem>("EditSeparator1", "-", nullptr));
    AppendTo(*this, "EditMenu", NewItem<platform::MenuItem>("EditCut", "Cu&t", "Cmd+X"));
    AppendTo(*this, "EditMenu", NewItem<platform::MenuItem>("EditCopy", "&Copy", "Cmd+C"));
    AppendTo(*this, "EditMenu", NewItem<platform::MenuItem>("EditPaste", "&Paste", "Cmd+V"));
    AppendTo(*this, "EditMenu", NewItem<platform::MenuItem>("EditClear", "&Delete", ""));
    AppendTo(*this, "EditMenu", NewItem<platform::MenuItem>("EditSeparator2", "-", nullptr));
    AppendTo(*this, "EditMenu",
             NewItem<platform::MenuItem>("EditSelectAll", "Select &All", "Cmd+A"));
}

}  // namespace tavrel

std::shared_ptr<tavrel::MainMenuBar> MainMenuBar() {
    if (tavrel::MainMenuBar::implicitInstance == nullptr) {
        auto bar = std::make_shared<tavrel::MainMenuBar>();
        bar->Constructor();
        tavrel::MainMenuBar::implicitInstance = std::move(bar);
    }
    return tavrel::MainMenuBar::implicitInstance;
}
