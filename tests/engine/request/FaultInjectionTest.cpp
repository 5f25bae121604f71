// Whole requests against real faults of the file system: a full file system, one out of
// inodes, a read-only one, files that cannot be read, files that vanish or change between the
// dialog and the reading or writing. Every request ends with a message that says what went
// wrong, the engine takes the next request as if nothing had happened, and nothing is lost:
// the files that were there are as they were, and no temporary file is left behind.
//
// The file-system faults come from small memory file systems that each test mounts for
// itself (root ignores file modes, so modes cannot make them). Where mounting is not
// permitted, those tests are skipped and say why.

#include <fcntl.h>
#include <gmock/gmock.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdint>
#include <cstring>
#include <functional>
#include <thread>

#include "engine/EngineTestSupport.h"
#include "engine/request/ImportSRT.h"

namespace enginetest {
namespace {

const std::string kCouldNotWrite = "Could not write the new SRT file.\n";
const std::string kCouldNotLoad = "Could not load file.\n";

// The start of the message for a copy that no file in folder can take.
std::string CannotCreateIn(const std::string& folder) {
    return kCouldNotWrite + "Cannot create a file in \"" + folder + "\"";
}

// Scripted dialogs that do something to the file system right after the user chose a file,
// before the engine gets to it.
class MeddlingDialogs : public platform::ScriptedDialogBackend {
public:
    std::function<void(const std::string&)> afterOpen;
    std::function<void(const std::string&)> afterSave;

    std::optional<std::string> ChooseFileToOpen(std::string_view filter) override {
        std::optional<std::string> answer = ScriptedDialogBackend::ChooseFileToOpen(filter);
        if (answer && afterOpen) {
            afterOpen(*answer);
        }
        return answer;
    }
    std::optional<std::string> ChooseFileToSave(std::string_view filter,
                                                std::string_view proposedName) override {
        std::optional<std::string> answer =
            ScriptedDialogBackend::ChooseFileToSave(filter, proposedName);
        if (answer && afterSave) {
            afterSave(*answer);
        }
        return answer;
    }
};

// An SRT file of count blocks, all at timecodeLine.
std::string Subtitles(int count, std::string_view timecodeLine = "00:00:01,000 --> 00:00:02,000") {
    std::string file;
    for (int i = 1; i <= count; ++i) {
        file += std::to_string(i) + "\n" + std::string(timecodeLine) + "\nline " +
                std::to_string(i) + " of a subtitle long enough to take some room\n\n";
    }
    return file;
}

// The shifted copy of Subtitles(count) with the offset 3.
std::string ShiftedSubtitles(int count) {
    return Subtitles(count, "00:00:04,000 --> 00:00:05,000");
}

// What an existing copy holds: bytes that no writer of ours would make.
constexpr char kOldCopyBytes[] = "\xEF\xBB\xBFold copy\r\n\0\xFF|`\r\n";
const std::string kOldCopy(kOldCopyBytes, sizeof kOldCopyBytes - 1);

class FaultInjectionTest : public EngineTest {
protected:
    void TearDown() override {
        // Unmount whatever the test mounted, also when it failed half way.
        for (auto mount = mounts_.rbegin(); mount != mounts_.rend(); ++mount) {
            if (::umount2(mount->c_str(), MNT_DETACH) != 0) {
                ADD_FAILURE() << "cannot unmount " << *mount << ": " << std::strerror(errno);
            }
        }
        platform::InstallDialogBackend(nullptr);
        EngineTest::TearDown();
    }

    // Mounts a memory file system with options on a new folder in the test's folder; its path,
    // or the empty text (with the reason in skipReason_) when mounting is not permitted here.
    std::string MountMemoryFileSystem(const std::string& name, const std::string& options) {
        const std::string path = folder.Path(name);
        std::filesystem::create_directory(path);
        if (::mount("tavrel-test", path.c_str(), "tmpfs", MS_NOSUID | MS_NODEV, options.c_str()) !=
            0) {
            skipReason_ = "cannot mount a memory file system (" + options +
                          ") for the fault: " + std::strerror(errno) +
                          "; run the tests as root with the permission to mount";
            return "";
        }
        mounts_.push_back(path);
        return path;
    }

