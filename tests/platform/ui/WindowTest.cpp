// Building, finding, closing windows; controls by name; events and their exception safety.

#include <gmock/gmock.h>

#include <QMainWindow>
#include <QPushButton>
#include <QTest>

#include "UiTestSupport.h"
#include "platform/core/Exceptions.h"
#include "platform/data/EventDispatch.h"
#include "platform/ui/BevelButton.h"
#include "platform/ui/Canvas.h"
#include "platform/ui/Label.h"
#include "platform/ui/PushButton.h"
#include "platform/ui/Rectangle.h"
#include "platform/ui/TextField.h"

using platform::ui::GetImplicitWindow;
using platform::ui::ImplicitWindow;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using uitest::TestWindow;

namespace {

class CountedWindow : public TestWindow {
public:
    CountedWindow() { ++alive; }
    ~CountedWindow() override { --alive; }
    static inline int alive = 0;
};

TEST(WindowTest, ConstructorRaisesLayoutThenCreateControlsThenOpen) {
    auto window = std::make_shared<TestWindow>();
    window->onCreateControls = [](TestWindow& w) {
        w.AddControl("Label1", w.NewControl<platform::ui::Label>());
    };
    window->Constructor();
    EXPECT_EQ(window->events, (std::vector<std::string>{"Layout", "CreateControls", "Open"}));
    EXPECT_NE(window->ControlByName("Label1"), nullptr);
    EXPECT_THROW(window->Constructor(), platform::RuntimeException) << "built only once";
}

TEST(WindowTest, AWindowNotOwnedBySharedPointerCannotBeBuilt) {
    TestWindow window;
    EXPECT_THROW(window.Constructor(), platform::NilObjectException);
}

TEST(WindowTest, ControlsAreFoundByNameAndClassIsVerified) {
    auto window = uitest::BuiltWindow();
    window->AddControl("Canvas1", window->NewControl<platform::ui::Canvas>());
    EXPECT_EQ(window->ControlByName("Nothing"), nullptr);
    EXPECT_NO_THROW(window->ControlByName<platform::ui::Canvas>("Canvas1"));
    EXPECT_THROW(window->ControlByName<platform::ui::Label>("Canvas1"), platform::RuntimeException);
    EXPECT_THROW(window->ControlByName<platform::ui::Label>("Label9"),
                 platform::NilObjectException);
    EXPECT_THROW(window->AddControl("Canvas1", window->NewControl<platform::ui::Canvas>()),
                 platform::RuntimeException)
        << "one control per name";
    EXPECT_EQ(window->ControlCount(), 1);
}

TEST(WindowTest, TabReachesOnlyTheControlsTheUserCanSee) {
    auto window = uitest::BuiltWindow();
    window->Width(200);
    window->Height(100);
    struct Row {
        const char* name;
        std::int64_t left, top, width, height;
        bool visible;
        bool tabStop;
        Qt::FocusPolicy expected;
    };
    const Row rows[] = {
        {"inside", 10, 10, 50, 20, true, true, Qt::StrongFocus},
        {"partly inside", -20, 90, 50, 20, true, true, Qt::StrongFocus},
        {"below", -12, 120, 250, 50, true, true, Qt::ClickFocus},
        {"right of it", 200, 0, 10, 10, true, true, Qt::ClickFocus},
        {"hidden", 10, 40, 50, 20, false, true, Qt::ClickFocus},
        {"no tab stop", 10, 70, 50, 20, true, false, Qt::ClickFocus},
    };
    for (const Row& row : rows) {
        auto& field = uitest::Added<platform::ui::TextField>(*window, row.name);
        field.Left(row.left);
        field.Top(row.top);
        field.Width(row.width);
        field.Height(row.height);
        field.Visible(row.visible);
        field.TabStop(row.tabStop);
        EXPECT_EQ(field.Widget()->focusPolicy(), row.expected) << row.name;
    }
    window->Height(130);
    EXPECT_EQ(window->ControlByName("below")->Widget()->focusPolicy(), Qt::StrongFocus)
        << "a window grown over the control lets Tab reach it";

    // A button that takes no focus on a click is still reached by Tab.
    auto& button = uitest::Added<platform::ui::BevelButton>(*window, "button", 40, 20);
    button.AcceptFocus(false);
    EXPECT_EQ(button.Widget()->focusPolicy(), Qt::TabFocus);
    auto& logo = uitest::Added<platform::ui::Canvas>(*window, "logo");
    logo.Width(40);
    EXPECT_EQ(logo.Widget()->focusPolicy(), Qt::NoFocus) << "a canvas takes no focus unless told";
}

TEST(WindowTest, ImplicitWindowIsBuiltOnceAndForgottenWhenClosed) {
    CountedWindow::alive = 0;
    CountedWindow& first = ImplicitWindow<CountedWindow>("Test.Counted");
    CountedWindow& again = ImplicitWindow<CountedWindow>("Test.Counted");
    EXPECT_EQ(&first, &again);
    EXPECT_EQ(first.events.size(), 3U) << "built once";
    EXPECT_EQ(GetImplicitWindow("Test.Counted"), &first);

    first.Close();
    EXPECT_EQ(GetImplicitWindow("Test.Counted"), nullptr);
    EXPECT_EQ(CountedWindow::alive, 1) << "released only back in the event loop";
    uitest::Settle();
    EXPECT_EQ(CountedWindow::alive, 0);

    CountedWindow& fresh = ImplicitWindow<CountedWindow>("Test.Counted");
    EXPECT_EQ(fresh.events.size(), 3U);
    fresh.Close();
    uitest::Settle();
}

TEST(WindowTest, ClosingByTheUserRemovesTheWindow) {
    TestWindow& window = ImplicitWindow<TestWindow>("Test.UserClosed");
    ASSERT_TRUE(uitest::Shown(window));
    window.Frame()->close();  // as the title bar's close button does
    EXPECT_EQ(GetImplicitWindow("Test.UserClosed"), nullptr);
    EXPECT_FALSE(window.IsOpen());
    uitest::Settle();
}

TEST(WindowTest, AWindowClosedFromItsOwnButtonOutlivesTheHandler) {
    CountedWindow::alive = 0;
    CountedWindow& window = ImplicitWindow<CountedWindow>("Test.SelfClosing");
    auto& button = uitest::Added<platform::ui::PushButton>(window, "PushButton1", 80, 20);
    std::string seenAfterClose;
    button.AddEventHandler("Action", [&] {
        ImplicitWindow<CountedWindow>("Test.SelfClosing").Close();
        // The window and its controls are still there while this handler runs.
        seenAfterClose = window.ControlByName("PushButton1")->Name();
    });
    ASSERT_TRUE(uitest::Shown(window));
    QTest::mouseClick(button.QtButton(), Qt::LeftButton);
    EXPECT_EQ(seenAfterClose, "PushButton1");
    EXPECT_EQ(GetImplicitWindow("Test.SelfClosing"), nullptr);
    uitest::Settle();
    EXPECT_EQ(CountedWindow::alive, 0);
}

TEST(WindowTest, ExceptionFromAHandlerIsReportedAndTheApplicationGoesOn) {
    uitest::ScriptedDialogs dialogs;
    auto window = uitest::BuiltWindow();
    auto& button = uitest::Added<platform::ui::BevelButton>(*window, "BevelButton1", 174, 22);
    int presses = 0;
    button.AddEventHandler("Action", [&] {
        ++presses;
        if (presses == 1) {
            throw platform::OutOfBoundsException("Row 7 does not exist.");
        }
    });
    ASSERT_TRUE(uitest::Shown(*window));
    QTest::mouseClick(button.QtButton(), Qt::LeftButton);
    EXPECT_THAT(dialogs.Messages(), ElementsAre(HasSubstr("Row 7 does not exist.")));
    QTest::mouseClick(button.QtButton(), Qt::LeftButton);
    EXPECT_EQ(presses, 2) << "the button still works";
    EXPECT_EQ(dialogs.Messages().size(), 1U);
}

TEST(WindowTest, MouseDownPassesThePointAndReturnsTheHandlersResult) {
    uitest::ScriptedDialogs dialogs;
    auto window = uitest::BuiltWindow();
    auto& box = uitest::Added<platform::ui::Rectangle>(*window, "Rectangle1", 100, 50);
    std::int64_t seenX = -1;
    std::int64_t seenY = -1;
    box.AddEventHandler("MouseDown", [&](std::int64_t x, std::int64_t y) {
        seenX = x;
        seenY = y;
        return true;
    });
    ASSERT_TRUE(uitest::Shown(*window));
    QTest::mouseClick(box.Widget(), Qt::LeftButton, {}, QPoint(30, 12));
    EXPECT_EQ(seenX, 30);
    EXPECT_EQ(seenY, 12);
    EXPECT_TRUE(box.RaiseMouseDown(1, 2));

    box.AddEventHandler("MouseDown", [](std::int64_t, std::int64_t) -> bool {
        throw platform::NilObjectException();
    });
    EXPECT_FALSE(box.RaiseMouseDown(1, 2)) << "a failed handler claims nothing";
    EXPECT_EQ(dialogs.Messages().size(), 1U);
}

TEST(WindowTest, EventsAreBoundByTheirNamesOnly) {
    auto window = uitest::BuiltWindow();
    auto& label = uitest::Added<platform::ui::Label>(*window, "Label3");
    EXPECT_THROW(label.AddEventHandler("Action", [] {}), platform::RuntimeException);
    EXPECT_THROW(label.AddEventHandler("Click", [](std::int64_t, std::int64_t) { return false; }),
                 platform::RuntimeException);
    EXPECT_NO_THROW(
        label.AddEventHandler("MouseDown", [](std::int64_t, std::int64_t) { return false; }));
}

TEST(WindowTest, UnhandledExceptionHandlerCanBeReplaced) {
    std::vector<std::string> seen;
    auto previous = platform::SetUnhandledExceptionHandler(
        [&](std::exception_ptr error) { seen.push_back(platform::ExceptionReport(error)); });
    EXPECT_FALSE(platform::CallHandler([] { throw std::runtime_error("disk gone"); }));
    EXPECT_TRUE(platform::CallHandler([] {}));
    platform::SetUnhandledExceptionHandler(previous);
    EXPECT_THAT(seen, ElementsAre(HasSubstr("disk gone")));
}

}  // namespace
