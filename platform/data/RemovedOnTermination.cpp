#include "platform/data/RemovedOnTermination.h"

#include <pthread.h>
#include <unistd.h>

#include <array>
#include <atomic>
#include <cerrno>
#include <climits>
#include <cstring>
#include <mutex>

namespace platform {

namespace {

constexpr std::array<int, 3> terminationSignals = {SIGTERM, SIGINT, SIGHUP};
constexpr int slotCount = 8;

// What the handler reads: only paths whose flag is set, each written before its flag.
char paths[slotCount][PATH_MAX];
std::atomic<bool> armed[slotCount];
static_assert(std::atomic<bool>::is_always_lock_free);

// The bookkeeping of the ordinary code; the handler never touches it.
std::mutex bookkeeping;
int users = 0;
std::array<struct sigaction, terminationSignals.size()> previous;
std::array<bool, terminationSignals.size()> installed{};

sigset_t TerminationSignalSet() {
    sigset_t set;
    sigemptyset(&set);
    for (const int signal : terminationSignals) {
        sigaddset(&set, signal);
    }
    return set;
}

// Only async-signal-safe calls: unlink, sigaction, raise. The raised signal waits until the
// handler returns and then ends the process by its default action.
extern "C" void RemoveFilesAndEnd(int signal) {
    const int savedErrno = errno;
    for (int slot = 0; slot < slotCount; ++slot) {
        if (armed[slot].load()) {
            ::unlink(paths[slot]);
        }
    }
    struct sigaction byDefault {};
    byDefault.sa_handler = SIG_DFL;
    sigemptyset(&byDefault.sa_mask);
    ::sigaction(signal, &byDefault, nullptr);
    ::raise(signal);
    errno = savedErrno;
}

void Install() {
    struct sigaction ours {};
    ours.sa_handler = RemoveFilesAndEnd;
    ours.sa_mask = TerminationSignalSet();
    for (std::size_t i = 0; i < terminationSignals.size(); ++i) {
        struct sigaction current {};
        ::sigaction(terminationSignals[i], nullptr, &current);
        installed[i] = (current.sa_flags & SA_SIGINFO) != 0 || current.sa_handler != SIG_IGN;
        if (installed[i]) {
            ::sigaction(terminationSignals[i], &ours, &previous[i]);
        }
    }
}

void Restore() {
    for (std::size_t i = 0; i < terminationSignals.size(); ++i) {
        if (installed[i]) {
            ::sigaction(terminationSignals[i], &previous[i], nullptr);
            installed[i] = false;
        }
    }
}

}  // namespace

RemovedOnTermination::RemovedOnTermination(const std::string& path) {
    if (path.size() >= PATH_MAX) {
        return;  // cannot be a path the file system takes
    }
    const std::lock_guard lock(bookkeeping);
    for (int slot = 0; slot < slotCount; ++slot) {
        if (!armed[slot].load()) {
            std::memcpy(paths[slot], path.c_str(), path.size() + 1);
            armed[slot].store(true);
            slot_ = slot;
            if (users++ == 0) {
                Install();
            }
            return;
        }
    }
}

void RemovedOnTermination::Release() noexcept {
    if (slot_ < 0) {
        return;
    }
    const std::lock_guard lock(bookkeeping);
    armed[slot_].store(false);
    slot_ = -1;
    if (--users == 0) {
        Restore();
    }
}

TerminationSignalsHeld::TerminationSignalsHeld() {
    const sigset_t set = TerminationSignalSet();
    ::pthread_sigmask(SIG_BLOCK, &set, &previous_);
}

TerminationSignalsHeld::~TerminationSignalsHeld() {
    ::pthread_sigmask(SIG_SETMASK, &previous_, nullptr);
}

}  // namespace platform
