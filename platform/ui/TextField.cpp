#include "platform/ui/TextField.h"

#include <QLineEdit>

#include "platform/ui/Colors.h"
#include "platform/ui/StoredValues.h"

namespace platform::ui {

TextField::TextField(Window& window) : Control(window, new QLineEdit, {}) {
    SetObserver(this);
    QObject::connect(QtLineEdit(), &QLineEdit::textChanged, QtLineEdit(),
                     [this](const QString& shown) {
                         std::string text = shown.toStdString();
                         if (text != Text()) {
                             TextEditedByUser(std::move(text));
                         }
                     });
}

TextField::~TextField() {
    SetObserver(nullptr);
}

QLineEdit* TextField::QtLineEdit() const {
    return static_cast<QLineEdit*>(Widget());
}

void TextField::TextFieldChanged() {
    const QString text = QString::fromStdString(Text());
    if (QtLineEdit()->text() != text) {
        QtLineEdit()->setText(text);
    }
}

void TextField::Alignment(std::int64_t value) {
    alignment_ = value;
    QtLineEdit()->setAlignment(HorizontalAlignment(value) | Qt::AlignVCenter);
}

void TextField::Border(bool value) {
    border_ = value;
    QtLineEdit()->setFrame(value);
}

void TextField::Password(bool value) {
    password_ = value;
    QtLineEdit()->setEchoMode(value ? QLineEdit::Password : QLineEdit::Normal);
}

void TextField::ReadOnly(bool value) {
    readOnly_ = value;
    QtLineEdit()->setReadOnly(value);
}

void TextField::LimitText(std::int64_t value) {
    limitText_ = value;
    QtLineEdit()->setMaxLength(value > 0 && value < 32767 ? static_cast<int>(value) : 32767);
}

void TextField::CueText(std::string text) {
    cueText_ = std::move(text);
    QtLineEdit()->setPlaceholderText(QString::fromStdString(cueText_));
}

void TextField::TextColor(ColorBytes color) {
    textColor_ = color;
    QPalette palette = QtLineEdit()->palette();
    palette.setColor(QPalette::Text, ToQColor(color));
    QtLineEdit()->setPalette(palette);
}

void TextField::BackColor(ColorBytes color) {
    backColor_ = color;
    QPalette palette = QtLineEdit()->palette();
    palette.setColor(QPalette::Base, ToQColor(color));
    QtLineEdit()->setPalette(palette);
}

void TextField::ApplyProperty(std::string_view name, const PropertyValue& value) {
    if (name == "Text") {
        Text(StringValue(name, value));
    } else if (name == "Alignment") {
        Alignment(IntegerValue(name, value));
    } else if (name == "Border") {
        Border(BooleanValue(name, value));
    } else if (name == "Password") {
        Password(BooleanValue(name, value));
    } else if (name == "ReadOnly") {
        ReadOnly(BooleanValue(name, value));
    } else if (name == "LimitText") {
        LimitText(IntegerValue(name, value));
    } else if (name == "CueText") {
        CueText(StringValue(name, value));
    } else if (name == "TextColor") {
        TextColor(ColorValue(name, value));
    } else if (name == "BackColor") {
        BackColor(ColorValue(name, value));
    } else if (!ApplyTextStyle(name, value)) {
        // Format, Mask, UseFocusRing, AcceptTabs and spelling are kept as set.
        Control::ApplyProperty(name, value);
    }
}

}  // namespace platform::ui
