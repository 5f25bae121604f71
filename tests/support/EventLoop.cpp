#include "support/EventLoop.h"

#include <QCoreApplication>

namespace testing_support {

void Settle() {
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

}  // namespace testing_support
