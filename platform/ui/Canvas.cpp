#include "platform/ui/Canvas.h"

#include <QPainter>
#include <QWidget>

#include "platform/ui/ControlWidget.h"

namespace platform::ui {

namespace {

class CanvasWidget : public ControlWidget<QWidget> {
protected:
    void paintEvent(QPaintEvent*) override {
        const auto* canvas = static_cast<const Canvas*>(control_);
        if (canvas == nullptr) {
            return;
        }
        QPainter painter(this);
        if (canvas->EraseBackground() && !canvas->Transparent()) {
            painter.fillRect(rect(), palette().color(QPalette::Window));
        }
        const std::shared_ptr<Picture> picture = canvas->Backdrop();
        if (picture == nullptr || picture->Image().isNull()) {
            return;
        }
        const QImage& image = picture->Image();
        QSize target = image.size();
        target.scale(size(), Qt::KeepAspectRatio);
        const QRect into((width() - target.width()) / 2, (height() - target.height()) / 2,
                         target.width(), target.height());
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(into, image);
    }
};

}  // namespace

Canvas::Canvas(Window& window) : Control(window, new CanvasWidget, {"MouseDown"}) {
    static_cast<CanvasWidget*>(Widget())->Attach(this);
}

void Canvas::Backdrop(std::shared_ptr<Picture> picture) {
    backdrop_ = std::move(picture);
    Widget()->update();
}

void Canvas::EraseBackground(bool value) {
    eraseBackground_ = value;
    Widget()->update();
}

void Canvas::Transparent(bool value) {
    transparent_ = value;
    Widget()->update();
}

void Canvas::ApplyProperty(std::string_view name, const PropertyValue& value) {
    if (name == "EraseBackground") {
        EraseBackground(BooleanValue(name, value));
    } else if (name == "Transparent") {
        Transparent(BooleanValue(name, value));
    } else if (name == "AcceptFocus") {
        TakesFocus(BooleanValue(name, value));
    } else {
        Control::ApplyProperty(name, value);
    }
}

}  // namespace platform::ui
