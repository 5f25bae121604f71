// Applying property lists to real Qt-backed windows and controls.

#include <gmock/gmock.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>

#include "UiTestSupport.h"
#include "platform/data/SetProperties.h"
#include "platform/ui/Canvas.h"
#include "platform/ui/Label.h"
#include "platform/ui/PushButton.h"
#include "platform/ui/Rectangle.h"
#include "platform/ui/TextField.h"
#include "support/MessageOf.h"

using platform::ColorBytes;
using platform::PropertyValue;
using platform::SetProperties;
using uitest::BuiltWindow;
using uitest::List;

namespace {

const char* const kWindowList = R"(class Window
Width Integer 400
Height Integer 359
MinWidth Integer 64
MinHeight Integer 64
MaxWidth Integer 32000
MaxHeight Integer 32000
Frame Integer 0
Title String "Tavrel"
CloseButton Boolean True
Resizeable Boolean False
MaximizeButton Boolean False
MinimizeButton Boolean True
FullScreenButton Boolean False
Composite Boolean False
MacProcID Integer 0
Placement Integer 0
Visible Boolean True
LiveResize Boolean True
FullScreen Boolean False
HasBackColor Boolean False
BackColor Color FF FF FF 00
MenuBarVisible Boolean True
)";

TEST(SetPropertiesTest, WindowListSizesTitlesFixesAndShowsTheWindow) {
    auto window = BuiltWindow();
    SetProperties(*window, List(kWindowList));
    QMainWindow* frame = window->Frame();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(frame));
    EXPECT_TRUE(frame->isVisible());
    EXPECT_EQ(frame->windowTitle(), "Tavrel");
    EXPECT_EQ(window->ContentArea()->size(), QSize(400, 359));
    EXPECT_EQ(frame->minimumSize(), frame->maximumSize()) << "not resizeable means a fixed size";
    EXPECT_FALSE(frame->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_TRUE(frame->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_TRUE(frame->windowFlags().testFlag(Qt::WindowCloseButtonHint));
    // Design-time values without an effect here are kept and readable.
    const PropertyValue* procId = window->DesignValue("MACPROCID");
    ASSERT_NE(procId, nullptr);
    EXPECT_EQ(std::get<std::int64_t>(*procId), 0);
    const PropertyValue* liveResize = window->DesignValue("LiveResize");
    ASSERT_NE(liveResize, nullptr);
    EXPECT_TRUE(std::get<bool>(*liveResize));
    window->Close();
}

TEST(SetPropertiesTest, EntriesTakeEffectInStoredOrder) {
    auto window = BuiltWindow();
    // Width twice: the later entry wins, and the window is resizeable within its limits.
    SetProperties(*window, List(R"(class Window
Width Integer 500
Height Integer 200
MinWidth Integer 300
Width Integer 250
Resizeable Boolean True
)"));
    EXPECT_EQ(window->Width(), 250);
    EXPECT_EQ(window->Frame()->minimumWidth(), 300);
    EXPECT_NE(window->Frame()->minimumSize(), window->Frame()->maximumSize());
}

TEST(SetPropertiesTest, LabelListGivesGeometryTextFontAndColour) {
    auto window = BuiltWindow();
    auto& label = uitest::Added<platform::ui::Label>(*window, "Label2");
    SetProperties(label, List(R"(class Label
Name String "Label2"
Index Integer -2147483648
Left Integer 25
Top Integer 19
Width Integer 366
Height Integer 76
LockLeft Boolean True
TabIndex Integer 0
Text String "Tavrel simply adds seconds."
TextAlign Integer 2
TextColor Color 00 00 80 00
Multiline Boolean True
Enabled Boolean True
Visible Boolean True
TextFont String "System"
TextSize Single 12.0
TextUnit FontUnits 0
Bold Boolean True
Italic Boolean False
Underline Boolean False
)"));
    QLabel* shown = label.QtLabel();
    EXPECT_EQ(shown->geometry(), QRect(25, 19, 366, 76));
    EXPECT_EQ(shown->parentWidget(), window->ContentArea());
    EXPECT_EQ(shown->text(), "Tavrel simply adds seconds.");
    EXPECT_TRUE(shown->wordWrap());
    EXPECT_TRUE(shown->alignment().testFlag(Qt::AlignHCenter));
    EXPECT_EQ(shown->font().pixelSize(), 12) << "a point of the layout is a logical pixel";
    EXPECT_TRUE(shown->font().bold());
    EXPECT_EQ(shown->font().family(), QApplication::font().family());
    EXPECT_EQ(shown->palette().color(QPalette::WindowText), QColor(0, 0, 0x80));
    EXPECT_EQ(label.Name(), "Label2");
    EXPECT_EQ(window->ControlByName("Label2"), &label);
    const PropertyValue* index = label.DesignValue("Index");
    ASSERT_NE(index, nullptr);
    EXPECT_EQ(std::get<std::int64_t>(*index), -2147483648LL);
}

TEST(SetPropertiesTest, ZeroTextSizeKeepsTheDefaultSize) {
    auto window = BuiltWindow();
    auto& label = uitest::Added<platform::ui::Label>(*window, "Label1");
    SetProperties(label, List("class Label\nTextFont String \"System\"\nTextSize Single 0.0\n"));
    EXPECT_EQ(label.QtLabel()->font().pointSizeF(), QApplication::font().pointSizeF());
}

TEST(SetPropertiesTest, CarriageReturnIsALineBreakNeverAGlyph) {
    auto window = BuiltWindow();
    auto& multi = uitest::Added<platform::ui::Label>(*window, "Label3");
    SetProperties(multi, List("class Label\nMultiline Boolean True\n"
                              "Text String \"Try our other tool.\\rClick here.\"\n"));
    EXPECT_EQ(multi.QtLabel()->text(), "Try our other tool.\nClick here.");
    EXPECT_EQ(multi.Text(), "Try our other tool.\rClick here.") << "the control keeps the CR";

    auto& single = uitest::Added<platform::ui::Label>(*window, "Label1");
    SetProperties(single, List("class Label\nText String \"Seconds to add:\\r\"\n"
                               "Multiline Boolean False\n"));
    EXPECT_EQ(single.Text().size(), 16U);
    EXPECT_EQ(single.QtLabel()->text(), "Seconds to add:");
    EXPECT_FALSE(single.QtLabel()->text().contains(QChar(u'\r')));
}

TEST(SetPropertiesTest, TextFieldAndButtonsTakeTheirLists) {
    auto window = BuiltWindow();
    auto& field = uitest::Added<platform::ui::TextField>(*window, "TextField1");
    SetProperties(field, List(R"(class TextField
Left Integer 134
Top Integer 101
Width Integer 43
Height Integer 22
Border Boolean True
TextColor Color 00 00 00 00
BackColor Color FF FF FF 00
Text String "3"
Alignment Integer 3
ReadOnly Boolean False
)"));
    EXPECT_EQ(field.QtLineEdit()->geometry(), QRect(134, 101, 43, 22));
    EXPECT_EQ(field.QtLineEdit()->text(), "3");
    EXPECT_EQ(field.Text(), "3");
    EXPECT_TRUE(field.QtLineEdit()->alignment().testFlag(Qt::AlignRight));

    auto& button = uitest::Added<platform::ui::PushButton>(*window, "PushButton1");
    SetProperties(button, List(R"(class PushButton
Left Integer 107
Top Integer 64
Width Integer 80
Height Integer 20
Caption String "Close"
Default Boolean True
Cancel Boolean False
Enabled Boolean False
ButtonStyle ButtonFrameStyle 5
)"));
    EXPECT_EQ(button.QtButton()->geometry(), QRect(107, 64, 80, 20));
    EXPECT_EQ(button.QtButton()->text(), "Close");
    EXPECT_TRUE(button.QtButton()->isDefault());
    EXPECT_FALSE(button.QtButton()->isEnabled());
    ASSERT_NE(button.DesignValue("ButtonStyle"), nullptr);
    EXPECT_EQ(std::get<std::int64_t>(*button.DesignValue("ButtonStyle")), 5);
}

TEST(SetPropertiesTest, RectangleDrawsItsFillAndBorder) {
    auto window = BuiltWindow();
    auto& box = uitest::Added<platform::ui::Rectangle>(*window, "Rectangle1");
    SetProperties(box, List(R"(class Rectangle
Left Integer 20
Top Integer 281
Width Integer 356
Height Integer 56
FillColor Color FF FF FF 00
BorderWidth Integer 3
TopLeftColor Color FF 00 00 00
BottomRightColor Color 00 00 FF 00
)"));
    EXPECT_EQ(box.Widget()->geometry(), QRect(20, 281, 356, 56));
    const QImage image = box.Widget()->grab().toImage();
    const qreal ratio = image.devicePixelRatio();
    auto at = [&](int x, int y) {
        return image.pixelColor(static_cast<int>(x * ratio), static_cast<int>(y * ratio));
    };
    EXPECT_EQ(at(1, 20), QColor(0xFF, 0, 0)) << "left edge";
    EXPECT_EQ(at(100, 28), QColor(0xFF, 0xFF, 0xFF)) << "fill";
    EXPECT_EQ(at(354, 28), QColor(0, 0, 0xFF)) << "right edge";
    EXPECT_EQ(at(100, 55), QColor(0, 0, 0xFF)) << "bottom edge";
}

TEST(SetPropertiesTest, ABadListAppliesNothing) {
    auto window = BuiltWindow();
    auto& label = uitest::Added<platform::ui::Label>(*window, "Label1");
    std::string list = List("class Label\nLeft Integer 40\nText String \"kept\"\n");
    list.resize(list.size() - 2);  // the String's bytes cut short
    EXPECT_THROW(SetProperties(label, list), platform::PropertyListError);
    EXPECT_EQ(label.Left(), 0);
    EXPECT_EQ(label.Text(), "");
}

TEST(SetPropertiesTest, UndeclaredNameOrWrongTypeIsRefusedByName) {
    auto window = BuiltWindow();
    auto& canvas = uitest::Added<platform::ui::Canvas>(*window, "Canvas1");
    EXPECT_THAT(testing_support::MessageOf<platform::RuntimeException>(
                    [&] { canvas.SetPropertyValue("Text", PropertyValue(std::string("x"))); }),
                ::testing::HasSubstr("Text"))
        << "a canvas has no Text";
    EXPECT_THROW(canvas.SetPropertyValue("Width", PropertyValue(true)), platform::RuntimeException);
    canvas.SetPropertyValue("width", PropertyValue(std::int64_t{152}));
    EXPECT_EQ(canvas.Width(), 152);
}

}  // namespace
