#pragma once

namespace platform {

// Asks the allocator to hand the memory it holds free back to the system, so that a process
// that has finished a large piece of work does not keep its peak while it waits.
void ReturnFreeMemory() noexcept;

}  // namespace platform
