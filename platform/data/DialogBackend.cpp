#include "platform/data/DialogBackend.h"

#include "platform/core/Exceptions.h"

namespace platform {

namespace {
DialogBackend* installedBackend = nullptr;
}

void InstallDialogBackend(DialogBackend* backend) {
    installedBackend = backend;
}

DialogBackend& CurrentDialogBackend() {
    if (installedBackend == nullptr) {
        throw NilObjectException("No dialog backend is installed.");
    }
    return *installedBackend;
}

DialogBackend* InstalledDialogBackend() {
    return installedBackend;
}

}  // namespace platform
