#include "platform/ui/FrameworkRuntime.h"

#include <exception>
#include <memory>
#include <utility>
#include <vector>

#include <QIcon>
#include <QPixmap>

#include "platform/core/Memory.h"
#include "platform/data/DialogBackend.h"
#include "platform/data/EventDispatch.h"
#include "platform/ui/GuardedApplication.h"
#include "platform/ui/Picture.h"
#include "platform/ui/QtDialogBackend.h"
#include "platform/ui/Window.h"

namespace platform::ui {

namespace {

struct RuntimeState {
    int* argc = nullptr;
    char** argv = nullptr;
    ApplicationIdentity identity;
    std::unique_ptr<GuardedApplication> application;  // only when the runtime made it
    std::unique_ptr<QtDialogBackend> dialogs;
    std::vector<std::function<void()>> finalizers;
    int exitStatus = 0;
    bool startupFailed = false;
};

RuntimeState& State() {
    static RuntimeState state;
    return state;
}

void ApplyIdentity(const ApplicationIdentity& identity) {
    if (!identity.displayName.empty()) {
        QGuiApplication::setApplicationDisplayName(QString::fromStdString(identity.displayName));
    }
    if (const auto icon = Picture::OpenFromApp(identity.iconPicture)) {
        QGuiApplication::setWindowIcon(QIcon(QPixmap::fromImage(icon->Image())));
    }
}

}  // namespace

void RuntimeInit(int& argc, char** argv, ApplicationIdentity identity) {
    ShareOneHeapAmongThreads();  // before Qt starts its threads
    RuntimeState& state = State();
    state.argc = &argc;
    state.argv = argv;
    state.identity = std::move(identity);
    state.exitStatus = 0;
    state.startupFailed = false;
}

void RunFrameworkInitialization(const std::function<void()>& lateStartup) {
    RuntimeState& state = State();
    if (QCoreApplication::instance() == nullptr) {
        static int noArguments = 0;
        state.application = std::make_unique<GuardedApplication>(
            state.argc != nullptr ? *state.argc : noArguments, state.argv);
    }
    ApplyIdentity(state.identity);
    if (InstalledDialogBackend() == nullptr) {
        state.dialogs = std::make_unique<QtDialogBackend>();
        InstallDialogBackend(state.dialogs.get());
    }
    lateStartup();
}

void RuntimeRun() {
    State().exitStatus = GuardedApplication::RunEventLoop();
}

void RuntimeAddFinalizer(std::function<void()> finalizer) {
    State().finalizers.push_back(std::move(finalizer));
}

void RuntimePerformFinalizers() {
    RuntimeState& state = State();
    while (!state.finalizers.empty()) {
        const std::function<void()> finalizer = std::move(state.finalizers.back());
        state.finalizers.pop_back();
        CallHandler(finalizer);
    }
    if (state.dialogs) {
        InstallDialogBackend(nullptr);
        state.dialogs.reset();
    }
    state.application.reset();
}

void RuntimeStartupFailed() {
    State().startupFailed = true;
}

int RuntimeExit() {
    return State().startupFailed ? 1 : State().exitStatus;
}

}  // namespace platform::ui
