#pragma once

#include <cstddef>

namespace platform {

// Address space set aside, mapped but never touched, to be handed to work that must not fail for
// want of it. Where the address space a process may use is limited (RLIMIT_AS), a mapping counts
// against the limit whatever it holds: while the reserve is held, nothing else can have that much
// of it, and once released, that much is free again. It costs no memory.
class AddressSpaceReserve {
public:
    explicit AddressSpaceReserve(std::size_t bytes) noexcept : bytes_(bytes) {}
    ~AddressSpaceReserve() { Release(); }
    AddressSpaceReserve(const AddressSpaceReserve&) = delete;
    AddressSpaceReserve& operator=(const AddressSpaceReserve&) = delete;

    // Holds the reserve, if it is not held already; false when the address space for it cannot
    // be had.
    bool Take() noexcept;
    // Gives the reserve's address space back, if it is held.
    void Release() noexcept;

private:
    std::size_t bytes_;
    void* mapping_ = nullptr;
};

}  // namespace platform
