#include "platform/data/FileReadCalls.h"

#include <unistd.h>

namespace platform {

namespace {

FileReadCalls systemCalls;
FileReadCalls* installed = &systemCalls;

}  // namespace

ssize_t FileReadCalls::Read(int fd, char* data, std::size_t size) {
    return ::read(fd, data, size);
}

FileReadCalls& CurrentFileReadCalls() {
    return *installed;
}

void InstallFileReadCalls(FileReadCalls* calls) {
    installed = calls != nullptr ? calls : &systemCalls;
}

}  // namespace platform
