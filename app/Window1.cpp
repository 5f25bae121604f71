#include "app/Window1.h"

#include "app/AboutWin.h"
#include "app/App.h"
#include "app/MainMenuBar.h"
#include "app/TavrelLogo762x.h"
#include "engine/format/Timecode.h"
#include "engine/request/DoSRT.h"
#include "engine/request/ImportSRT.h"
#include "platform/data/Dialogs.h"
#include "platform/data/SetProperties.h"
#include "platform/ui/StoredPropertyList.h"

namespace tavrel {

using platform::SetProperties;
using platform::StoredPropertyList;
namespace ui = platform::ui;

void Window1::Layout() {
    MenuBar(::MainMenuBar());
    SetProperties(*this, StoredPropertyList("Window1"), "Window1");
}

void Window1::CreateControls() {
    CreateControls0();
}

void Window1::CreateControls0() {
    constexpr std::string_view lists = "Window1";
    AddStoredControl<ui::Label>(lists, "Label2");

    auto& button = AddStoredControl<ui::BevelButton>(lists, "BevelButton1");
    button.AddEventHandler("Action", [this, &button] { BevelButton1_Action(button); });

    AddStoredControl<ui::TextField>(lists, "TextField1");
    AddStoredControl<ui::Label>(lists, "Label1");

    auto& rectangle = AddStoredControl<ui::Rectangle>(lists, "Rectangle1");
    rectangle.AddEventHandler("MouseDown", [this, &rectangle](std::int64_t x, std::int64_t y) {
        return Rectangle1_MouseDown(rectangle, x, y);
    });

    auto& link = AddStoredControl<ui::Label>(lists, "Label3");
    link.AddEventHandler("MouseDown", [this, &link](std::int64_t x, std::int64_t y) {
        return Label3_MouseDown(link, x, y);
    });

    AddStoredControl<ui::Listbox>(lists, "Listbox1");

    auto& logo = AddStoredControl<ui::Canvas>(
        lists, "Canvas1", [](ui::Canvas& canvas) { canvas.Backdrop(::TavrelLogo762x()); });
    logo.AddEventHandler("MouseDown", [this, &logo](std::int64_t x, std::int64_t y) {
        return Canvas1_MouseDown(logo, x, y);
    });
}

ui::Label& Window1::Label2() {
    return ControlByName<ui::Label>("Label2");
}
ui::BevelButton& Window1::BevelButton1() {
    return ControlByName<ui::BevelButton>("BevelButton1");
}
ui::TextField& Window1::TextField1() {
    return ControlByName<ui::TextField>("TextField1");
}
ui::Label& Window1::Label1() {
    return ControlByName<ui::Label>("Label1");
}
ui::Rectangle& Window1::Rectangle1() {
    return ControlByName<ui::Rectangle>("Rectangle1");
}
ui::Label& Window1::Label3() {
    return ControlByName<ui::Label>("Label3");
}
ui::Listbox& Window1::Listbox1() {
    return ControlByName<ui::Listbox>("Listbox1");
}
ui::Canvas& Window1::Canvas1() {
    return ControlByName<ui::Canvas>("Canvas1");
}

void Window1::BevelButton1_Action(ui::BevelButton&) {
    ImportSRT();
}

bool Window1::Rectangle1_MouseDown(ui::Rectangle&, std::int64_t, std::int64_t) {
    return false;
}

bool Window1::Label3_MouseDown(ui::Label&, std::int64_t, std::int64_t) {
    platform::ShowURL(kLinkAddress);
    return false;
}

bool Window1::Canvas1_MouseDown(ui::Canvas&, std::int64_t, std::int64_t) {
    ::AboutWin().Show();
    return false;
}

template <typename Item>
std::shared_ptr<Item> Window1::MenuItemNamed(std::string_view name) {
    const std::shared_ptr<platform::MenuItem> bar = MenuBar();
    if (bar == nullptr) {
        throw platform::NilObjectException(DesignName() + " has no menu bar.");
    }
    std::shared_ptr<platform::MenuItem> item = bar->Lookup(name);
    if (item == nullptr) {
        throw platform::NilObjectException("The menu bar has no item named " + std::string(name) +
                                           ".");
    }
    auto typed = std::dynamic_pointer_cast<Item>(item);
    if (typed == nullptr) {
        throw platform::RuntimeException("The menu item " + std::string(name) +
                                         " is not of the class asked for.");
    }
    return typed;
}

std::shared_ptr<platform::MenuItem> Window1::EditMenu() {
    return MenuItemNamed<platform::MenuItem>("EditMenu");
}
std::shared_ptr<platform::MenuItem> Window1::EditSelectAll() {
    return MenuItemNamed<platform::MenuItem>("EditSelectAll");
}
std::shared_ptr<platform::MenuItem> Window1::EditSeparator2() {
    return MenuItemNamed<platform::MenuItem>("EditSeparator2");
}
std::shared_ptr<platform::MenuItem> Window1::EditClear() {
    return MenuItemNamed<platform::MenuItem>("EditClear");
}
std::shared_ptr<platform::MenuItem> Window1::EditPaste() {
    return MenuItemNamed<platform::MenuItem>("EditPaste");
}
std::shared_ptr<platform::MenuItem> Window1::EditCopy() {
    return MenuItemNamed<platform::MenuItem>("EditCopy");
}
std::shared_ptr<platform::MenuItem> Window1::EditCut() {
    return MenuItemNamed<platform::MenuItem>("EditCut");
}
std::shared_ptr<platform::MenuItem> Window1::EditSeparator1() {
    return MenuItemNamed<platform::MenuItem>("EditSeparator1");
}
std::shared_ptr<platform::MenuItem> Window1::EditUndo() {
    return MenuItemNamed<platform::MenuItem>("EditUndo");
}
std::shared_ptr<platform::MenuItem> Window1::FileMenu() {
    return MenuItemNamed<platform::MenuItem>("FileMenu");
}
std::shared_ptr<platform::ApplicationMenuItem> Window1::FileAboutTavrel() {
    return MenuItemNamed<platform::ApplicationMenuItem>("FileAboutTavrel");
}
std::shared_ptr<platform::QuitMenuItem> Window1::FileQuit() {
    return MenuItemNamed<platform::QuitMenuItem>("FileQuit");
}

void Window1::Event_Open() {}

void Window1::DoSRT() {
    engine::DoSRT(*this);
}
void Window1::ImportSRT() {
    engine::ImportSRT(*this);
}
std::string Window1::ReturnTimecodeSRT(double seconds) {
    return engine::ReturnTimecodeSRT(seconds);
}
std::string Window1::TimecodeSRTImport(std::string_view timecode) {
    return engine::TimecodeSRTImport(*this, timecode);
}

engine::AppProperties& Window1::App() {
    return ::App();
}

}  // namespace tavrel

tavrel::Window1& Window1() {
    return platform::ui::ImplicitWindow<tavrel::Window1>("Window1.Window1");
}
