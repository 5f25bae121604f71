#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include <QPointer>

#include "platform/core/Exceptions.h"
#include "platform/data/DesignObject.h"
#include "platform/data/MenuItem.h"
#include "platform/ui/Control.h"

class QMainWindow;
class QMenuBar;
class QWidget;

namespace platform::ui {

// A top-level window over a Qt main window: an optional menu bar above the content area that
// holds the controls. Width and Height are the content area's size.
//
// Making a window takes two steps, since a base constructor cannot reach the derived class:
// make the object with std::make_shared, then call Constructor(), which raises the window's
// events Layout, then CreateControls, keeps the window as its class's implicit instance (when a
// class name is given) and raises Open. ImplicitWindow<W>() does both for an accessor.
//
// Closing a window, by the user or by Close(), hides it and removes it from the implicit
// instances at once; the object itself is released only when control is back in the event
// loop, so a window closed from one of its own handlers lives until that handler has returned.
class Window : public DesignObject, public std::enable_shared_from_this<Window> {
public:
    Window();
    ~Window() override;

    std::string_view PropertyClassName() const override { return "Window"; }
    std::string DesignName() const override;

    // Builds the window (see above). implicitClassName ("AboutWin.AboutWin") is the name under
    // which GetImplicitWindow finds it while it is open; empty keeps it out of the registry.
    // Raises NilObjectException unless the window is owned by a std::shared_ptr.
    void Constructor(std::string_view implicitClassName = {});

    void Show();
    void Hide();
    void Close();
    // False once the window has been closed.
    bool IsOpen() const { return !closed_; }

    // The window's menu bar; setting it builds the window's Qt menus from the tree.
    std::shared_ptr<MenuItem> MenuBar() const { return menuBar_; }
    void MenuBar(std::shared_ptr<MenuItem> bar);

    const std::string& Title() const { return title_; }
    void Title(std::string title);
    std::int64_t Width() const { return width_; }
    void Width(std::int64_t width);
    std::int64_t Height() const { return height_; }
    void Height(std::int64_t height);
    std::int64_t MinWidth() const { return minWidth_; }
    void MinWidth(std::int64_t value);
    std::int64_t MinHeight() const { return minHeight_; }
    void MinHeight(std::int64_t value);
    std::int64_t MaxWidth() const { return maxWidth_; }
    void MaxWidth(std::int64_t value);
    std::int64_t MaxHeight() const { return maxHeight_; }
    void MaxHeight(std::int64_t value);
    bool Resizeable() const { return resizeable_; }
    void Resizeable(bool value);
    bool Visible() const;
    void Visible(bool visible);
    bool CloseButton() const { return closeButton_; }
    void CloseButton(bool value);
    bool MinimizeButton() const { return minimizeButton_; }
    void MinimizeButton(bool value);
    bool MaximizeButton() const { return maximizeButton_; }
    void MaximizeButton(bool value);
    bool MenuBarVisible() const { return menuBarVisible_; }
    void MenuBarVisible(bool value);
    bool HasBackColor() const { return hasBackColor_; }
    void HasBackColor(bool value);
    ColorBytes BackColor() const { return backColor_; }
    void BackColor(ColorBytes color);

    // A new control of class C in this window's content area, not yet added by name.
    template <typename C>
    std::unique_ptr<C> NewControl() {
        return std::make_unique<C>(*this);
    }

    // Keeps control under name (which also becomes its Name) and returns it. Raises
    // NilObjectException for a missing control, RuntimeException when the name is taken.
    Control& AddControl(std::string name, std::unique_ptr<Control> control);

    // The control added under name, or nullptr.
    Control* ControlByName(std::string_view name) const;

