#pragma once

// How much address space the process uses: what a limit on it (RLIMIT_AS) counts.

#include <unistd.h>

#include <cstddef>
#include <fstream>

namespace testing_support {

// The address space the process has mapped now, in bytes; 0 where /proc is missing.
inline std::size_t AddressSpaceInUse() {
    std::size_t pages = 0;
    std::ifstream("/proc/self/statm") >> pages;
    return pages * static_cast<std::size_t>(::sysconf(_SC_PAGESIZE));
}

}  // namespace testing_support
