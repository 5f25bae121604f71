#pragma once

#include <QMouseEvent>

#include "platform/ui/Control.h"

namespace platform::ui {

// A Qt widget of class QtBase that raises its control's MouseDown on a press. A press the
// handler does not claim (False) goes on to the widget beneath, as an unhandled press would.
template <typename QtBase>
class ControlWidget : public QtBase {
public:
    ControlWidget() = default;

    // Called by the control once it exists; nullptr detaches.
    void Attach(Control* control) { control_ = control; }

protected:
    void mousePressEvent(QMouseEvent* event) override {
        const QPoint at = event->position().toPoint();
        if (control_ != nullptr && control_->RaiseMouseDown(at.x(), at.y())) {
            event->accept();
            return;
        }
        QtBase::mousePressEvent(event);
        event->ignore();
    }

    Control* control_ = nullptr;
};

}  // namespace platform::ui
