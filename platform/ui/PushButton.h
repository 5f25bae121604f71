#pragma once

#include <string>

#include <QPointer>

#include "platform/ui/Control.h"

class QPushButton;
class QShortcut;

namespace platform::ui {

// A push button over a QPushButton; a click raises Action. The Default button is also pressed
// by Return or Enter in its window, the Cancel button by Escape.
class PushButton : public Control {
public:
    explicit PushButton(Window& window);
    ~PushButton() override;

    std::string_view PropertyClassName() const override { return "PushButton"; }

    const std::string& Caption() const { return caption_; }
    void Caption(std::string caption);
    bool Default() const { return default_; }
    void Default(bool value);
    bool Cancel() const { return cancel_; }
    void Cancel(bool value);

    // Presses the button as a click would.
    void Push();

    QPushButton* QtButton() const;

protected:
    void ApplyProperty(std::string_view name, const PropertyValue& value) override;

private:
    std::string caption_;
    bool default_ = false;
    bool cancel_ = false;
    QPointer<QShortcut> returnKey_;
    QPointer<QShortcut> enterKey_;
    QPointer<QShortcut> escapeKey_;
};

}  // namespace platform::ui