    // The control added under name as a C; raises NilObjectException when there is none and
    // RuntimeException when it is of another class.
    template <typename C>
    C& ControlByName(std::string_view name) const {
        Control* control = ControlByName(name);
        if (control == nullptr) {
            throw NilObjectException(DesignName() + " has no control named " + std::string(name) +
                                     ".");
        }
        auto* typed = dynamic_cast<C*>(control);
        if (typed == nullptr) {
            throw RuntimeException(DesignName() + ": the control " + std::string(name) + " is a " +
                                   std::string(control->PropertyClassName()) +
                                   ", not the class asked for.");
        }
        return *typed;
    }

    // Builds one control from the application's stored lists: makes a C, adds it under name,
    // fetches it back by that name, lets prepare act on it (what goes before the list, such
    // as a canvas's backdrop), then applies the stored list "<listOwner>.<name>".
    template <typename C>
    C& AddStoredControl(std::string_view listOwner, const std::string& name,
                        const std::function<void(C&)>& prepare = {}) {
        AddControl(name, NewControl<C>());
        C& control = ControlByName<C>(name);
        if (prepare) {
            prepare(control);
        }
        ApplyStoredList(control, listOwner);
        return control;
    }

    std::int64_t ControlCount() const { return static_cast<std::int64_t>(controls_.size()); }

    // The Qt side, for the platform layer and tests.
    QMainWindow* Frame() const;
    QWidget* ContentArea() const;
    QMenuBar* QtMenuBar() const;

    // Called by the Qt frame.
    void FrameClosedByUser();
    void ContentResized(int width, int height);

protected:
    // The window's events, raised by Constructor. A class that builds its window overrides them.
    virtual void Layout() {}
    virtual void CreateControls() {}
    virtual void Open() {}

    void ApplyProperty(std::string_view name, const PropertyValue& value) override;

private:
    struct Entry {
        std::string name;
        std::unique_ptr<Control> control;
    };

    // Applies the stored list "<listOwner>.<the control's name>" to control.
    static void ApplyStoredList(Control& control, std::string_view listOwner);
    int MenuBarHeight() const;
    void ApplyGeometry();
    void ApplyFlags();
    std::vector<Control*> ControlsInTabOrder() const;
    void ApplyTabOrder();
    // The user can type at once: the first text field that Tab reaches takes the keyboard
    // focus, its text selected so that what is typed replaces it. Until the window is active,
    // Qt keeps the focus for it.
    void FocusFirstTextField();
    void UpdateControlsFocus();

    QPointer<QMainWindow> frame_;
    QPointer<QWidget> content_;
    QPointer<QMenuBar> qtMenuBar_;
    std::shared_ptr<MenuItem> menuBar_;
    std::vector<Entry> controls_;
    std::string implicitName_;
    std::string title_;
    std::int64_t width_ = 300;
    std::int64_t height_ = 300;
    std::int64_t minWidth_ = 64;
    std::int64_t minHeight_ = 64;
    std::int64_t maxWidth_ = 32000;
    std::int64_t maxHeight_ = 32000;
    bool resizeable_ = true;
    bool visible_ = false;
    bool closeButton_ = true;
    bool minimizeButton_ = true;
    bool maximizeButton_ = true;
    bool menuBarVisible_ = true;
    bool hasBackColor_ = false;
    ColorBytes backColor_{{0xFF, 0xFF, 0xFF, 0x00}};
    bool constructed_ = false;
    bool closed_ = false;
};

// The open window kept under className by Constructor, or nullptr.
Window* GetImplicitWindow(std::string_view className);

// The open implicit window of class W under className; when there is none, a new W, built.
template <typename W>
W& ImplicitWindow(std::string_view className) {
    if (Window* open = GetImplicitWindow(className)) {
        if (auto* typed = dynamic_cast<W*>(open)) {
            return *typed;
        }
        throw RuntimeException("The open window " + std::string(className) +
                               " is of another class.");
    }
    auto window = std::make_shared<W>();
    window->Constructor(className);
    return *window;  // kept by the registry until it is closed
}

}  // namespace platform::ui
