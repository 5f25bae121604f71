#include "platform/ui/GuardedApplication.h"

#include <exception>

#include "platform/data/EventDispatch.h"

namespace platform::ui {

GuardedApplication::GuardedApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool GuardedApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        UnhandledException(std::current_exception());
        return false;
    }
}

int GuardedApplication::RunEventLoop() {
    return QApplication::exec();
}

}  // namespace platform::ui
