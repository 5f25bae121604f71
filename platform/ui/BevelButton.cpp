#include "platform/ui/BevelButton.h"

#include <QKeyEvent>
#include <QPushButton>

#include "platform/ui/Colors.h"

namespace platform::ui {

namespace {

// A QPushButton outside a dialog answers Space only; the keyboard user expects Return and
// Enter to press the focused button too.
class KeyboardPushButton : public QPushButton {
protected:
    void keyPressEvent(QKeyEvent* event) override {
        const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
        if (enter && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
            event->accept();
            click();
            return;
        }
        QPushButton::keyPressEvent(event);
    }
};

}  // namespace

BevelButton::BevelButton(Window& window) : Control(window, new KeyboardPushButton, {"Action"}) {
    QObject::connect(QtButton(), &QPushButton::clicked, QtButton(), [this] { RaiseAction(); });
}

QPushButton* BevelButton::QtButton() const {
    return static_cast<QPushButton*>(Widget());
}

void BevelButton::Caption(std::string caption) {
    caption_ = std::move(caption);
    QtButton()->setText(QString::fromStdString(caption_));
}

void BevelButton::HasBackColor(bool value) {
    hasBackColor_ = value;
    UpdatePalette();
}

void BevelButton::BackColor(ColorBytes color) {
    backColor_ = color;
    UpdatePalette();
}

void BevelButton::TextColor(ColorBytes color) {
    textColor_ = color;
    UpdatePalette();
}

void BevelButton::AcceptFocus(bool value) {
    acceptFocus_ = value;
    ClickFocus(value);
}

void BevelButton::UpdatePalette() {
    QPalette palette = QtButton()->palette();
    palette.setColor(QPalette::ButtonText, ToQColor(textColor_));
    if (hasBackColor_) {
        palette.setColor(QPalette::Button, ToQColor(backColor_));
    } else {
        palette.setColor(QPalette::Button, QPalette().color(QPalette::Button));
    }
    QtButton()->setPalette(palette);
}

void BevelButton::ApplyProperty(std::string_view name, const PropertyValue& value) {
    if (name == "Caption") {
        Caption(StringValue(name, value));
    } else if (name == "HasBackColor") {
        HasBackColor(BooleanValue(name, value));
    } else if (name == "BackColor") {
        BackColor(ColorValue(name, value));
    } else if (name == "TextColor") {
        TextColor(ColorValue(name, value));
    } else if (name == "AcceptFocus") {
        AcceptFocus(BooleanValue(name, value));
    } else if (!ApplyTextStyle(name, value)) {
        // CaptionAlign, Bevel, ButtonType and the other appearance values are kept as set.
        Control::ApplyProperty(name, value);
    }
}

}  // namespace platform::ui
