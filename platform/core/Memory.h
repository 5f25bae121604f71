#pragma once

#include <cstddef>

namespace platform {

// Asks the allocator to hand the memory it holds free back to the system, so that a process
// that has finished a large piece of work does not keep its peak while it waits.
void ReturnFreeMemory() noexcept;

// The stack a new thread gets when whoever starts it leaves the size to the system, as Qt does.
std::size_t DefaultThreadStackSize() noexcept;

}  // namespace platform
