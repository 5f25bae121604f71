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
    EmptyLists();
}

void App::Exit() {
    EmptyLists();
    lastSecs.clear();
    lineBreakSymbol.clear();
    srtName.clear();
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
