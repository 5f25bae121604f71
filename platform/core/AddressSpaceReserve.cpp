#include "platform/core/AddressSpaceReserve.h"

#include <sys/mman.h>

namespace platform {

bool AddressSpaceReserve::Take() noexcept {
    if (mapping_ == nullptr) {
        // No access and no swap behind it: the kernel only sets the addresses aside.
        void* const mapping =
            ::mmap(nullptr, bytes_, PROT_NONE, MAP_PRIVATE | MAP_ANONYMOUS | MAP_NORESERVE, -1, 0);
        mapping_ = mapping == MAP_FAILED ? nullptr : mapping;
    }
    return mapping_ != nullptr;
}

void AddressSpaceReserve::Release() noexcept {
    if (mapping_ != nullptr) {
        ::munmap(mapping_, bytes_);
        mapping_ = nullptr;
    }
}

}  // namespace platform
