#include <gtest/gtest.h>

#include <cstdlib>  // defines __GLIBC__ where glibc is the C library
#include <new>

#include "engine/EngineTestSupport.h"
#include "engine/request/ImportSRT.h"

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace enginetest {
namespace {

// A window whose offset field can no longer be read once memory runs out: reading it for a
// timecode of a later block leaves the request with some rows built.
class HostShortOfMemory : public TestHost {
public:
    platform::TextField& TextField1() override {
        if (--readsLeft == 0) {
            throw std::bad_alloc();
        }
        return TestHost::TextField1();
    }
    int readsLeft = -1;  // counts down to the read that fails; below 0, none does
};

class MemoryTest : public EngineTest {
protected:
    // Runs one request on content with the open dialog answering it and, when the request gets
    // that far, the save dialog out.srt.
    void Request(engine::EngineHost& on, const std::string& content, bool savesACopy = true) {
        WriteBytes(folder.Path("movie.srt"), content);
        dialogs.AnswerOpen(folder.Path("movie.srt"));
        if (savesACopy) {
            dialogs.AnswerSave(folder.Path("out.srt"));
        }
        engine::ImportSRT(on);
    }

    const std::string twoBlocks =
        "1\n00:00:01,000 --> 00:00:02,000\nA\n\n2\n00:00:03,000 --> 00:00:04,000\nB\n\n";
    const std::string twoBlocksShiftedBy3 =
        "1\n00:00:04,000 --> 00:00:05,000\nA\n\n2\n00:00:06,000 --> 00:00:07,000\nB\n\n";
};

TEST_F(MemoryTest, ARequestThatRunsOutOfMemoryLetsGoOfAllItBuiltAndTheNextOneWorks) {
    HostShortOfMemory shortHost;
    Request(shortHost, twoBlocks);
    shortHost.app.secondsArray.Append("1");  // no request fills it, but each empties it
    shortHost.readsLeft = 3;                 // the second block's start
    EXPECT_THROW(Request(shortHost, twoBlocks, false), std::bad_alloc);
    EXPECT_EQ(shortHost.cueList.ListCount(), 0);
    EXPECT_EQ(shortHost.app.startTimeArray.Count(), 0u);
    EXPECT_EQ(shortHost.app.endTimeArray.Count(), 0u);
    EXPECT_EQ(shortHost.app.textArray.Count(), 0u);
    EXPECT_EQ(shortHost.app.secondsArray.Count(), 0u);

    std::remove(folder.Path("out.srt").c_str());
    Request(shortHost, twoBlocks);
    EXPECT_EQ(ReadBytes(folder.Path("out.srt")), twoBlocksShiftedBy3);
    EXPECT_EQ(shortHost.cueList.ListCount(), 2);
    EXPECT_EQ(shortHost.app.textArray.Count(), 2u);
}

// What a large request freed is handed back to the system when it ends, not kept free at the
// top of the heap for a next request that may never come. Left to itself, the allocator keeps
// at least its padding of 128 KiB there, and after a large request far more.
TEST_F(MemoryTest, AFinishedRequestKeepsNoFreeMemoryAtTheTopOfTheHeap) {
#if defined(__GLIBC__)
    std::string cues;
    for (int i = 0; i < 10000; ++i) {
        cues += std::to_string(i + 1) + "\n" + PlainSrtTime(i * 1000) + " --> " +
                PlainSrtTime(i * 1000 + 500) + "\nA cue\n\n";
    }
    Request(host, cues);
    const struct mallinfo2 heap = ::mallinfo2();
    if (heap.arena == 0) {
        GTEST_SKIP() << "the memory comes from another allocator than the C library's";
    }
    EXPECT_EQ(host.cueList.ListCount(), 10000);
    EXPECT_LT(heap.keepcost, 64u * 1024);
#else
    GTEST_SKIP() << "only glibc's allocator tells what it keeps free";
#endif
}

}  // namespace
}  // namespace enginetest
