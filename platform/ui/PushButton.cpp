#include "platform/ui/PushButton.h"

#include <QPushButton>
#include <QShortcut>

#include "platform/ui/Window.h"

namespace platform::ui {

namespace {

QShortcut* KeyFor(QPushButton* button, Qt::Key key) {
    // Window-wide, made on the content area so that it goes with the window.
    auto* shortcut = new QShortcut(QKeySequence(key), button->parentWidget());
    shortcut->setContext(Qt::WindowShortcut);
    QObject::connect(shortcut, &QShortcut::activated, button, [button] {
        if (button->isVisible() && button->isEnabled()) {
            button->click();
        }
    });
    return shortcut;
}

}  // namespace

PushButton::PushButton(Window& window) : Control(window, new QPushButton, {"Action"}) {
    QtButton()->setAutoDefault(false);
    QObject::connect(QtButton(), &QPushButton::clicked, QtButton(), [this] { RaiseAction(); });
}

PushButton::~PushButton() {
    delete returnKey_.data();
    delete enterKey_.data();
    delete escapeKey_.data();
}

QPushButton* PushButton::QtButton() const {
    return static_cast<QPushButton*>(Widget());
}

void PushButton::Caption(std::string caption) {
    caption_ = std::move(caption);
    QtButton()->setText(QString::fromStdString(caption_));
}

void PushButton::Default(bool value) {
    default_ = value;
    QtButton()->setDefault(value);
    if (value && returnKey_ == nullptr) {
        returnKey_ = KeyFor(QtButton(), Qt::Key_Return);
        enterKey_ = KeyFor(QtButton(), Qt::Key_Enter);
    } else if (!value) {
        delete returnKey_.data();
        delete enterKey_.data();
    }
}

void PushButton::Cancel(bool value) {
    cancel_ = value;
    if (value && escapeKey_ == nullptr) {
        escapeKey_ = KeyFor(QtButton(), Qt::Key_Escape);
    } else if (!value) {
        delete escapeKey_.data();
    }
}

void PushButton::Push() {
    QtButton()->click();
}

void PushButton::ApplyProperty(std::string_view name, const PropertyValue& value) {
    if (name == "Caption") {
        Caption(StringValue(name, value));
    } else if (name == "Default") {
        Default(BooleanValue(name, value));
    } else if (name == "Cancel") {
        Cancel(BooleanValue(name, value));
    } else if (!ApplyTextStyle(name, value)) {
        // ButtonStyle is kept as set: every push button here has the one frame.
        Control::ApplyProperty(name, value);
    }
}

}  // namespace platform::ui
