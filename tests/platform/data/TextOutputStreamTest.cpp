#include "platform/data/TextOutputStream.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstring>

#include "DataTestSupport.h"
#include "platform/data/FileWriteCalls.h"
#include "platform/data/FolderItem.h"

namespace datatest {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;

TEST(TextOutputStreamTest, WritesBytesUnchanged) {
    TemporaryFolder folder;
    std::string bytes;
    for (int b = 0; b < 256; ++b) {
        bytes += static_cast<char>(b);
    }
    platform::FolderItem file(folder.Path("out.srt"));
    auto stream = file.CreateTextFile();
    ASSERT_NE(stream, nullptr);
    stream->Write(bytes);
    stream->Write("\r\n");
    stream->Write(std::string(3 << 20, 'x'));  // larger than the stream's buffer
    stream->Write("end");
    ASSERT_TRUE(stream->Close());
    EXPECT_EQ(ReadBytes(folder.Path("out.srt")),
              bytes + "\r\n" + std::string(3 << 20, 'x') + "end");
    EXPECT_THAT(folder.Names(), ElementsAre("out.srt"));
}

TEST(TextOutputStreamTest, TheTargetChangesOnlyWhenCloseSucceeds) {
    TemporaryFolder folder;
    WriteBytes(folder.Path("out.srt"), "old");
    platform::FolderItem file(folder.Path("out.srt"));
    auto stream = file.CreateTextFile();
    ASSERT_NE(stream, nullptr);
    stream->Write("new");
    EXPECT_EQ(ReadBytes(folder.Path("out.srt")), "old");
    ASSERT_TRUE(stream->Close());
    EXPECT_EQ(ReadBytes(folder.Path("out.srt")), "new");
    EXPECT_TRUE(stream->Close());  // closing twice changes nothing
}

TEST(TextOutputStreamTest, AStreamDroppedWithoutCloseLeavesNothingBehind) {
    TemporaryFolder folder;
    WriteBytes(folder.Path("kept.srt"), "old");
    {
        auto stream = platform::FolderItem(folder.Path("kept.srt")).CreateTextFile();
        auto other = platform::FolderItem(folder.Path("never.srt")).CreateTextFile();
        ASSERT_NE(stream, nullptr);
        ASSERT_NE(other, nullptr);
        stream->Write("half");
        other->Write("half");
    }
    EXPECT_EQ(ReadBytes(folder.Path("kept.srt")), "old");
    EXPECT_THAT(folder.Names(), ElementsAre("kept.srt"));
}

TEST(TextOutputStreamTest, NewFilesGetTheUsualModeAndReplacedFilesKeepTheirs) {
    TemporaryFolder folder;
    const mode_t mask = ::umask(022);
    auto fresh = platform::FolderItem(folder.Path("new.srt")).CreateTextFile();
    ASSERT_NE(fresh, nullptr);
    ASSERT_TRUE(fresh->Close());
    ::umask(mask);
    EXPECT_EQ(ModeOf(folder.Path("new.srt")), 0644u);

    WriteBytes(folder.Path("old.srt"), "x");
    ::chmod(folder.Path("old.srt").c_str(), 0600);
    auto replaced = platform::FolderItem(folder.Path("old.srt")).CreateTextFile();
    ASSERT_NE(replaced, nullptr);
    ASSERT_TRUE(replaced->Close());
    EXPECT_EQ(ModeOf(folder.Path("old.srt")), 0600u);
}

TEST(TextOutputStreamTest, ALinkStaysALinkAndItsFileIsReplaced) {
    TemporaryFolder folder;
    WriteBytes(folder.Path("real.srt"), "old");
    ASSERT_EQ(::symlink(folder.Path("real.srt").c_str(), folder.Path("link.srt").c_str()), 0);
    auto stream = platform::FolderItem(folder.Path("link.srt")).CreateTextFile();
    ASSERT_NE(stream, nullptr);
    stream->Write("new");
    ASSERT_TRUE(stream->Close());
    EXPECT_EQ(TypeOf(folder.Path("link.srt")), S_IFLNK);
    EXPECT_EQ(ReadBytes(folder.Path("real.srt")), "new");
}

TEST(TextOutputStreamTest, WritesFilesWithTheLongestNames) {
    TemporaryFolder folder;
    const std::string name = std::string(251, 'n') + ".srt";  // 255 bytes, the most allowed
    auto stream = platform::FolderItem(folder.Path(name)).CreateTextFile();
    ASSERT_NE(stream, nullptr);
    stream->Write("x");
    ASSERT_TRUE(stream->Close());
    EXPECT_THAT(folder.Names(), ElementsAre(name));
}

TEST(TextOutputStreamTest, GivesNoStreamAndAReasonWhereNoFileCanBeMade) {
    TemporaryFolder folder;
    platform::FolderItem inMissingFolder(folder.Path("missing/out.srt"));
    EXPECT_EQ(inMissingFolder.CreateTextFile(), nullptr);
    EXPECT_THAT(inMissingFolder.LastError(), HasSubstr("No such file or directory"));

    ::mkdir(folder.Path("sub").c_str(), 0755);
    platform::FolderItem aFolder(folder.Path("sub"));
    EXPECT_EQ(aFolder.CreateTextFile(), nullptr);
    EXPECT_THAT(aFolder.LastError(), HasSubstr("it is a folder"));
    EXPECT_THAT(folder.Names(), ElementsAre("sub"));
}

TEST(TextOutputStreamTest, LeavesWhatIsNotAWritablePlainFileAsItWas) {
    TemporaryFolder folder;
    ASSERT_EQ(::mkfifo(folder.Path("pipe.srt").c_str(), 0600), 0);
    ASSERT_EQ(::symlink("pipe.srt", folder.Path("to-pipe.srt").c_str()), 0);
    WriteBytes(folder.Path("locked.srt"), "kept");
    ASSERT_EQ(::chmod(folder.Path("locked.srt").c_str(), 0444), 0);
    const std::vector<std::pair<std::string, std::string>> cases = {
        {folder.Path("pipe.srt"), "it is a pipe, not a file"},
        {folder.Path("to-pipe.srt"), "it is a pipe, not a file"},
        {folder.Path("locked.srt"), "the file is read-only"},
    };
    for (const auto& [path, reason] : cases) {
        SCOPED_TRACE(path);
        platform::FolderItem file(path);
        EXPECT_EQ(file.CreateTextFile(), nullptr);
        EXPECT_EQ(file.LastError(), "Cannot write \"" + path + "\": " + reason + ".");
    }
    EXPECT_EQ(TypeOf(folder.Path("pipe.srt")), S_IFIFO);
    EXPECT_EQ(TypeOf(folder.Path("to-pipe.srt")), S_IFLNK);
    EXPECT_EQ(ModeOf(folder.Path("locked.srt")), 0444u);
    EXPECT_EQ(ReadBytes(folder.Path("locked.srt")), "kept");
    EXPECT_THAT(folder.Names(), ElementsAre("locked.srt", "pipe.srt", "to-pipe.srt"));
}

TEST(TextOutputStreamTest, APipeThatTookTheTargetsPlaceIsNotReplaced) {
    TemporaryFolder folder;
    auto stream = platform::FolderItem(folder.Path("late.srt")).CreateTextFile();
    ASSERT_NE(stream, nullptr);
    stream->Write("text");
    ASSERT_EQ(::mkfifo(folder.Path("late.srt").c_str(), 0600), 0);
    EXPECT_FALSE(stream->Close());
    EXPECT_EQ(stream->ErrorMessage(),
              "Cannot replace \"" + folder.Path("late.srt") + "\": it is a pipe, not a file.");
    EXPECT_EQ(TypeOf(folder.Path("late.srt")), S_IFIFO);
    EXPECT_THAT(folder.Names(), ElementsAre("late.srt"));
}

TEST(TextOutputStreamTest, AFailedRenameIsReportedAndCleansUp) {
    TemporaryFolder folder;
    auto stream = platform::FolderItem(folder.Path("late.srt")).CreateTextFile();
    ASSERT_NE(stream, nullptr);
    stream->Write("text");
    // A folder takes the target's place after the stream was made: the rename must fail.
    ::mkdir(folder.Path("late.srt").c_str(), 0755);
    WriteBytes(folder.Path("late.srt/inside"), "x");
    EXPECT_FALSE(stream->Close());
    EXPECT_THAT(stream->ErrorMessage(), HasSubstr("Cannot replace"));
    EXPECT_THAT(folder.Names(), ElementsAre("late.srt"));
    EXPECT_THAT(ReadBytes(folder.Path("late.srt/inside")), "x");
}

constexpr int kTerminationSignals[] = {SIGTERM, SIGINT, SIGHUP};

// A child starts a large copy over an old target and waits with the stream open; the signal
// that ends it there must take the temporary file with it and leave the old target.
TEST(TextOutputStreamTest, ATerminationSignalDuringAWriteLeavesNoTemporaryFile) {
    for (const int signal : kTerminationSignals) {
        SCOPED_TRACE(strsignal(signal));
        TemporaryFolder folder;
        WriteBytes(folder.Path("target.srt"), "old");
        int ready[2];
        ASSERT_EQ(::pipe(ready), 0);
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            std::signal(signal, SIG_DFL);  // as the application starts, whatever ran the tests
            auto stream = platform::FolderItem(folder.Path("target.srt")).CreateTextFile();
            if (stream != nullptr) {
                stream->Write(std::string(3 << 20, 'x'));
            }
            if (::write(ready[1], "w", 1) != 1) {
                ::_exit(2);
            }
            for (;;) {
                ::pause();
            }
        }
        ::close(ready[1]);
        char byte = 0;
        ASSERT_EQ(::read(ready[0], &byte, 1), 1);
        ::close(ready[0]);
        EXPECT_EQ(folder.Names().size(), 2u) << "the child is writing its temporary file";
        ASSERT_EQ(::kill(child, signal), 0);
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFSIGNALED(status)) << status;
        EXPECT_EQ(WTERMSIG(status), signal);
        EXPECT_EQ(ReadBytes(folder.Path("target.srt")), "old");
        EXPECT_THAT(folder.Names(), ElementsAre("target.srt"));
    }
}

