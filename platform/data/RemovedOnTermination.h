#pragma once

#include <csignal>
#include <string>

namespace platform {

// While one of these lives, the file it names is removed when SIGTERM, SIGINT or SIGHUP ends
// the process, which then ends as that signal ends it. A signal the process ignores stays
// ignored. When the last one goes, the signals get back the dispositions they had before the
// first one was made.
class RemovedOnTermination {
public:
    explicit RemovedOnTermination(const std::string& path);
    ~RemovedOnTermination() { Release(); }
    RemovedOnTermination(const RemovedOnTermination&) = delete;
    RemovedOnTermination& operator=(const RemovedOnTermination&) = delete;

    // From now on the file is left alone (it has been renamed or removed).
    void Release() noexcept;

private:
    int slot_ = -1;
};

// Keeps SIGTERM, SIGINT and SIGHUP waiting while it lives, so that a file made under it is in
// the care of a RemovedOnTermination before one of them can end the process.
class TerminationSignalsHeld {
public:
    TerminationSignalsHeld();
    ~TerminationSignalsHeld();
    TerminationSignalsHeld(const TerminationSignalsHeld&) = delete;
    TerminationSignalsHeld& operator=(const TerminationSignalsHeld&) = delete;

private:
    sigset_t previous_;
};

}  // namespace platform
