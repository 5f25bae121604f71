#include "platform/data/FolderItem.h"

#include <fcntl.h>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "DataTestSupport.h"
#include "platform/data/FileReadCalls.h"
#include "support/ScriptedDialogBackend.h"

namespace datatest {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;

TEST(FolderItemTest, NameIsTheBareNameWithItsExtension) {
    EXPECT_EQ(platform::FolderItem("/a/b/movie.en.srt").Name(), "movie.en.srt");
    EXPECT_EQ(platform::FolderItem("movie.srt").Name(), "movie.srt");
    EXPECT_EQ(platform::FolderItem("/a/b/").Name(), "");
}

TEST(FolderItemTest, OpensAFileAsText) {
    TemporaryFolder folder;
    WriteBytes(folder.Path("a.srt"), "one\r\ntwo\n");
    platform::FolderItem file(folder.Path("a.srt"));
    auto stream = file.OpenAsTextFile();
    ASSERT_NE(stream, nullptr);
    EXPECT_THAT(AllLines(*stream), ElementsAre("one", "two"));
}

TEST(FolderItemTest, GivesNoStreamAndAReasonForWhatCannotBeRead) {
    TemporaryFolder folder;
    platform::FolderItem missing(folder.Path("missing.srt"));
    EXPECT_EQ(missing.OpenAsTextFile(), nullptr);
    EXPECT_THAT(missing.LastError(), HasSubstr("No such file or directory"));

    platform::FolderItem aFolder(folder.Path(""));
    EXPECT_EQ(aFolder.OpenAsTextFile(), nullptr);
    EXPECT_THAT(aFolder.LastError(), HasSubstr("is a folder"));
}

TEST(FolderItemTest, ReadsNothingFromWhatIsNotAPlainFile) {
    // An endless device would fill the memory, an empty one would pass for an empty file.
    for (const std::string device : {"/dev/zero", "/dev/null"}) {
        platform::FolderItem file(device);
        EXPECT_EQ(file.OpenAsTextFile(), nullptr);
        EXPECT_EQ(file.LastError(), "\"" + device + "\" is a device, not a file.");
    }
    // A pipe with a writer that keeps it open but never writes: reading would wait forever.
    TemporaryFolder folder;
    const std::string pipe = folder.Path("pipe.srt");
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    const int writer = ::open(pipe.c_str(), O_RDWR | O_CLOEXEC);
    ASSERT_GE(writer, 0);
    platform::FolderItem file(pipe);
    EXPECT_EQ(file.OpenAsTextFile(), nullptr);
    EXPECT_EQ(file.LastError(), "\"" + pipe + "\" is a pipe, not a file.");
    ::close(writer);
    // A socket cannot even be opened.
    const std::string socketPath = folder.Path("sock.srt");
    const int listening = testing_support::BoundSocket(socketPath);
    ASSERT_GE(listening, 0) << std::strerror(errno);
    platform::FolderItem socketFile(socketPath);
    EXPECT_EQ(socketFile.OpenAsTextFile(), nullptr);
    EXPECT_EQ(socketFile.LastError(), "\"" + socketPath + "\" is a socket, not a file.");
    ::close(listening);
}

// Reads as a system file that passes for a plain one but has nothing to give yet (a kernel
// log): a signal interrupts the first read; after that, a blocking read would wait forever (so
// it is only noted) and a non-blocking one fails with EAGAIN.
class FileWithNothingYet : public platform::FileReadCalls {
public:
    FileWithNothingYet() { platform::InstallFileReadCalls(this); }
    ~FileWithNothingYet() override { platform::InstallFileReadCalls(nullptr); }
    ssize_t Read(int fd, char*, std::size_t) override {
        errno = reads++ == 0 ? EINTR : EAGAIN;
        waitedForever = waitedForever || (::fcntl(fd, F_GETFL) & O_NONBLOCK) == 0;
        return -1;
    }
    int reads = 0;
    bool waitedForever = false;
};

TEST(FolderItemTest, AFileThatWouldWaitForItsDataIsNotRead) {
    TemporaryFolder folder;
    WriteBytes(folder.Path("log"), "");
    FileWithNothingYet calls;
    platform::FolderItem file(folder.Path("log"));
    EXPECT_EQ(file.OpenAsTextFile(), nullptr);
    EXPECT_FALSE(calls.waitedForever);
    EXPECT_EQ(calls.reads, 2);
    EXPECT_EQ(file.LastError(), "Cannot read \"" + folder.Path("log") +
                                    "\": it has nothing to read yet, and reading it would wait.");
}

TEST(FolderItemTest, DecodesUtf16InBothByteOrders) {
    TemporaryFolder folder;
    const std::u16string text = u"a\u00E9\r\n\u20AC\U0001F600\n";
    for (const bool little : {true, false}) {
        WriteBytes(folder.Path("u.srt"), Utf16File(text, little));
        auto stream = platform::FolderItem(folder.Path("u.srt")).OpenAsTextFile();
        ASSERT_NE(stream, nullptr);
        EXPECT_THAT(AllLines(*stream), ElementsAre("a\xC3\xA9", "\xE2\x82\xAC\xF0\x9F\x98\x80"));
    }
}

TEST(FolderItemTest, RefusesBadUtf16WithItsPlace) {
    TemporaryFolder folder;
    const std::vector<std::pair<std::string, std::string>> cases = {
        {std::string("\xFF\xFE"
                     "a\0b",
                     5),
         "odd byte count 5"},
        {Utf16File(u"ab", true) + std::string("\x00\xD8"
                                              "c\0",
                                              4),
         "high surrogate without a low one at byte 6"},
        {Utf16File(u"a", false) + std::string("\xDC\x00", 2),
         "low surrogate without a high one at byte 4"},
        {std::string("\xFE\xFF\xD8\x00", 4), "high surrogate without a low one at byte 2"},
    };
    for (const auto& [bytes, reason] : cases) {
        WriteBytes(folder.Path("bad.srt"), bytes);
        platform::FolderItem file(folder.Path("bad.srt"));
        EXPECT_EQ(file.OpenAsTextFile(), nullptr);
        EXPECT_THAT(file.LastError(), HasSubstr("not valid UTF-16"));
        EXPECT_THAT(file.LastError(), HasSubstr(reason));
    }
}

TEST(FolderItemTest, LaunchHandsTheFileToTheBackend) {
    platform::ScriptedDialogBackend dialogs;
    {
        InstalledDialogs installed(dialogs);
        EXPECT_TRUE(platform::FolderItem("/x/y.srt").Launch(true));
        dialogs.LaunchSucceeds(false);
        EXPECT_FALSE(platform::FolderItem("/x/z.srt").Launch(true));
    }
    EXPECT_THAT(dialogs.Launched(), ElementsAre("/x/y.srt", "/x/z.srt"));
}

}  // namespace
}  // namespace datatest
