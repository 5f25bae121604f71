#include "app/Startup.h"

#include <exception>
#include <memory>

#include "app/App.h"
#include "app/MainMenuBar.h"
#include "app/Window1.h"
#include "platform/core/Runtime.h"
#include "platform/data/EventDispatch.h"
#include "platform/ui/FrameworkRuntime.h"

namespace tavrel {

platform::ui::ApplicationIdentity Identity() {
    return {.displayName = "Tavrel", .iconPicture = "TavrelLogo762x"};
}

void Main() {
    try {
        EarlyStartup();
        platform::ui::RunFrameworkInitialization(LateStartup);
        platform::ui::RuntimeRun();
    } catch (...) {
        // Nothing after the failing step runs: no framework, no main window or no event loop.
        platform::UnhandledException(std::current_exception());
        platform::ui::RuntimeStartupFailed();
    }
}

void EarlyStartup() {
    InitFileTypes();
    NewAppInstance();
    ApplicationAddMenuHandlers();
}

void InitFileTypes() {
    // Tavrel opens and saves SRT files through its dialogs only; it declares no document types.
}

void NewAppInstance() {
    auto app = std::make_shared<tavrel::App>();
    app->Constructor();
    app->MenuBar(::MainMenuBar());
    platform::RuntimeRegisterAppObject(app.get());
    // The runtime keeps the application object until its finalisers run.
    platform::ui::RuntimeAddFinalizer([app]() mutable {
        platform::RuntimeRegisterAppObject(nullptr);
        app.reset();
    });
}

void ApplicationAddMenuHandlers() {
    ::App().AddMenuHandler("FileAboutTavrel", [] { return ::App().FileAboutTavrel_Action(); });
}

void LateStartup() {
    MakeDefaultView();
}

void MakeDefaultView() {
    // The window shows itself: its property list makes it visible.
    ::Window1();
}

}  // namespace tavrel
