#include "platform/core/Runtime.h"

namespace platform {

namespace {
Application* registeredApp = nullptr;
}

void RuntimeRegisterAppObject(Application* app) {
    registeredApp = app;
}

Application* GetAppObject() {
    return registeredApp;
}

}  // namespace platform
