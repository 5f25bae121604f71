#include "app/App.h"

#include <gtest/gtest.h>

#include "platform/core/Runtime.h"

namespace {

// Registers a fresh application object for one test and takes it away again afterwards.
class AppTest : public ::testing::Test {
protected:
    void SetUp() override { previous_ = platform::GetAppObject(); }
    void TearDown() override { platform::RuntimeRegisterAppObject(previous_); }

    platform::Application* previous_ = nullptr;
};

TEST_F(AppTest, ANewObjectStartsWithItsListsAndTextsEmpty) {
    tavrel::App app;
    app.Constructor();
    EXPECT_EQ(app.startTimeArray.Ubound(), -1);
    EXPECT_EQ(app.endTimeArray.Ubound(), -1);
    EXPECT_EQ(app.textArray.Ubound(), -1);
    EXPECT_EQ(app.secondsArray.Ubound(), -1);
    EXPECT_EQ(app.srtName, "");
    EXPECT_EQ(app.lineBreakSymbol, "");
    EXPECT_EQ(app.lastSecs, "");
}

TEST_F(AppTest, TheAccessorReturnsTheRegisteredObjectEveryTime) {
    tavrel::App app;
    platform::RuntimeRegisterAppObject(&app);
    EXPECT_EQ(&App(), &app);
    App().srtName = "movie.srt";
    EXPECT_EQ(App().srtName, "movie.srt");
    EXPECT_EQ(&App(), &App());
}

TEST_F(AppTest, TheAccessorRaisesWhileNoApplicationObjectIsRegistered) {
    platform::RuntimeRegisterAppObject(nullptr);
    EXPECT_THROW(App(), platform::NilObjectException);
    platform::Application someOtherApplication;
    platform::RuntimeRegisterAppObject(&someOtherApplication);
    EXPECT_THROW(App(), platform::NilObjectException);
}

}  // namespace
