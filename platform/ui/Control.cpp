#include "platform/ui/Control.h"

#include <algorithm>

#include <QApplication>
#include <QFont>

#include "platform/core/Exceptions.h"
#include "platform/data/EventDispatch.h"
#include "platform/ui/StoredValues.h"
#include "platform/ui/Window.h"

namespace platform::ui {

Control::Control(Window& window, QWidget* widget, std::initializer_list<std::string_view> events)
    : window_(window),
      widget_(widget),
      events_(events),
      takesFocus_(widget->focusPolicy() != Qt::NoFocus) {
    widget_->setParent(window.ContentArea());
    widget_->show();
    UpdateFocusPolicy();
}

Control::~Control() {
    delete widget_.data();
}

std::string Control::DesignName() const {
    return name_.empty() ? std::string(PropertyClassName()) : name_;
}

void Control::Left(std::int64_t left) {
    left_ = left;
    widget_->move(ToInt(left_), ToInt(top_));
    UpdateFocusPolicy();
}

void Control::Top(std::int64_t top) {
    top_ = top;
    widget_->move(ToInt(left_), ToInt(top_));
    UpdateFocusPolicy();
}

void Control::Width(std::int64_t width) {
    width_ = std::max<std::int64_t>(width, 0);
    widget_->resize(ToInt(width_), ToInt(height_));
    UpdateFocusPolicy();
}

void Control::Height(std::int64_t height) {
    height_ = std::max<std::int64_t>(height, 0);
    widget_->resize(ToInt(width_), ToInt(height_));
    UpdateFocusPolicy();
}

void Control::Visible(bool visible) {
    visible_ = visible;
    widget_->setVisible(visible);
    UpdateFocusPolicy();
}

void Control::Enabled(bool enabled) {
    enabled_ = enabled;
    widget_->setEnabled(enabled);
}

void Control::TabStop(bool value) {
    tabStop_ = value;
    UpdateFocusPolicy();
}

void Control::TakesFocus(bool value) {
    takesFocus_ = value;
    if (!value) {
        widget_->setFocusPolicy(Qt::NoFocus);
    }
    UpdateFocusPolicy();
}

void Control::ClickFocus(bool value) {
    clickFocus_ = value;
    UpdateFocusPolicy();
}

void Control::UpdateFocusPolicy() {
    if (!takesFocus_) {
        return;
    }
    const QRect area(ToInt(left_), ToInt(top_), ToInt(width_), ToInt(height_));
    const QRect content(0, 0, ToInt(window_.Width()), ToInt(window_.Height()));
    const bool byTab = tabStop_ && visible_ && area.intersects(content);
    if (byTab && clickFocus_) {
        widget_->setFocusPolicy(Qt::StrongFocus);
    } else {
        widget_->setFocusPolicy(byTab ? Qt::TabFocus : clickFocus_ ? Qt::ClickFocus : Qt::NoFocus);
    }
}

void Control::HelpTag(std::string text) {
    helpTag_ = std::move(text);
    widget_->setToolTip(QString::fromStdString(helpTag_));
}

void Control::CheckEvent(std::string_view event) const {
    if (std::find(events_.begin(), events_.end(), event) == events_.end()) {
        throw RuntimeException(DesignName() + ": class " + std::string(PropertyClassName()) +
                               " raises no event named " + std::string(event) + ".");
    }
}

void Control::AddEventHandler(std::string_view event, ActionHandler handler) {
    CheckEvent(event);
    if (event != "Action") {
        throw RuntimeException(DesignName() + ": the event " + std::string(event) +
                               " takes a handler with other arguments.");
    }
    action_ = std::move(handler);
}

void Control::AddEventHandler(std::string_view event, MouseDownHandler handler) {
    CheckEvent(event);
    if (event != "MouseDown") {
        throw RuntimeException(DesignName() + ": the event " + std::string(event) +
                               " takes a handler with other arguments.");
    }
    mouseDown_ = std::move(handler);
}

void Control::RaiseAction() {
    if (action_) {
        // A copy, so that a handler that rebinds the event runs to its end.
        const ActionHandler handler = action_;
        CallHandler(handler);
    }
}

bool Control::RaiseMouseDown(std::int64_t x, std::int64_t y) {
    if (!mouseDown_) {
        return false;
    }
    const MouseDownHandler handler = mouseDown_;
    return CallHandler([&] { return handler(x, y); }, false);
}

void Control::ApplyProperty(std::string_view name, const PropertyValue& value) {
    if (name == "Left") {
        Left(IntegerValue(name, value));
    } else if (name == "Top") {
        Top(IntegerValue(name, value));
    } else if (name == "Width") {
        Width(IntegerValue(name, value));
    } else if (name == "Height") {
        Height(IntegerValue(name, value));
    } else if (name == "Visible") {
        Visible(BooleanValue(name, value));
    } else if (name == "Enabled") {
        Enabled(BooleanValue(name, value));
    } else if (name == "Name") {
        Name(StringValue(name, value));
    } else if (name == "TabIndex") {
        TabIndex(IntegerValue(name, value));
    } else if (name == "TabStop") {
        TabStop(BooleanValue(name, value));
    } else if (name == "HelpTag") {
        HelpTag(StringValue(name, value));
    }
    // The anchoring (LockLeft, ...) and the other design-time values are kept, not acted on.
}

bool Control::ApplyTextStyle(std::string_view name, const PropertyValue& value) {
    if (name == "Bold") {
        bold_ = BooleanValue(name, value);
    } else if (name == "Italic") {
        italic_ = BooleanValue(name, value);
    } else if (name == "Underline") {
        underline_ = BooleanValue(name, value);
    } else if (name == "TextFont") {
        fontName_ = StringValue(name, value);
    } else if (name == "TextSize") {
        fontSize_ = SingleValue(name, value);
    } else if (name == "TextUnit") {
        return true;  // sizes are points here whatever the unit says
    } else {
        return false;
    }
    UpdateFont();
    return true;
}

void Control::UpdateFont() {
    QFont font = QApplication::font();
    if (!fontName_.empty() && fontName_ != "System") {
        font.setFamily(QString::fromStdString(fontName_));
    }
    if (fontSize_ > 0.0F) {
        // Sizes are in the same units as the stored geometry (a point is one logical pixel),
        // so that text sized for a control fits it.
        font.setPixelSize(std::max(1, static_cast<int>(fontSize_ + 0.5F)));
    }
    font.setBold(bold_);
    font.setItalic(italic_);
    font.setUnderline(underline_);
    widget_->setFont(font);
}

}  // namespace platform::ui
