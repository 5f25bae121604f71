#include "AllocationLimit.h"

#include <malloc.h>

#include <atomic>
#include <cstdlib>
#include <limits>
#include <new>

namespace {

std::atomic<std::int64_t> held{0};
std::atomic<std::int64_t> peak{0};
std::atomic<std::int64_t> peakBase{0};
std::atomic<std::int64_t> limit{std::numeric_limits<std::int64_t>::max()};
std::atomic<std::int64_t> failures{0};
thread_local bool limitedThread = false;

void* Allocate(std::size_t size) {
    const auto wanted = static_cast<std::int64_t>(size);
    if (limitedThread && held.load() + wanted > limit.load()) {
        ++failures;
        throw std::bad_alloc();
    }
    void* memory = std::malloc(size == 0 ? 1 : size);
    if (memory == nullptr) {
        throw std::bad_alloc();
    }
    const std::int64_t now = held += static_cast<std::int64_t>(::malloc_usable_size(memory));
    for (std::int64_t most = peak.load(); now > most && !peak.compare_exchange_weak(most, now);) {
    }
    return memory;
}

void* AllocateOrNull(std::size_t size) noexcept {
    try {
        return Allocate(size);
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}

void Free(void* memory) noexcept {
    if (memory != nullptr) {
        held -= static_cast<std::int64_t>(::malloc_usable_size(memory));
        std::free(memory);
    }
}

}  // namespace

void* operator new(std::size_t size) {
    return Allocate(size);
}
void* operator new[](std::size_t size) {
    return Allocate(size);
}
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
    return AllocateOrNull(size);
}
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
    return AllocateOrNull(size);
}
void operator delete(void* memory) noexcept {
    Free(memory);
}
void operator delete[](void* memory) noexcept {
    Free(memory);
}
void operator delete(void* memory, std::size_t) noexcept {
    Free(memory);
}
void operator delete[](void* memory, std::size_t) noexcept {
    Free(memory);
}
void operator delete(void* memory, const std::nothrow_t&) noexcept {
    Free(memory);
}
void operator delete[](void* memory, const std::nothrow_t&) noexcept {
    Free(memory);
}

namespace apptest {

std::int64_t HeldBytes() {
    return held.load();
}

void ResetPeak() {
    peakBase = held.load();
    peak = peakBase.load();
}

std::int64_t PeakGrowth() {
    return peak.load() - peakBase.load();
}

AllocationLimit::AllocationLimit(std::int64_t budget) {
    failures = 0;
    limit = held.load() + budget;
    limitedThread = true;
}

AllocationLimit::~AllocationLimit() {
    limitedThread = false;
    limit = std::numeric_limits<std::int64_t>::max();
}

std::int64_t AllocationLimit::Failures() const {
    return failures.load();
}

}  // namespace apptest
