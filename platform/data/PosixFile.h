#pragma once

// What the data layer's file code shares: what kind of file a mode names and a descriptor that
// closes itself. Paths are shown in messages by platform::Quoted.

#include <sys/types.h>

#include <cerrno>
#include <string>

#include "platform/core/Text.h"

namespace platform {

// What a file of the given mode is when it is not a plain file: "a folder", "a pipe",
// "a socket", "a device" or "a special file".
std::string KindOf(mode_t mode);

// The result of call, made again for as long as a signal interrupts it (it fails with EINTR).
template <typename Call>
auto Retried(Call call) {
    for (;;) {
        const auto result = call();
        if (result >= 0 || errno != EINTR) {
            return result;
        }
    }
}

// A file descriptor closed when its owner goes, unless Close has closed it before.
class Descriptor {
public:
    explicit Descriptor(int fd = -1) : fd_(fd) {}
    ~Descriptor() { Close(); }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;

    int Get() const { return fd_; }

    // Hands the descriptor over to the caller, who closes it from now on.
    int Release() noexcept {
        const int fd = fd_;
        fd_ = -1;
        return fd;
    }

    // Closes it now: the result of close(2), 0 when it was closed already.
    int Close() noexcept;

private:
    int fd_;
};

}  // namespace platform
