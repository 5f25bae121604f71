#pragma once

#include <memory>

#include "platform/ui/Control.h"
#include "platform/ui/Picture.h"

namespace platform::ui {

// A drawing area that shows its Backdrop picture scaled into its bounds (keeping the
// picture's proportions, centred). Raises MouseDown.
class Canvas : public Control {
public:
    explicit Canvas(Window& window);

    std::string_view PropertyClassName() const override { return "Canvas"; }

    std::shared_ptr<Picture> Backdrop() const { return backdrop_; }
    void Backdrop(std::shared_ptr<Picture> picture);

    // A canvas that erases its background fills it with the window colour before drawing,
    // unless it is transparent.
    bool EraseBackground() const { return eraseBackground_; }
    void EraseBackground(bool value);
    bool Transparent() const { return transparent_; }
    void Transparent(bool value);

protected:
    void ApplyProperty(std::string_view name, const PropertyValue& value) override;

private:
    std::shared_ptr<Picture> backdrop_;
    bool eraseBackground_ = true;
    bool transparent_ = false;
};

}  // namespace platform::ui
