#include "app/App.h"

#include "app/AboutWin.h"

#include "platform/core/Exceptions.h"
#include "platform/core/Runtime.h"

namespace tavrel {

App::App() {
    Init();
}

App::~App() {
    Exit();
}

void App::Init() {
    endTimeArray = platform::StringList();
    secondsArray = platform::StringList();
    startTimeArray = platform::StringList();
    textArray = platform::StringList();
}

void App::Exit() {
    endTimeArray.RemoveAll();
    lastSecs.clear();
    lineBreakSymbol.clear();
    secondsArray.RemoveAll();
    srtName.clear();
    startTimeArray.RemoveAll();
    textArray.RemoveAll();
}

void App::Constructor() {}

bool App::FileAboutTavrel_Action() {
    ::AboutWin().Show();
    return false;
}

}  // namespace tavrel

tavrel::App& App() {
    auto* app = dynamic_cast<tavrel::App*>(platform::GetAppObject());
    if (app == nullptr) {
        throw platform::NilObjectException("There is no application object.");
    }
    return *app;
}
