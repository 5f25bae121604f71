// The About window: opened by the About item and by the accessor, one at a time, closed by its
// button, built afresh afterwards.

#include "app/AboutWin.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QCoreApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>

#include "app/App.h"
#include "app/MainMenuBar.h"
#include "platform/core/Runtime.h"
#include "platform/ui/Window.h"
#include "support/EventLoop.h"

namespace {

using testing_support::Settle;

platform::ui::Window* OpenAbout() {
    return platform::ui::GetImplicitWindow("AboutWin.AboutWin");
}

// Each test starts and ends with no About window and its own registered application object,
// whose About item is bound as start-up binds it.
class AboutWinTest : public ::testing::Test {
protected:
    void SetUp() override {
        previous_ = platform::GetAppObject();
        CloseAbout();
        platform::RuntimeRegisterAppObject(&app_);
        app_.AddMenuHandler("FileAboutTavrel", [] { return App().FileAboutTavrel_Action(); });
    }
    void TearDown() override {
        CloseAbout();
        platform::RuntimeRegisterAppObject(previous_);
    }
    static void CloseAbout() {
        if (platform::ui::Window* open = OpenAbout()) {
            open->Close();
        }
        Settle();
    }

    tavrel::App app_;
    platform::Application* previous_ = nullptr;
};

TEST_F(AboutWinTest, TheAboutItemOpensOneWindowAndTheHandlerReturnsFalse) {
    auto main = std::make_shared<platform::ui::Window>();
    main->Constructor();
    main->MenuBar(MainMenuBar());
    QAction* about = main->QtMenuBar()->findChild<QAction*>("FileAboutTavrel");
    ASSERT_NE(about, nullptr);
    ASSERT_EQ(OpenAbout(), nullptr);

    about->trigger();
    platform::ui::Window* opened = OpenAbout();
    ASSERT_NE(opened, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(opened->Frame()));
    EXPECT_TRUE(opened->Frame()->isVisible());
    EXPECT_EQ(opened->Frame()->windowTitle(), "About Tavrel");

    about->trigger();
    EXPECT_EQ(OpenAbout(), opened) << "no second About window";
    EXPECT_FALSE(App().FileAboutTavrel_Action());
    EXPECT_EQ(&AboutWin(), opened);
    EXPECT_EQ(&AboutWin(), &AboutWin());
}

TEST_F(AboutWinTest, IsBuiltFromItsLists) {
    tavrel::AboutWin& about = AboutWin();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(about.Frame()));
    EXPECT_EQ(about.ContentArea()->size(), QSize(298, 96));
    EXPECT_EQ(about.MenuBar(), nullptr) << "the About window has no menu bar of its own";
    QLabel* label = about.Label1().QtLabel();
    EXPECT_EQ(label->geometry(), QRect(20, 20, 283, 32)) << "reaching past the right edge";
    EXPECT_TRUE(label->text().startsWith("Version 1.0  "));
    EXPECT_TRUE(label->wordWrap());
    QPushButton* button = about.PushButton1().QtButton();
    EXPECT_EQ(button->geometry(), QRect(107, 64, 80, 20));
    EXPECT_EQ(button->text(), "Close");
    EXPECT_TRUE(button->isDefault());
    EXPECT_FALSE(about.Frame()->windowFlags().testFlag(Qt::WindowFullscreenButtonHint));
    EXPECT_TRUE(about.Frame()->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_NE(about.Frame()->minimumSize(), about.Frame()->maximumSize()) << "resizeable";
}

TEST_F(AboutWinTest, CloseButtonClosesItAndTheNextUseBuildsAFreshOne) {
    tavrel::AboutWin& first = AboutWin();
    first.Show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(first.Frame()));
    first.Frame()->resize(520, 300);
    QCoreApplication::processEvents();
    EXPECT_EQ(first.Width(), 520) << "the user's resize";

    QTest::mouseClick(first.PushButton1().QtButton(), Qt::LeftButton);
    EXPECT_EQ(OpenAbout(), nullptr);
    EXPECT_FALSE(first.IsOpen()) << "still there until the event loop takes it";
    Settle();

    tavrel::AboutWin& fresh = AboutWin();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(fresh.Frame()));
    EXPECT_EQ(fresh.Width(), 298);
    EXPECT_EQ(fresh.Height(), 96);
    EXPECT_EQ(fresh.ContentArea()->size(), QSize(298, 96));
    EXPECT_TRUE(fresh.IsOpen());
}

TEST_F(AboutWinTest, ReturnPressesTheDefaultButtonAndTheTitleBarClosesItToo) {
    tavrel::AboutWin& about = AboutWin();
    about.Show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(about.Frame()));
    QTest::keyClick(about.Frame(), Qt::Key_Return);
    EXPECT_EQ(OpenAbout(), nullptr);
    Settle();

    tavrel::AboutWin& again = AboutWin();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(again.Frame()));
    again.Frame()->close();
    EXPECT_EQ(OpenAbout(), nullptr);
    Settle();
    EXPECT_NE(&AboutWin(), nullptr);
    EXPECT_NE(OpenAbout(), nullptr);
}

}  // namespace
