#include "platform/ui/Rectangle.h"

#include <algorithm>

#include <QPainter>
#include <QWidget>

#include "platform/ui/Colors.h"
#include "platform/ui/ControlWidget.h"

namespace platform::ui {

namespace {

class RectangleWidget : public ControlWidget<QWidget> {
public:
protected:
    void paintEvent(QPaintEvent*) override {
        const auto* rectangle = static_cast<const Rectangle*>(control_);
        if (rectangle == nullptr) {
            return;
        }
        QPainter painter(this);
        const int w = width();
        const int h = height();
        if (!rectangle->Transparent()) {
            painter.fillRect(rect(), ToQColor(rectangle->FillColor()));
        }
        const int b =
            static_cast<int>(std::clamp<std::int64_t>(rectangle->BorderWidth(), 0, std::min(w, h)));
        if (b > 0) {
            const QColor topLeft = ToQColor(rectangle->TopLeftColor());
            const QColor bottomRight = ToQColor(rectangle->BottomRightColor());
            painter.fillRect(0, 0, w, b, topLeft);
            painter.fillRect(0, 0, b, h, topLeft);
            painter.fillRect(0, h - b, w, b, bottomRight);
            painter.fillRect(w - b, 0, b, h, bottomRight);
        }
    }
};

}  // namespace

Rectangle::Rectangle(Window& window) : Control(window, new RectangleWidget, {"MouseDown"}) {
    static_cast<RectangleWidget*>(Widget())->Attach(this);
}

void Rectangle::FillColor(ColorBytes color) {
    fillColor_ = color;
    Widget()->update();
}

void Rectangle::BorderWidth(std::int64_t width) {
    borderWidth_ = std::max<std::int64_t>(width, 0);
    Widget()->update();
}

void Rectangle::TopLeftColor(ColorBytes color) {
    topLeftColor_ = color;
    Widget()->update();
}

void Rectangle::BottomRightColor(ColorBytes color) {
    bottomRightColor_ = color;
    Widget()->update();
}

void Rectangle::Transparent(bool value) {
    transparent_ = value;
    Widget()->update();
}

void Rectangle::ApplyProperty(std::string_view name, const PropertyValue& value) {
    if (name == "FillColor") {
        FillColor(ColorValue(name, value));
    } else if (name == "BorderWidth") {
        BorderWidth(IntegerValue(name, value));
    } else if (name == "TopLeftColor") {
        TopLeftColor(ColorValue(name, value));
    } else if (name == "BottomRightColor") {
        BottomRightColor(ColorValue(name, value));
    } else if (name == "Transparent") {
        Transparent(BooleanValue(name, value));
    } else {
        Control::ApplyProperty(name, value);
    }
}

}  // namespace platform::ui
