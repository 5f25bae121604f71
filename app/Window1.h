#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "engine/EngineHost.h"
#include "platform/data/ApplicationMenuItem.h"
#include "platform/data/MenuItem.h"
#include "platform/data/QuitMenuItem.h"
#include "platform/ui/BevelButton.h"
#include "platform/ui/Canvas.h"
#include "platform/ui/Label.h"
#include "platform/ui/Listbox.h"
#include "platform/ui/Rectangle.h"
#include "platform/ui/TextField.h"
#include "platform/ui/Window.h"

namespace tavrel {

// The main window: the description, the seconds field with its caption, the button "Open SRT
// and Retime It!", the logo and the framed link text; the cue list lies in Listbox1, outside
// the visible area. Its appearance comes from its stored property lists. It is the engine's
// host: the engine reads the offset from TextField1 and keeps the cue list in Listbox1.
class Window1 : public platform::ui::Window, public engine::EngineHost {
public:
    // The page the link text opens.
    static constexpr std::string_view kLinkAddress =
        "https://tavrel.example.org/frame-rate-converter.html";

    // Installs the application's menu bar, then applies the window's own list.
    void Layout() override;
    void CreateControls() override;
    // Makes the eight controls in tab order, each with its list and handler.
    virtual void CreateControls0();

    // The controls, looked up by name on every call.
    platform::ui::Label& Label2();
    platform::ui::BevelButton& BevelButton1();
    platform::ui::TextField& TextField1() override;
    platform::ui::Label& Label1();
    platform::ui::Rectangle& Rectangle1();
    platform::ui::Label& Label3();
    platform::ui::Listbox& Listbox1() override;
    platform::ui::Canvas& Canvas1();

    // Handlers of the controls' events. A MouseDown handler never claims the press.
    void BevelButton1_Action(platform::ui::BevelButton& button);
    bool Rectangle1_MouseDown(platform::ui::Rectangle& rectangle, std::int64_t x, std::int64_t y);
    bool Label3_MouseDown(platform::ui::Label& label, std::int64_t x, std::int64_t y);
    bool Canvas1_MouseDown(platform::ui::Canvas& canvas, std::int64_t x, std::int64_t y);

    // The items of the window's menu bar, looked up by name on every call.
    std::shared_ptr<platform::MenuItem> EditMenu();
    std::shared_ptr<platform::MenuItem> EditSelectAll();
    std::shared_ptr<platform::MenuItem> EditSeparator2();
    std::shared_ptr<platform::MenuItem> EditClear();
    std::shared_ptr<platform::MenuItem> EditPaste();
    std::shared_ptr<platform::MenuItem> EditCopy();
    std::shared_ptr<platform::MenuItem> EditCut();
    std::shared_ptr<platform::MenuItem> EditSeparator1();
    std::shared_ptr<platform::MenuItem> EditUndo();
    std::shared_ptr<platform::MenuItem> FileMenu();
    std::shared_ptr<platform::ApplicationMenuItem> FileAboutTavrel();
    std::shared_ptr<platform::QuitMenuItem> FileQuit();

    // The window's Open event: nothing to do, the lists have made the window as it opens.
    void Event_Open();

    // The engine's operations, on this window's cue list and offset.
    void DoSRT();
    void ImportSRT();
    std::string ReturnTimecodeSRT(double seconds);
    std::string TimecodeSRTImport(std::string_view timecode);

    // The application object's properties, for the engine.
    engine::AppProperties& App() override;

protected:
    void Open() override { Event_Open(); }

private:
    template <typename Item>
    std::shared_ptr<Item> MenuItemNamed(std::string_view name);
};

}  // namespace tavrel

// The open main window, or a new one when none is open.
tavrel::Window1& Window1();