    bool Remount(const std::string& path, unsigned long flags, const std::string& options) {
        if (::mount("tavrel-test", path.c_str(), "tmpfs", MS_REMOUNT | MS_NOSUID | MS_NODEV | flags,
                    options.c_str()) != 0) {
            skipReason_ = "cannot remount " + path + " (" + options + "): " + std::strerror(errno);
            return false;
        }
        return true;
    }

    // Runs one request with the open dialog answering source and the save dialog target,
    // through dialogs (the fixture's own unless told).
    void RunRequest(const std::string& source, const std::string& target,
                    platform::ScriptedDialogBackend& through) {
        through.ClearRecords();
        platform::InstallDialogBackend(&through);
        through.AnswerOpen(source);
        through.AnswerSave(target);
        engine::ImportSRT(host);
        platform::InstallDialogBackend(&dialogs);
    }

    // A request whose file is refused before it is read: the one message it shows ends with
    // reason, and nothing is asked, read or written.
    void ExpectLoadRefused(const std::string& path, const std::string& reason) {
        EXPECT_EQ(RefusedOpen(path), kCouldNotLoad + reason);
        EXPECT_EQ(host.cueList.ListCount(), 0);
    }

    // A request from source whose copy cannot be written to chosen, for reason.
    void ExpectCopyRefused(const std::string& source, const std::string& chosen,
                           const std::string& reason) {
        RunRequest(source, chosen, dialogs);
        EXPECT_EQ(OnlyMessage(dialogs),
                  kCouldNotWrite + "Cannot write \"" + chosen + "\": " + reason);
    }

    // A good request on the test's own folder still works after the fault.
    void ExpectTheNextRequestWorks() {
        dialogs.ClearRecords();
        EXPECT_EQ(
            Import("1\n00:00:10,000 --> 00:00:11,500\nstill here\n", "next.srt", "next_V2.srt"),
            "1\n00:00:13,000 --> 00:00:14,500\nstill here\n\n");
        EXPECT_THAT(dialogs.Messages(), IsEmpty());
        EXPECT_THAT(dialogs.Launched(), ElementsAre(folder.Path("next_V2.srt")));
        EXPECT_EQ(host.cueList.ListCount(), 1);
    }