// Makes the temporary file, and SIGTERM comes right then, before the stream can look after it.
class TerminatedWhileTheFileIsMade : public platform::FileWriteCalls {
    int MakeTemporary(char* pattern) override {
        const int fd = FileWriteCalls::MakeTemporary(pattern);
        ::raise(SIGTERM);
        return fd;
    }
};

TEST(TextOutputStreamTest, ATerminationSignalWhileTheFileIsMadeLeavesNoTemporaryFile) {
    TemporaryFolder folder;
    EXPECT_EXIT(
        {
            std::signal(SIGTERM, SIG_DFL);
            TerminatedWhileTheFileIsMade calls;
            platform::InstallFileWriteCalls(&calls);
            platform::FolderItem(folder.Path("out.srt")).CreateTextFile();
        },
        ::testing::KilledBySignal(SIGTERM), "");
    EXPECT_THAT(folder.Names(), IsEmpty());
}

void NoteSignal(int) {}

// Outside a write each signal keeps what it had: its own handler, the default, or being
// ignored (which a write leaves alone, as that signal would end nothing).
TEST(TextOutputStreamTest, TheSignalsGetTheirDispositionsBackAfterAWrite) {
    struct Case {
        int signal;
        void (*before)(int);
        bool takenDuringTheWrite;
    };
    const Case cases[] = {
        {SIGTERM, NoteSignal, true}, {SIGINT, SIG_DFL, true}, {SIGHUP, SIG_IGN, false}};
    struct sigaction saved[std::size(cases)];
    const auto handlerOf = [](int signal) {
        struct sigaction current {};
        ::sigaction(signal, nullptr, &current);
        return current.sa_handler;
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        struct sigaction wanted {};
        wanted.sa_handler = cases[i].before;
        ::sigaction(cases[i].signal, &wanted, &saved[i]);
    }

    TemporaryFolder folder;
    auto stream = platform::FolderItem(folder.Path("out.srt")).CreateTextFile();
    ASSERT_NE(stream, nullptr);
    for (const Case& c : cases) {
        EXPECT_EQ(handlerOf(c.signal) != c.before, c.takenDuringTheWrite) << strsignal(c.signal);
    }
    stream->Write("x");
    ASSERT_TRUE(stream->Close());
    for (const Case& c : cases) {
        EXPECT_EQ(handlerOf(c.signal), c.before) << strsignal(c.signal);
    }

    for (std::size_t i = 0; i < std::size(cases); ++i) {
        ::sigaction(cases[i].signal, &saved[i], nullptr);
    }
}

}  // namespace
}  // namespace datatest
