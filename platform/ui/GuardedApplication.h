#pragma once

#include <QApplication>

namespace platform::ui {

// The Qt application object of the program: an exception that a Qt event handler lets escape
// (one the event dispatch of controls and menus did not already catch) goes to the platform's
// UnhandledException instead of through Qt's event loop, and the application goes on.
class GuardedApplication : public QApplication {
public:
    GuardedApplication(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;

    // Runs the event loop until the application quits; returns its exit code.
    static int RunEventLoop();
};

}  // namespace platform::ui
