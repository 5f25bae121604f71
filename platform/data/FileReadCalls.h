#pragma once

#include <sys/types.h>

#include <cstddef>

namespace platform {

// The system call by which a file is read whole. The system's own is used unless a test
// installs a stand-in that behaves as a file no test can make: one that has nothing to give yet
// and would wait for it. Returns what read(2) returns and sets errno as it does.
class FileReadCalls {
public:
    virtual ~FileReadCalls() = default;
    virtual ssize_t Read(int fd, char* data, std::size_t size);
};

// The calls in use.
FileReadCalls& CurrentFileReadCalls();

// Installs calls, which the caller keeps alive while they are installed; nullptr brings back
// the system's own.
void InstallFileReadCalls(FileReadCalls* calls);

}  // namespace platform
