#include "platform/core/Memory.h"

#include <gtest/gtest.h>

#include "support/AddressSpace.h"

namespace platform {
namespace {

using testing_support::AddressSpaceInUse;

// A heap of a thread's own sets aside 64 MiB of address space; sharing the one heap, a thread
// started afterwards adds its stack alone (8 MiB by default). No earlier test here starts a
// thread, whose heap a later one could take over.
TEST(MemoryTest, ThreadsStartedAfterSharingTheOneHeapTakeNoHeapOfTheirOwn) {
    if (AddressSpaceInUse() == 0) {
        GTEST_SKIP() << "/proc/self/statm is missing: the address space in use cannot be measured.";
    }
    ShareOneHeapAmongThreads();
    const std::size_t grown = testing_support::AddressSpaceGrownByAThread();
    EXPECT_LT(grown, std::size_t{64} << 20) << grown;
}

}  // namespace
}  // namespace platform