    std::vector<std::string> mounts_;
    std::string skipReason_;
};

// --- The copy cannot be written ---

TEST_F(FaultInjectionTest, FullFileSystemKeepsTheOldCopyAndLeavesNoTemporaryFile) {
    const std::string full = MountMemoryFileSystem("full", "size=64k,mode=0755");
    if (full.empty()) {
        GTEST_SKIP() << skipReason_;
    }
    const std::string target = full + "/movie_V2.srt";
    WriteBytes(target, kOldCopy);
    WriteBytes(folder.Path("movie.srt"), Subtitles(3000));  // a copy of some 200 kB

    RunRequest(folder.Path("movie.srt"), target, dialogs);
    EXPECT_THAT(OnlyMessage(dialogs), AllOf(StartsWith(kCouldNotWrite + "Cannot write \"" + target),
                                            HasSubstr("No space left on device")));
    EXPECT_EQ(ReadBytes(target), kOldCopy);
    EXPECT_THAT(NamesIn(full), ElementsAre("movie_V2.srt"));

    // The space the failed copy took is free again: a small copy fits.
    WriteBytes(folder.Path("small.srt"), Subtitles(2));
    RunRequest(folder.Path("small.srt"), target, dialogs);
    EXPECT_THAT(dialogs.Messages(), IsEmpty());
    EXPECT_EQ(ReadBytes(target), ShiftedSubtitles(2));
    EXPECT_THAT(NamesIn(full), ElementsAre("movie_V2.srt"));
    ExpectTheNextRequestWorks();
}

TEST_F(FaultInjectionTest, FileSystemOutOfInodesKeepsTheOldCopy) {
    // The folder itself and the old copy take the only two inodes.
    const std::string full = MountMemoryFileSystem("inodes", "size=1m,nr_inodes=2");
    if (full.empty()) {
        GTEST_SKIP() << skipReason_;
    }
    const std::string target = full + "/movie_V2.srt";
    WriteBytes(target, kOldCopy);
    WriteBytes(folder.Path("movie.srt"), Subtitles(2));

    RunRequest(folder.Path("movie.srt"), target, dialogs);
    EXPECT_THAT(OnlyMessage(dialogs),
                AllOf(StartsWith(CannotCreateIn(full)), HasSubstr("No space left on device")));
    EXPECT_EQ(ReadBytes(target), kOldCopy);
    EXPECT_THAT(NamesIn(full), ElementsAre("movie_V2.srt"));
    ExpectTheNextRequestWorks();
}

TEST_F(FaultInjectionTest, ReadOnlyFolderIsToldAndLeftAsItWas) {
    const std::string readOnly = MountMemoryFileSystem("read-only", "size=1m");
    if (readOnly.empty()) {
        GTEST_SKIP() << skipReason_;
    }
    const std::string source = readOnly + "/movie.srt";
    const std::string target = readOnly + "/movie_V2.srt";
    WriteBytes(source, Subtitles(3));
    WriteBytes(target, kOldCopy);
    if (!Remount(readOnly, MS_RDONLY, "")) {
        GTEST_SKIP() << skipReason_;
    }

    // A new copy beside an old one, and the source itself as the target: a read-only file
    // system can be read from, but takes neither.
    for (const std::string& chosen : {target, source, readOnly + "/new.srt"}) {
        SCOPED_TRACE(chosen);
        RunRequest(source, chosen, dialogs);
        EXPECT_THAT(OnlyMessage(dialogs), AllOf(StartsWith(CannotCreateIn(readOnly)),
                                                HasSubstr("Read-only file system")));
        EXPECT_EQ(host.cueList.ListCount(), 3) << "the file was read all the same";
    }
    EXPECT_EQ(ReadBytes(source), Subtitles(3));
    EXPECT_EQ(ReadBytes(target), kOldCopy);
    EXPECT_THAT(NamesIn(readOnly), ElementsAre("movie.srt", "movie_V2.srt"));
    ExpectTheNextRequestWorks();
}

TEST_F(FaultInjectionTest, SourceAsTargetSurvivesAFullFileSystemThenBecomesTheCopy) {
    // Room for the source, not for the copy beside it.
    const std::string small = MountMemoryFileSystem("small", "size=256k");
    if (small.empty()) {
        GTEST_SKIP() << skipReason_;
    }
    const std::string source = small + "/movie.srt";
    const std::string original = Subtitles(2500);  // some 220 kB, and its copy as much
    WriteBytes(source, original);
    ASSERT_EQ(ReadBytes(source), original) << "the source does not fit the file system";

    RunRequest(source, source, dialogs);
    EXPECT_THAT(OnlyMessage(dialogs), HasSubstr("No space left on device"));
    EXPECT_EQ(ReadBytes(source), original);
    EXPECT_THAT(NamesIn(small), ElementsAre("movie.srt"));

    // With room for both, the same request replaces the source by its shifted copy.
    if (!Remount(small, 0, "size=2m")) {
        GTEST_SKIP() << skipReason_;
    }
    RunRequest(source, source, dialogs);
    EXPECT_THAT(dialogs.Messages(), IsEmpty());
    EXPECT_THAT(dialogs.Launched(), ElementsAre(source));
    EXPECT_EQ(ReadBytes(source), ShiftedSubtitles(2500));
    EXPECT_THAT(NamesIn(small), ElementsAre("movie.srt"));
    ExpectTheNextRequestWorks();
}

TEST_F(FaultInjectionTest, TargetFolderRemovedOrTakenAfterTheSaveDialog) {
    WriteBytes(folder.Path("movie.srt"), Subtitles(2));
    std::filesystem::create_directory(folder.Path("gone"));
    std::filesystem::create_directory(folder.Path("kept"));
    WriteBytes(folder.Path("kept/movie_V2.srt"), kOldCopy);

    MeddlingDialogs meddling;
    // The chosen folder vanishes before the copy is made.
    meddling.afterSave = [&](const std::string&) { std::filesystem::remove(folder.Path("gone")); };
    RunRequest(folder.Path("movie.srt"), folder.Path("gone/movie_V2.srt"), meddling);
    EXPECT_THAT(OnlyMessage(meddling), AllOf(StartsWith(CannotCreateIn(folder.Path("gone"))),
                                             HasSubstr("No such file or directory")));
    EXPECT_FALSE(std::filesystem::exists(folder.Path("gone")));

    // The chosen file turns into a folder before the copy is made; what it held stays.
    meddling.afterSave = [&](const std::string& path) {
        std::filesystem::remove(path);
        std::filesystem::create_directory(path);
        WriteBytes(path + "/inside.txt", kOldCopy);
    };
    RunRequest(folder.Path("movie.srt"), folder.Path("kept/movie_V2.srt"), meddling);
    EXPECT_THAT(OnlyMessage(meddling),
                AllOf(StartsWith(kCouldNotWrite), HasSubstr("it is a folder")));
    EXPECT_EQ(ReadBytes(folder.Path("kept/movie_V2.srt/inside.txt")), kOldCopy);
    EXPECT_THAT(NamesIn(folder.Path("kept")), ElementsAre("movie_V2.srt"));
    ExpectTheNextRequestWorks();
}

// --- The file cannot be read ---

TEST_F(FaultInjectionTest, FileRemovedOrReplacedBetweenTheDialogAndTheReading) {
    MeddlingDialogs meddling;
    WriteBytes(folder.Path("movie.srt"), Subtitles(2));
    meddling.afterOpen = [](const std::string& path) { std::filesystem::remove(path); };
    RunRequest(folder.Path("movie.srt"), folder.Path("out.srt"), meddling);
    EXPECT_EQ(OnlyMessage(meddling), kCouldNotLoad + "Cannot open \"" + folder.Path("movie.srt") +
                                         "\": No such file or directory.");
    EXPECT_THAT(meddling.SaveRequests(), IsEmpty());
    EXPECT_EQ(host.cueList.ListCount(), 0);
    EXPECT_EQ(host.app.srtName, "movie.srt");

    WriteBytes(folder.Path("movie.srt"), Subtitles(2));
    meddling.afterOpen = [](const std::string& path) {
        std::filesystem::remove(path);
        std::filesystem::create_directory(path);
    };
    RunRequest(folder.Path("movie.srt"), folder.Path("out.srt"), meddling);
    EXPECT_THAT(OnlyMessage(meddling), AllOf(StartsWith(kCouldNotLoad), HasSubstr("is a folder")));
    EXPECT_THAT(meddling.SaveRequests(), IsEmpty());
    EXPECT_FALSE(std::filesystem::exists(folder.Path("out.srt")));
    ExpectTheNextRequestWorks();
}

TEST_F(FaultInjectionTest, FilesThatFailAtOnceWhenOpenedOrRead) {
    // A socket, a link to itself, a path through a file, and a file whose reading fails after
    // it was opened (the process's own memory from address 0).
    WriteBytes(folder.Path("plain.srt"), Subtitles(1));
    std::filesystem::create_symlink("loop.srt", folder.Path("loop.srt"));
    const std::string socketPath = folder.Path("socket.srt");
    const int listening = testing_support::BoundSocket(socketPath);
    ASSERT_GE(listening, 0) << std::strerror(errno);

    const std::vector<std::pair<std::string, std::string>> cases = {
        {socketPath, "\"" + socketPath + "\" is a socket, not a file."},
        {folder.Path("loop.srt"),
         "Cannot open \"" + folder.Path("loop.srt") + "\": Too many levels of symbolic links."},
        {folder.Path("plain.srt/movie.srt"),
         "Cannot open \"" + folder.Path("plain.srt/movie.srt") + "\": Not a directory."},
        {"/proc/self/mem", "Cannot read \"/proc/self/mem\": Input/output error."},
    };
    for (const auto& [path, reason] : cases) {
        SCOPED_TRACE(path);
        ExpectLoadRefused(path, reason);
    }
    ::close(listening);
    EXPECT_EQ(ReadBytes(folder.Path("plain.srt")), Subtitles(1));
    EXPECT_THAT(folder.Names(), ElementsAre("loop.srt", "plain.srt", "socket.srt"));
    ExpectTheNextRequestWorks();
}

// A plain file too large for the memory: the request says so instead of ending the program.
// The file is a sparse one of some 4 EiB, more than any address space holds, so that the
// allocation fails at once whatever the system's overcommit policy. The address sanitizer
// ends the program on such an allocation instead of failing it, so there the test is skipped.
#if defined(__SANITIZE_ADDRESS__)  // GCC's name for it
#define TAVREL_ADDRESS_SANITIZER 1
#elif defined(__has_feature)  // clang's
#if __has_feature(address_sanitizer)
#define TAVREL_ADDRESS_SANITIZER 1
#endif
#endif
TEST_F(FaultInjectionTest, FileTooLargeForTheMemoryIsTold) {
#if defined(TAVREL_ADDRESS_SANITIZER)
    GTEST_SKIP() << "the address sanitizer ends the program on a failed allocation";
#else
    const std::string large = MountMemoryFileSystem("large", "size=64k");
    if (large.empty()) {
        GTEST_SKIP() << skipReason_;
    }
    const std::string source = large + "/huge.srt";
    WriteBytes(source, Subtitles(1));
    if (::truncate(source.c_str(), std::int64_t{1} << 62) != 0) {
        GTEST_SKIP() << "cannot make a sparse file of 4 EiB: " << std::strerror(errno);
    }
    ExpectLoadRefused(source, "Cannot read \"" + source + "\": the file is too large to read.");
    ExpectTheNextRequestWorks();
#endif
}

// A pipe chosen as the file: the request must not wait for a writer that never comes. Should
// it wait all the same, the watchdog below plays that writer after five seconds so that the
// test itself ends.
TEST_F(FaultInjectionTest, PipeChosenAsTheFileIsToldWithoutWaiting) {
    const std::string pipe = folder.Path("pipe.srt");
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0) << std::strerror(errno);
    std::atomic<bool> finished = false;
    std::atomic<bool> rescued = false;
    std::thread watchdog([&] {
        for (int i = 0; i < 50 && !finished; ++i) {
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        }
        if (!finished) {
            rescued = true;
            const int writer = ::open(pipe.c_str(), O_WRONLY | O_NONBLOCK);
            if (writer >= 0) {
                ::close(writer);
            }
        }
    });
    ExpectLoadRefused(pipe, "\"" + pipe + "\" is a pipe, not a file.");
    finished = true;
    watchdog.join();
    EXPECT_FALSE(rescued) << "the request waited for a writer of the pipe";
    ExpectTheNextRequestWorks();
}

// A device that never ends chosen as the file: it is refused before a byte of it is read,
// instead of being read into memory until none is left.
TEST_F(FaultInjectionTest, EndlessDeviceChosenAsTheFileIsRefusedUnread) {
    for (const std::string device : {"/dev/zero", "/dev/urandom"}) {
        SCOPED_TRACE(device);
        ExpectLoadRefused(device, "\"" + device + "\" is a device, not a file.");
    }
    ExpectTheNextRequestWorks();
}

// A device node chosen as the target must stay the device node it was, also when it is chosen
// through a link. Here the node is a null device in the test's own memory file system; chosen
// as /dev/null or /dev/full by a user running as root, it would be the system's own node.
TEST_F(FaultInjectionTest, DeviceNodeChosenAsTheTargetStaysADeviceNode) {
    const std::string devices = MountMemoryFileSystem("devices", "size=64k");
    if (devices.empty()) {
        GTEST_SKIP() << skipReason_;
    }
    const std::string node = devices + "/null.srt";
    if (::mknod(node.c_str(), S_IFCHR | 0666, makedev(1, 3)) != 0) {
        GTEST_SKIP() << "cannot make a device node: " << std::strerror(errno);
    }
    const std::string link = devices + "/link.srt";
    ASSERT_EQ(::symlink("null.srt", link.c_str()), 0) << std::strerror(errno);
    WriteBytes(folder.Path("movie.srt"), Subtitles(1));
    for (const std::string& chosen : {node, link}) {
        SCOPED_TRACE(chosen);
        ExpectCopyRefused(folder.Path("movie.srt"), chosen, "it is a device, not a file.");
        EXPECT_EQ(TypeOf(node), S_IFCHR) << "the device node was replaced by a plain file";
        EXPECT_EQ(TypeOf(link), S_IFLNK) << "the link was replaced by a plain file";
        EXPECT_THAT(NamesIn(devices), ElementsAre("link.srt", "null.srt"));
    }
    ExpectTheNextRequestWorks();
}

// A pipe or a socket chosen as the target stays what it was; a pipe is not written to.
TEST_F(FaultInjectionTest, PipeOrSocketChosenAsTheTargetStaysWhatItWas) {
    const std::string pipe = folder.Path("pipe_V2.srt");
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0) << std::strerror(errno);
    const std::string socketPath = folder.Path("socket_V2.srt");
    const int listening = testing_support::BoundSocket(socketPath);
    ASSERT_GE(listening, 0) << std::strerror(errno);
    WriteBytes(folder.Path("movie.srt"), Subtitles(1));

