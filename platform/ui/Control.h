#pragma once

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include <QPointer>
#include <QWidget>

#include "platform/data/DesignObject.h"

namespace platform::ui {

class Window;

// A control of a window, over one Qt widget that lies in the window's content area. Position
// and size are in the content area's coordinates. The window owns its controls; a control's
// widget goes with it.
//
// Events are bound by name: "Action" (no arguments, no result) and "MouseDown" (the press's
// x and y in the control, a Boolean result: True claims the press). A handler runs through the
// exception-safe dispatch, so nothing it raises reaches Qt's event loop.
class Control : public DesignObject {
public:
    using ActionHandler = std::function<void()>;
    using MouseDownHandler = std::function<bool(std::int64_t x, std::int64_t y)>;

    ~Control() override;

    std::string DesignName() const override;

    QWidget* Widget() const { return widget_; }
    Window& Owner() const { return window_; }

    const std::string& Name() const { return name_; }
    void Name(std::string name) { name_ = std::move(name); }

    std::int64_t Left() const { return left_; }
    void Left(std::int64_t left);
    std::int64_t Top() const { return top_; }
    void Top(std::int64_t top);
    std::int64_t Width() const { return width_; }
    void Width(std::int64_t width);
    std::int64_t Height() const { return height_; }
    void Height(std::int64_t height);

    // As the control was set; the widget is seen only while its window is shown too.
    bool Visible() const { return visible_; }
    void Visible(bool visible);
    bool Enabled() const { return enabled_; }
    void Enabled(bool enabled);

    std::int64_t TabIndex() const { return tabIndex_; }
    void TabIndex(std::int64_t index) { tabIndex_ = index; }
    // As the control was set. Tab reaches a control that takes the keyboard focus only while
    // it is a tab stop, visible and at least partly inside its window's content area: the user
    // could not see what they type into one outside it.
    bool TabStop() const { return tabStop_; }
    void TabStop(bool value);

    // Sets which ways the widget takes the focus (see TabStop); the window calls it when its
    // content area changes size.
    void UpdateFocusPolicy();

    // The tip shown while the pointer rests on the control.
    const std::string& HelpTag() const { return helpTag_; }
    void HelpTag(std::string text);

    // Binds handler to the event named event. Raises RuntimeException when the control's class
    // raises no event of that name with that kind of handler.
    void AddEventHandler(std::string_view event, ActionHandler handler);
    void AddEventHandler(std::string_view event, MouseDownHandler handler);

    // Raise the events, as the widget does when the user acts; an unbound event does nothing.
    void RaiseAction();
    // The handler's result; False when none is bound or the handler raised an exception.
    bool RaiseMouseDown(std::int64_t x, std::int64_t y);

protected:
    // widget becomes a child of window's content area. events: the names of the events the
    // class raises.
    Control(Window& window, QWidget* widget, std::initializer_list<std::string_view> events);

    void ApplyProperty(std::string_view name, const PropertyValue& value) override;

    // Whether the control takes the keyboard focus at all (as its widget did when made), and
    // whether a click gives it the focus (true unless told).
    void TakesFocus(bool value);
    void ClickFocus(bool value);

    // For classes that draw text: handles Bold, Italic, Underline, TextFont ("System": the
    // application's font), TextSize (0: the default size; otherwise in points of the stored
    // geometry, one point to a logical pixel) and TextUnit; false for any other name.
    bool ApplyTextStyle(std::string_view name, const PropertyValue& value);

private:
    void CheckEvent(std::string_view event) const;
    void UpdateFont();

    Window& window_;
    QPointer<QWidget> widget_;
    std::vector<std::string_view> events_;
    std::string name_;
    std::int64_t left_ = 0;
    std::int64_t top_ = 0;
    std::int64_t width_ = 0;
    std::int64_t height_ = 0;
    bool visible_ = true;
    bool enabled_ = true;
    std::int64_t tabIndex_ = 0;
    bool tabStop_ = true;
    bool takesFocus_ = false;
    bool clickFocus_ = true;
    std::string helpTag_;
    std::string fontName_ = "System";
    float fontSize_ = 0.0F;
    bool bold_ = false;
    bool italic_ = false;
    bool underline_ = false;
    ActionHandler action_;
    MouseDownHandler mouseDown_;
};

}  // namespace platform::ui
