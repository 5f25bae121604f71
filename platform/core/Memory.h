#pragma once

#include <cstddef>

namespace platform {

// Asks the allocator to hand the memory it holds free back to the system, so that a process
// that has finished a large piece of work does not keep its peak while it waits.
void ReturnFreeMemory() noexcept;

// Makes every thread allocate from the one heap the process starts with. Left to itself, the
// allocator may give a new thread a heap of its own, which sets aside 64 MiB of address space at
// once; where the address space is limited, that can take the room another thread's stack or a
// dialog needs. Called at start-up, before the first thread starts.
void ShareOneHeapAmongThreads() noexcept;

// The stack a new thread gets when whoever starts it leaves the size to the system, as Qt does.
std::size_t DefaultThreadStackSize() noexcept;

}  // namespace platform
