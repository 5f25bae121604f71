#include "platform/data/FileWriteCalls.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

namespace platform {

namespace {

FileWriteCalls systemCalls;
FileWriteCalls* installed = &systemCalls;

}  // namespace

int FileWriteCalls::MakeTemporary(char* pattern) {
    return ::mkostemp(pattern, O_CLOEXEC);
}

int FileWriteCalls::ChangeMode(int fd, mode_t mode) {
    return ::fchmod(fd, mode);
}

ssize_t FileWriteCalls::Write(int fd, const char* data, std::size_t size) {
    return ::write(fd, data, size);
}

int FileWriteCalls::Sync(int fd) {
    return ::fsync(fd);
}

int FileWriteCalls::Rename(const char* from, const char* to) {
    return ::rename(from, to);
}

FileWriteCalls& CurrentFileWriteCalls() {
    return *installed;
}

void InstallFileWriteCalls(FileWriteCalls* calls) {
    installed = calls != nullptr ? calls : &systemCalls;
}

}  // namespace platform
