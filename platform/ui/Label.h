#pragma once

#include <string>

#include "platform/ui/Control.h"

class QLabel;

namespace platform::ui {

// A text label over a QLabel; raises MouseDown. Its text is shown as plain text; a carriage
// return (or CR LF, or LF) is a line break in a multi-line label and a blank in a single-line
// one, where trailing line ends are dropped. Text keeps exactly what was set.
class Label : public Control {
public:
    explicit Label(Window& window);

    std::string_view PropertyClassName() const override { return "Label"; }

    const std::string& Text() const { return text_; }
    void Text(std::string text);
    bool MultiLine() const { return multiLine_; }
    void MultiLine(bool value);
    // 0 default (left), 1 left, 2 centre, 3 right.
    std::int64_t TextAlign() const { return textAlign_; }
    void TextAlign(std::int64_t value);
    ColorBytes TextColor() const { return textColor_; }
    void TextColor(ColorBytes color);
    bool Selectable() const { return selectable_; }
    void Selectable(bool value);

    // The text as the label shows it.
    QString ShownText() const;
    QLabel* QtLabel() const;

protected:
    void ApplyProperty(std::string_view name, const PropertyValue& value) override;

private:
    void Update();

    std::string text_;
    bool multiLine_ = false;
    std::int64_t textAlign_ = 0;
    ColorBytes textColor_{};
    bool selectable_ = false;
};

}  // namespace platform::ui
