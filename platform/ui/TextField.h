#pragma once

#include <string>

#include "platform/data/TextField.h"
#include "platform/ui/Control.h"

class QLineEdit;

namespace platform::ui {

// A one-line text field over a QLineEdit. It is the engine's platform::TextField: text set by
// code shows in the field, and what the user types is the data's text at once.
class TextField : public ::platform::TextField, public Control, private TextFieldObserver {
public:
    explicit TextField(Window& window);
    ~TextField() override;

    std::string_view PropertyClassName() const override { return "TextField"; }

    // 0 default (left), 1 left, 2 centre, 3 right.
    std::int64_t Alignment() const { return alignment_; }
    void Alignment(std::int64_t value);
    bool Border() const { return border_; }
    void Border(bool value);
    bool Password() const { return password_; }
    void Password(bool value);
    bool ReadOnly() const { return readOnly_; }
    void ReadOnly(bool value);
    // The most characters the field takes; 0 for no limit.
    std::int64_t LimitText() const { return limitText_; }
    void LimitText(std::int64_t value);
    const std::string& CueText() const { return cueText_; }
    void CueText(std::string text);
    ColorBytes TextColor() const { return textColor_; }
    void TextColor(ColorBytes color);
    ColorBytes BackColor() const { return backColor_; }
    void BackColor(ColorBytes color);

    QLineEdit* QtLineEdit() const;

protected:
    void ApplyProperty(std::string_view name, const PropertyValue& value) override;

private:
    void TextFieldChanged() override;

    std::int64_t alignment_ = 0;
    bool border_ = true;
    bool password_ = false;
    bool readOnly_ = false;
    std::int64_t limitText_ = 0;
    std::string cueText_;
    ColorBytes textColor_{};
    ColorBytes backColor_{{0xFF, 0xFF, 0xFF, 0x00}};
};

}  // namespace platform::ui
