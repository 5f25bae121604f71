#pragma once

// Dialog backends installed for a scope, so that no test leaves one installed behind it.

#include "platform/data/DialogBackend.h"
#include "support/ScriptedDialogBackend.h"

namespace testing_support {

// Installs backend for the lifetime of the object, then puts back the one installed before; the
// caller keeps backend alive that long.
class InstalledDialogs {
public:
    explicit InstalledDialogs(platform::DialogBackend& backend)
        : previous_(platform::InstalledDialogBackend()) {
        platform::InstallDialogBackend(&backend);
    }
    ~InstalledDialogs() { platform::InstallDialogBackend(previous_); }
    InstalledDialogs(const InstalledDialogs&) = delete;
    InstalledDialogs& operator=(const InstalledDialogs&) = delete;

private:
    platform::DialogBackend* previous_;
};

// A scripted dialog backend, installed for the lifetime of the object.
class ScriptedDialogs : public platform::ScriptedDialogBackend {
private:
    InstalledDialogs installed_{*this};
};

}  // namespace testing_support
