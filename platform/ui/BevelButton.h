#pragma once

#include <string>

#include "platform/ui/Control.h"

class QPushButton;

namespace platform::ui {

// A bevelled button over a QPushButton; a click raises Action, and so do Space, Return and
// Enter while the button has the focus.
class BevelButton : public Control {
public:
    explicit BevelButton(Window& window);

    std::string_view PropertyClassName() const override { return "BevelButton"; }

    const std::string& Caption() const { return caption_; }
    void Caption(std::string caption);
    bool HasBackColor() const { return hasBackColor_; }
    void HasBackColor(bool value);
    ColorBytes BackColor() const { return backColor_; }
    void BackColor(ColorBytes color);
    ColorBytes TextColor() const { return textColor_; }
    void TextColor(ColorBytes color);
    // Whether a click gives the button the keyboard focus; Tab reaches it either way, as a tab
    // stop.
    bool AcceptFocus() const { return acceptFocus_; }
    void AcceptFocus(bool value);

    QPushButton* QtButton() const;

protected:
    void ApplyProperty(std::string_view name, const PropertyValue& value) override;

private:
    void UpdatePalette();

    std::string caption_;
    bool hasBackColor_ = false;
    ColorBytes backColor_{};
    ColorBytes textColor_{};
    bool acceptFocus_ = true;
};

}  // namespace platform::ui
