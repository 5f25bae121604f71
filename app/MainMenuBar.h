#pragma once

#include <memory>

#include "platform/data/MenuBar.h"

namespace tavrel {

// The application's one menu bar: File (Quit, About Tavrel) and Edit (Undo, Cut, Copy, Paste,
// Delete, Select All, in three groups). Built once, by the accessor MainMenuBar(), and shared by
// the application and the main window.
class MainMenuBar : public platform::MenuBar {
public:
    // Builds the File menu, then the Edit menu; takes the place of the base's constructor.
    void Constructor() override;

    // The File menu.
    virtual void Untitled0();
    // The Edit menu.
    virtual void Untitled1();

    // The one instance; empty until the accessor has built it.
    static std::shared_ptr<MainMenuBar> implicitInstance;
};

}  // namespace tavrel

// The one menu bar, built on the first call. A build that fails stores nothing, so the next
// call builds again from the start.
std::shared_ptr<tavrel::MainMenuBar> MainMenuBar();
