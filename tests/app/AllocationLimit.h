#pragma once

// An allocation limit for tests: this executable's operator new counts the bytes the process
// holds, and while a limit is set it fails on the limited thread as an exhausted machine would.

#include <cstdint>

namespace apptest {

// What the process holds through operator new now.
std::int64_t HeldBytes();

// The most the process has held through operator new since the latest ResetPeak, beyond what it
// held then.
void ResetPeak();
std::int64_t PeakGrowth();

// While it lives, operator new on the thread that made it throws std::bad_alloc whenever the
// process would hold more than budget bytes beyond what it held when the limit was set.
class AllocationLimit {
public:
    explicit AllocationLimit(std::int64_t budget);
    ~AllocationLimit();
    AllocationLimit(const AllocationLimit&) = delete;
    AllocationLimit& operator=(const AllocationLimit&) = delete;

    // How many allocations failed under it.
    std::int64_t Failures() const;
};

}  // namespace apptest
