#include "platform/core/Memory.h"

#include <cstdlib>  // defines __GLIBC__ where glibc is the C library

#if defined(__GLIBC__)
#include <malloc.h>
#include <pthread.h>
#endif

namespace platform {

void ReturnFreeMemory() noexcept {
#if defined(__GLIBC__)
    ::malloc_trim(0);
#endif
}

void ShareOneHeapAmongThreads() noexcept {
#if defined(__GLIBC__)
    ::mallopt(M_ARENA_MAX, 1);
#endif
}

std::size_t DefaultThreadStackSize() noexcept {
    std::size_t size = std::size_t{8} << 20;  // the usual default, from the stack limit
#if defined(__GLIBC__)
    pthread_attr_t attributes;
    if (::pthread_getattr_default_np(&attributes) == 0) {
        ::pthread_attr_getstacksize(&attributes, &size);
        ::pthread_attr_destroy(&attributes);
    }
#endif
    return size;
}

}  // namespace platform
