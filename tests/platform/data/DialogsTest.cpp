// The room in the address space kept back for the dialogs while long work goes on. Each test runs
// in a child process whose address space is limited, since the work in it fills that space up.

#include "platform/data/Dialogs.h"

#include <sys/mman.h>
#include <sys/resource.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <iostream>
#include <new>

#include "DataTestSupport.h"
#include "platform/core/Memory.h"
#include "support/AddressSpace.h"
#include "support/ScriptedDialogBackend.h"

namespace {

// What Qt's file dialog was seen to take in address space when it first came up: the stacks of
// the three threads it started, and 4 MiB.
std::size_t FileDialogNeeds() {
    return 3 * platform::DefaultThreadStackSize() + (std::size_t{4} << 20);
}

// The room kept back for the dialogs while work lasts: six stacks and 16 MiB.
std::size_t RoomSize() {
    return 6 * platform::DefaultThreadStackSize() + (std::size_t{16} << 20);
}

void* MapAddressSpace(std::size_t bytes) {
    void* const mapping =
        ::mmap(nullptr, bytes, PROT_NONE, MAP_PRIVATE | MAP_ANONYMOUS | MAP_NORESERVE, -1, 0);
    return mapping == MAP_FAILED ? nullptr : mapping;
}

// Limits the process's address space to what it uses now and a little more.
void LimitAddressSpace() {
    const std::size_t inUse = testing_support::AddressSpaceInUse();
    const rlimit limit{inUse + (512 << 20), RLIM_INFINITY};
    if (inUse == 0 || ::setrlimit(RLIMIT_AS, &limit) != 0) {
        std::cerr << "Could not limit the address space.\n";
        std::_Exit(1);
    }
}

// Takes all the address space that is left, as long work would.
void TakeAllThatIsLeft() {
    for (std::size_t piece = std::size_t{1} << 30; piece >= 4096;) {
        if (MapAddressSpace(piece) == nullptr) {
            piece /= 2;
        }
    }
}

// A message box that takes what the file dialog needs, and gives it back when done unless told
// to keep it.
class RoomTakingDialogs : public platform::ScriptedDialogBackend {
public:
    bool keepsRoom = false;
    bool hadRoom = false;

    void ShowMessage(std::string_view text) override {
        void* const room = MapAddressSpace(FileDialogNeeds());
        hadRoom = room != nullptr;
        if (hadRoom && !keepsRoom) {
            ::munmap(room, FileDialogNeeds());
        }
        ScriptedDialogBackend::ShowMessage(text);
    }
};

// Runs check with these dialogs installed and the address space limited, then ends the process
// with the number of faults check reported through the function it is given.
template <typename Check>
[[noreturn]] void InLimitedAddressSpace(Check check) {
    RoomTakingDialogs dialogs;
    const datatest::InstalledDialogs installed(dialogs);
    LimitAddressSpace();
    int faults = 0;
    check(dialogs, [&faults](const char* what) {
        std::cerr << what << '\n';
        ++faults;
    });
    std::_Exit(faults);
}

class DialogRoomTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (testing_support::AddressSpaceInUse() == 0) {
            GTEST_SKIP() << "/proc/self/statm is missing: without the address space in use, it "
                            "cannot be limited to a little more.";
        }
    }
};

TEST_F(DialogRoomTest, DialogsDuringWorkHaveRoomHoweverMuchItHoldsAndMustGiveItBack) {
    EXPECT_EXIT(InLimitedAddressSpace([](RoomTakingDialogs& dialogs, auto fault) {
                    {
                        const platform::BusyScope work;
                        TakeAllThatIsLeft();
                        platform::MsgBox("has room");
                        if (!dialogs.hadRoom) {
                            fault("A dialog during the work found no room.");
                        }
                        dialogs.keepsRoom = true;
                        try {
                            platform::MsgBox("keeps room");
                            fault("A dialog that kept its room let the work go on.");
                        } catch (const std::bad_alloc&) {
                        }
                    }
                    const platform::BusyScope workWithoutRoom;
                    try {
                        platform::MsgBox("no room");
                    } catch (const std::bad_alloc&) {
                    }
                    if (dialogs.Messages().size() != 2) {
                        fault("A dialog came up without room.");
                    }
                }),
                ::testing::ExitedWithCode(0), "");
}

TEST_F(DialogRoomTest, TheRoomIsFreeAgainOnceTheWorkEnds) {
    EXPECT_EXIT(InLimitedAddressSpace([](RoomTakingDialogs&, auto fault) {
                    {
                        const platform::BusyScope work;
                        TakeAllThatIsLeft();
                    }
                    if (MapAddressSpace(RoomSize()) == nullptr) {
                        fault("The room was still kept after the work.");
                    }
                }),
                ::testing::ExitedWithCode(0), "");
}

TEST_F(DialogRoomTest, TheRoomIsKeptAgainAfterADialogThrew) {
    EXPECT_EXIT(InLimitedAddressSpace([](RoomTakingDialogs& dialogs, auto fault) {
                    const platform::BusyScope work;
                    // Throwing may map a page or so of its own (it does under the address
                    // sanitizer): that much is left free, so that the room alone decides.
                    void* const slack = MapAddressSpace(std::size_t{1} << 20);
                    TakeAllThatIsLeft();
                    ::munmap(slack, std::size_t{1} << 20);
                    try {
                        platform::GetOpenFolderItem("text/srt");  // no answer queued: it throws
                        fault("An open dialog without an answer came up.");
                    } catch (const platform::ScriptedDialogBackend::Unscripted&) {
                    }
                    TakeAllThatIsLeft();  // the work goes on, as a caller that catches lets it
                    try {
                        platform::MsgBox("after the throw");
                    } catch (const std::bad_alloc&) {
                    }
                    if (!dialogs.hadRoom) {
                        fault("After a dialog that threw, the next one found no room.");
                    }
                }),
                ::testing::ExitedWithCode(0), "");
}

}  // namespace
