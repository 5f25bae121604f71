#pragma once

// How much address space the process uses: what a limit on it (RLIMIT_AS) counts.

#include <unistd.h>

#include <cstddef>
#include <cstdlib>
#include <fstream>
#include <thread>

namespace testing_support {

// The address space the process has mapped now, in bytes; 0 where /proc is missing.
inline std::size_t AddressSpaceInUse() {
    std::size_t pages = 0;
    std::ifstream("/proc/self/statm") >> pages;
    return pages * static_cast<std::size_t>(::sysconf(_SC_PAGESIZE));
}

// How much the address space in use grows when a thread is started that allocates a little;
// 0 when it does not grow. A thread that makes a heap of its own sets aside 64 MiB.
inline std::size_t AddressSpaceGrownByAThread() {
    const std::size_t before = AddressSpaceInUse();
    std::thread([] {
        void* volatile bytes = std::malloc(1000);
        std::free(bytes);
    }).join();
    const std::size_t after = AddressSpaceInUse();
    return after > before ? after - before : 0;
}

}  // namespace testing_support
