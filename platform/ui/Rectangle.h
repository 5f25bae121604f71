#pragma once

#include "platform/ui/Control.h"

namespace platform::ui {

// A filled rectangle with a border: the top and left edges in TopLeftColor, the bottom and
// right edges in BottomRightColor, BorderWidth pixels wide. Raises MouseDown.
class Rectangle : public Control {
public:
    explicit Rectangle(Window& window);

    std::string_view PropertyClassName() const override { return "Rectangle"; }

    ColorBytes FillColor() const { return fillColor_; }
    void FillColor(ColorBytes color);
    std::int64_t BorderWidth() const { return borderWidth_; }
    void BorderWidth(std::int64_t width);
    ColorBytes TopLeftColor() const { return topLeftColor_; }
    void TopLeftColor(ColorBytes color);
    ColorBytes BottomRightColor() const { return bottomRightColor_; }
    void BottomRightColor(ColorBytes color);
    // A transparent rectangle draws its border only.
    bool Transparent() const { return transparent_; }
    void Transparent(bool value);

protected:
    void ApplyProperty(std::string_view name, const PropertyValue& value) override;

private:
    ColorBytes fillColor_{{0xFF, 0xFF, 0xFF, 0x00}};
    std::int64_t borderWidth_ = 1;
    ColorBytes topLeftColor_{};
    ColorBytes bottomRightColor_{};
    bool transparent_ = false;
};

}  // namespace platform::ui
