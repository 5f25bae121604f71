#include "platform/ui/Label.h"

#include <QLabel>

#include "platform/ui/Colors.h"
#include "platform/ui/ControlWidget.h"
#include "platform/ui/StoredValues.h"

namespace platform::ui {

namespace {

using LabelWidget = ControlWidget<QLabel>;

}  // namespace

Label::Label(Window& window) : Control(window, new LabelWidget, {"MouseDown"}) {
    static_cast<LabelWidget*>(Widget())->Attach(this);
    QtLabel()->setTextFormat(Qt::PlainText);
    Update();
}

QLabel* Label::QtLabel() const {
    return static_cast<QLabel*>(Widget());
}

void Label::Text(std::string text) {
    text_ = std::move(text);
    Update();
}

void Label::MultiLine(bool value) {
    multiLine_ = value;
    Update();
}

void Label::TextAlign(std::int64_t value) {
    textAlign_ = value;
    Update();
}

void Label::TextColor(ColorBytes color) {
    textColor_ = color;
    QPalette palette = QtLabel()->palette();
    palette.setColor(QPalette::WindowText, ToQColor(color));
    QtLabel()->setPalette(palette);
}

void Label::Selectable(bool value) {
    selectable_ = value;
    QtLabel()->setTextInteractionFlags(value ? Qt::TextSelectableByMouse : Qt::NoTextInteraction);
}

QString Label::ShownText() const {
    QString shown = QString::fromStdString(text_);
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    shown.replace(QChar(u'\r'), QChar(u'\n'));
    if (!multiLine_) {
        while (shown.endsWith(QChar(u'\n'))) {
            shown.chop(1);
        }
        shown.replace(QChar(u'\n'), QChar(u' '));
    }
    return shown;
}

void Label::Update() {
    QLabel* label = QtLabel();
    label->setWordWrap(multiLine_);
    label->setAlignment(HorizontalAlignment(textAlign_) |
                        (multiLine_ ? Qt::AlignTop : Qt::AlignVCenter));
    label->setText(ShownText());
}

void Label::ApplyProperty(std::string_view name, const PropertyValue& value) {
    if (name == "Text") {
        Text(StringValue(name, value));
    } else if (name == "MultiLine") {
        MultiLine(BooleanValue(name, value));
    } else if (name == "TextAlign") {
        TextAlign(IntegerValue(name, value));
    } else if (name == "TextColor") {
        TextColor(ColorValue(name, value));
    } else if (name == "Selectable") {
        Selectable(BooleanValue(name, value));
    } else if (!ApplyTextStyle(name, value)) {
        Control::ApplyProperty(name, value);
    }
}

}  // namespace platform::ui
