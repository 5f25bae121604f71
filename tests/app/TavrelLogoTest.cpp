// The logo accessor: loaded once and kept; while missing, every call tries again.

#include "app/TavrelLogo762x.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

namespace {

// Points the picture lookup at an empty folder and forgets the loaded logo for one test.
class TavrelLogoTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(empty_.isValid());
        kept_ = tavrel::logo::pic;
        tavrel::logo::pic = nullptr;
    }
    void TearDown() override {
        tavrel::logo::pic = kept_;
        if (!previousFolder_.empty()) {
            platform::ui::Picture::SetAppPictureFolder(previousFolder_);
        }
    }
    void HidePictures() {
        previousFolder_ =
            platform::ui::Picture::SetAppPictureFolder(empty_.path().toStdString() + "/");
    }
    void ShowPictures() {
        platform::ui::Picture::SetAppPictureFolder(previousFolder_);
        previousFolder_.clear();
    }

    QTemporaryDir empty_;
    std::string previousFolder_;
    std::shared_ptr<platform::ui::Picture> kept_;
};

TEST_F(TavrelLogoTest, AMissingLogoGivesNoPictureAndIsTriedAgain) {
    HidePictures();
    EXPECT_EQ(TavrelLogo762x(), nullptr);
    EXPECT_EQ(TavrelLogo762x(), nullptr);
    EXPECT_EQ(tavrel::logo::pic, nullptr);
    ShowPictures();
    const auto loaded = TavrelLogo762x();
    ASSERT_NE(loaded, nullptr) << "the retry finds the picture once it is there";
    EXPECT_GE(loaded->Width(), 152);
}

TEST_F(TavrelLogoTest, OnceLoadedTheSamePictureIsKept) {
    const auto first = TavrelLogo762x();
    ASSERT_NE(first, nullptr);
    HidePictures();
    EXPECT_EQ(TavrelLogo762x(), first) << "never loaded again";
    EXPECT_EQ(TavrelLogo762x(), first);
}

}  // namespace
