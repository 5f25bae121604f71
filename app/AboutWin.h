#pragma once

#include "platform/ui/Label.h"
#include "platform/ui/PushButton.h"
#include "platform/ui/Window.h"

namespace tavrel {

// The About window: the version line and a default button "Close". At most one is open at a
// time, reached through the accessor AboutWin(); its appearance comes from its stored property
// lists.
class AboutWin : public platform::ui::Window {
public:
    // The window's own list.
    void Layout() override;
    void CreateControls() override;
    // Makes Label1, then PushButton1, each with its list; binds the button's handler.
    virtual void CreateControls0();

    platform::ui::Label& Label1();
    platform::ui::PushButton& PushButton1();

    // Closes the About window.
    void PushButton1_Action(platform::ui::PushButton& button);
};

}  // namespace tavrel

// The open About window, or a new one when none is open.
tavrel::AboutWin& AboutWin();
