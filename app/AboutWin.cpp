#include "app/AboutWin.h"

#include "platform/data/SetProperties.h"
#include "platform/ui/StoredPropertyList.h"

namespace tavrel {

void AboutWin::Layout() {
    platform::SetProperties(*this, platform::StoredPropertyList("AboutWin"), "AboutWin");
}

void AboutWin::CreateControls() {
    CreateControls0();
}

void AboutWin::CreateControls0() {
    AddStoredControl<platform::ui::Label>("AboutWin", "Label1");
    auto& button = AddStoredControl<platform::ui::PushButton>("AboutWin", "PushButton1");
    button.AddEventHandler("Action", [this, &button] { PushButton1_Action(button); });
}

platform::ui::Label& AboutWin::Label1() {
    return ControlByName<platform::ui::Label>("Label1");
}

platform::ui::PushButton& AboutWin::PushButton1() {
    return ControlByName<platform::ui::PushButton>("PushButton1");
}

void AboutWin::PushButton1_Action(platform::ui::PushButton&) {
    ::AboutWin().Close();
}

}  // namespace tavrel

tavrel::AboutWin& AboutWin() {
    return platform::ui::ImplicitWindow<tavrel::AboutWin>("AboutWin.AboutWin");
}
