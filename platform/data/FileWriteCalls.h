#pragma once

#include <sys/types.h>

#include <cstddef>

namespace platform {

// The system calls by which a text output stream makes, fills and puts in place its file. The
// system's own are used unless a test installs a stand-in that fails some of them as a full or
// failing disk would. Each returns what the system call returns and sets errno as it does.
class FileWriteCalls {
public:
    virtual ~FileWriteCalls() = default;
    virtual int MakeTemporary(char* pattern);  // mkostemp with O_CLOEXEC
    virtual int ChangeMode(int fd, mode_t mode);
    virtual ssize_t Write(int fd, const char* data, std::size_t size);
    virtual int Sync(int fd);
    virtual int Rename(const char* from, const char* to);
};

// The calls in use.
FileWriteCalls& CurrentFileWriteCalls();

// Installs calls, which the caller keeps alive while they are installed; nullptr brings back
// the system's own.
void InstallFileWriteCalls(FileWriteCalls* calls);

}  // namespace platform
