#include "app/Startup.h"
#include "platform/ui/FrameworkRuntime.h"

int main(int argc, char** argv) {
    platform::ui::RuntimeInit(argc, argv, tavrel::Identity());
    tavrel::Main();
    platform::ui::RuntimePerformFinalizers();
    return platform::ui::RuntimeExit();
}