    const std::vector<std::pair<std::string, std::string>> cases = {
        {pipe, "it is a pipe, not a file."}, {socketPath, "it is a socket, not a file."}};
    for (const auto& [chosen, reason] : cases) {
        SCOPED_TRACE(chosen);
        ExpectCopyRefused(folder.Path("movie.srt"), chosen, reason);
    }
    ::close(listening);
    EXPECT_EQ(TypeOf(pipe), S_IFIFO);
    EXPECT_EQ(TypeOf(socketPath), S_IFSOCK);
    EXPECT_THAT(folder.Names(), ElementsAre("movie.srt", "pipe_V2.srt", "socket_V2.srt"));
    ExpectTheNextRequestWorks();
}

// A copy its owner made read-only is not replaced: renaming over it would need no leave to
// write the file itself, so the protection would go unnoticed. The source chosen as its own
// target is no different. The mode bits decide, not the caller's rights (root may write all).
TEST_F(FaultInjectionTest, ReadOnlyTargetIsToldAndLeftAsItWas) {
    const std::string target = folder.Path("movie_V2.srt");
    const std::string source = folder.Path("movie.srt");
    WriteBytes(target, kOldCopy);
    WriteBytes(source, Subtitles(2));
    ASSERT_EQ(::chmod(target.c_str(), 0444), 0);
    ASSERT_EQ(::chmod(source.c_str(), 0444), 0);
    ASSERT_EQ(::symlink("movie_V2.srt", folder.Path("link.srt").c_str()), 0);

    for (const std::string& chosen : {target, folder.Path("link.srt"), source}) {
        SCOPED_TRACE(chosen);
        ExpectCopyRefused(source, chosen, "the file is read-only.");
        EXPECT_EQ(host.cueList.ListCount(), 2) << "the file was read all the same";
    }
    EXPECT_EQ(ReadBytes(target), kOldCopy);
    EXPECT_EQ(ReadBytes(source), Subtitles(2));
    EXPECT_EQ(ModeOf(target), 0444u);
    EXPECT_THAT(folder.Names(), ElementsAre("link.srt", "movie.srt", "movie_V2.srt"));
    ExpectTheNextRequestWorks();
}

}  // namespace
}  // namespace enginetest
