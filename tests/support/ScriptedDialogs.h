#pragma once

// Dialog backends installed for a scope, so that no test leaves one installed behind it.

#include "platform/data/DialogBackend.h"
#include "platform/data/ScriptedDialogBackend.h"

namespace testing_support {

// Installs backend for the lifetime of the object; the caller keeps backend alive that long.
class InstalledDialogs {
public:
    explicit InstalledDialogs(platform::DialogBackend& backend) {
        platform::InstallDialogBackend(&backend);
    }
    ~InstalledDialogs() { platform::InstallDialogBackend(nullptr); }
    InstalledDialogs(const InstalledDialogs&) = delete;
    InstalledDialogs& operator=(const InstalledDialogs&) = delete;
};

// A scripted dialog backend, installed for the lifetime of the object.
class ScriptedDialogs {
public:
    platform::ScriptedDialogBackend backend;

private:
    InstalledDialogs installed_{backend};
};

}  // namespace testing_support
