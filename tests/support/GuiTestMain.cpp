// main() for the test executables that build real windows: one application object for the whole
// run (the program's own guarded one), on Qt's offscreen platform unless the caller chose
// another platform. Each run keeps Qt's settings (the file dialog's remembered state among them)
// in a folder of its own, so that test processes running side by side never wait for one
// another's settings lock and never touch the user's own settings.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "platform/ui/GuardedApplication.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QTemporaryDir home;
    if (home.isValid()) {
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.filePath("config")));
        qputenv("XDG_CACHE_HOME", QFile::encodeName(home.filePath("cache")));
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(home.path()));
    }
    platform::ui::GuardedApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
