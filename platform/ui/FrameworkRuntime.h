#pragma once

#include <functional>
#include <string>

namespace platform::ui {

// The runtime around the application's own start-up: it keeps the process's arguments, makes
// the Qt application when asked to initialise the framework, runs the event loop, runs the
// finalisers at the end and gives the process's exit status.

// What the desktop shows for the application: the name that titles its message boxes and
// the picture shipped with the application (Picture::OpenFromApp) that is its windows' icon.
struct ApplicationIdentity {
    std::string displayName;
    std::string iconPicture;
};

// Starts the runtime; argc and argv must outlive it (main's own do). The identity is given to
// the Qt application when the framework initialises.
void RuntimeInit(int& argc, char** argv, ApplicationIdentity identity = {});

// Makes the Qt application (a GuardedApplication, unless one exists already), gives it the
// identity RuntimeInit was given, installs the Qt
// dialog backend (unless another backend is installed), then calls lateStartup once. An
// exception from lateStartup passes on.
void RunFrameworkInitialization(const std::function<void()>& lateStartup);

// The framework's event loop; returns when the application quits.
void RuntimeRun();

// Adds a finaliser; RuntimePerformFinalizers runs them, the latest added first.
void RuntimeAddFinalizer(std::function<void()> finalizer);

// Runs the finalisers, then ends the framework: the Qt application made by
// RunFrameworkInitialization goes away, and the windows still open with it. An exception from
// a finaliser is reported and the others still run.
void RuntimePerformFinalizers();

// Marks the run as failed: an exception ended start-up before the event loop could run.
void RuntimeStartupFailed();

// The process's exit status: the event loop's result, or 1 when start-up failed.
int RuntimeExit();

}  // namespace platform::ui
