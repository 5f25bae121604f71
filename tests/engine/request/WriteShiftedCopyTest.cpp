#include <gmock/gmock.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include "engine/EngineTestSupport.h"
#include "engine/request/WriteShiftedCopy.h"
#include "platform/data/FileWriteCalls.h"

namespace enginetest {
namespace {

using ShiftedCopyTest = CopyTest;

TEST(ShiftedCopyNameTest, IsTheNameUpToItsFirstDotAndV2) {
    EXPECT_EQ(engine::ShiftedCopyName("movie.srt"), "movie_V2.srt");
    EXPECT_EQ(engine::ShiftedCopyName("movie.en.srt"), "movie_V2.srt");
    EXPECT_EQ(engine::ShiftedCopyName("movie"), "movie_V2.srt");
    EXPECT_EQ(engine::ShiftedCopyName(".srt"), "_V2.srt");
    EXPECT_EQ(engine::ShiftedCopyName("Fr\xC3\xA8re.srt"), "Fr\xC3\xA8re_V2.srt");

    // Stems too long for a 255-byte name lose their last whole characters.
    auto times = [](std::string_view piece, int count) {
        std::string text;
        for (int i = 0; i < count; ++i) {
            text += piece;
        }
        return text;
    };
    EXPECT_EQ(engine::ShiftedCopyName(times("a", 248) + ".srt"), times("a", 248) + "_V2.srt");
    EXPECT_EQ(engine::ShiftedCopyName(times("a", 251)), times("a", 248) + "_V2.srt");
    EXPECT_EQ(engine::ShiftedCopyName(times("\xE2\x82\xAC", 83) + ".srt"),
              times("\xE2\x82\xAC", 82) + "_V2.srt")
        << "a three-byte character is not cut in two";
    EXPECT_EQ(engine::ShiftedCopyName(times("\xF0\x9F\x8E\xAC", 70)),
              times("\xF0\x9F\x8E\xAC", 62) + "_V2.srt");
}

TEST_F(ShiftedCopyTest, WritesTheSeventyNineByteExample) {
    AddRow("4.000", "6.500", "Hello|world");
    AddRow("72.500", "75.000", "");

    host.app.lineBreakSymbol = "|";
    const std::string split = Export("split.srt");
    EXPECT_EQ(split,
              "1\n00:00:04,000 --> 00:00:06,500\nHello\nworld\n\n"
              "2\n00:01:12,500 --> 00:01:15,000\n\n\n");
    EXPECT_EQ(split.size(), 79u);

    host.app.lineBreakSymbol = "";
    const std::string whole = Export("whole.srt");
    EXPECT_EQ(whole,
              "1\n00:00:04,000 --> 00:00:06,500\nHello|world\n\n"
              "2\n00:01:12,500 --> 00:01:15,000\n\n\n");
    EXPECT_EQ(whole.size(), 79u);
    EXPECT_THAT(dialogs.Launched(),
                ElementsAre(folder.Path("split.srt"), folder.Path("whole.srt")));
}

TEST_F(ShiftedCopyTest, SplitsUntaggedRowsAtEveryBarWhileTheSymbolIsSet) {
    host.app.lineBreakSymbol = "|";
    AddRow("1.000", "2.000", "A|B|C");
    AddRow("1.000", "2.000", "|lead||trail|");
    AddRow("1.000", "2.000", "no bar");
    EXPECT_EQ(Export(),
              "1\n00:00:01,000 --> 00:00:02,000\nA\nB\nC\n\n"
              "2\n00:00:01,000 --> 00:00:02,000\n\nlead\n\ntrail\n\n\n"
              "3\n00:00:01,000 --> 00:00:02,000\nno bar\n\n");
}

TEST_F(ShiftedCopyTest, NumbersBlocksFromOneWithoutLeadingZeros) {
    for (int i = 0; i < 100; ++i) {
        AddRow("1.000", "2.000", "t");
    }
    const std::string written = Export();
    EXPECT_THAT(written, StartsWith("1\n00:00:01,000"));
    EXPECT_THAT(written, HasSubstr("\n\n10\n00:00:01,000"));
    EXPECT_THAT(written, HasSubstr("\n\n100\n00:00:01,000 --> 00:00:02,000\nt\n\n"));
    EXPECT_EQ(written.find('\r'), std::string::npos);
}

TEST_F(ShiftedCopyTest, ReplacesAnExistingFileWhole) {
    AddRow("1.000", "2.000", "new");
    WriteBytes(folder.Path("out.srt"), std::string(5000, 'x'));
    ::chmod(folder.Path("out.srt").c_str(), 0640);
    EXPECT_EQ(Export(), "1\n00:00:01,000 --> 00:00:02,000\nnew\n\n");
    EXPECT_EQ(ModeOf(folder.Path("out.srt")), 0640u);
    EXPECT_THAT(folder.Names(), ElementsAre("out.srt"));
}

TEST_F(ShiftedCopyTest, TheSourceFileItselfCanBeTheTarget) {
    EXPECT_EQ(Import("1\n00:00:01,000 --> 00:00:02,000\nA\nB\n", "movie.srt", "movie.srt"),
              "1\n00:00:04,000 --> 00:00:05,000\nA\nB\n\n");
    EXPECT_THAT(folder.Names(), ElementsAre("movie.srt"));
}

TEST_F(ShiftedCopyTest, TargetThatCannotBeWrittenIsToldAndLeftAlone) {
    AddRow("1.000", "2.000", "A");
    std::filesystem::create_directory(folder.Path("taken.srt"));
    dialogs.AnswerSave(folder.Path("taken.srt"));
    dialogs.AnswerSave(folder.Path("no such folder/out.srt"));
    engine::DoSRT(host);
    engine::DoSRT(host);

    const auto couldNotWrite = StartsWith("Could not write the new SRT file.\n");
    EXPECT_THAT(dialogs.Messages(),
                ElementsAre(AllOf(couldNotWrite, HasSubstr("it is a folder")),
                            AllOf(couldNotWrite, HasSubstr("No such file or directory"))));
    EXPECT_TRUE(dialogs.Launched().empty());
    EXPECT_THAT(folder.Names(), ElementsAre("taken.srt"));
}

// A full disk, simulated by a file-size limit: the write fails part way.
TEST_F(ShiftedCopyTest, FailedWriteLeavesTheOldFileAndNoTemporaryFile) {
    for (int i = 0; i < 20000; ++i) {
        AddRow("1.000", "2.000", "a line of subtitle text that takes some room");
    }
    WriteBytes(folder.Path("out.srt"), "the old copy\n");

    rlimit saved{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    rlimit limited = saved;
    limited.rlim_cur = 64 * 1024;
    const auto oldHandler = ::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &limited), 0);
    dialogs.AnswerSave(folder.Path("out.srt"));
    engine::DoSRT(host);
    ::setrlimit(RLIMIT_FSIZE, &saved);
    ::signal(SIGXFSZ, oldHandler);

    EXPECT_THAT(dialogs.Messages(),
                ElementsAre(AllOf(StartsWith("Could not write the new SRT file.\nCannot write"),
                                  HasSubstr("File too large"))));
    EXPECT_TRUE(dialogs.Launched().empty());
    EXPECT_EQ(ReadBytes(folder.Path("out.srt")), "the old copy\n");
    EXPECT_THAT(folder.Names(), ElementsAre("out.srt"));
}

// Stands in for the file-writing calls while it lives: the chosen call fails with the chosen
// error the given number of times, then goes through, as every other call does.
class FailingFileWrites : public platform::FileWriteCalls {
public:
    enum class Call { MakeTemporary, ChangeMode, Write, Sync, Rename };

    FailingFileWrites(Call call, int error, int times) : call_(call), error_(error), left_(times) {
        platform::InstallFileWriteCalls(this);
    }
    ~FailingFileWrites() override { platform::InstallFileWriteCalls(nullptr); }

    int MakeTemporary(char* pattern) override {
        return Fails(Call::MakeTemporary) ? -1 : FileWriteCalls::MakeTemporary(pattern);
    }
    int ChangeMode(int fd, mode_t mode) override {
        return Fails(Call::ChangeMode) ? -1 : FileWriteCalls::ChangeMode(fd, mode);
    }
    ssize_t Write(int fd, const char* data, std::size_t size) override {
        return Fails(Call::Write) ? -1 : FileWriteCalls::Write(fd, data, size);
    }
    int Sync(int fd) override { return Fails(Call::Sync) ? -1 : FileWriteCalls::Sync(fd); }
    int Rename(const char* from, const char* to) override {
        return Fails(Call::Rename) ? -1 : FileWriteCalls::Rename(from, to);
    }

private:
    bool Fails(Call call) {
        if (call != call_ || left_ == 0) {
            return false;
        }
        --left_;
        errno = error_;
        return true;
    }

    Call call_;
    int error_;
    int left_;
};

// A full or failing disk at each step of the writing is told with its reason and leaves the
// old copy and no temporary file; a call that a signal interrupts is made again.
TEST_F(ShiftedCopyTest, WriteFaultsAreToldAndInterruptedCallsMadeAgain) {
    using Call = FailingFileWrites::Call;
    AddRow("1.000", "2.000", "A");
    const std::string target = folder.Path("out.srt");
    const std::string inFolder = "Cannot create a file in \"" + folder.Folder().string() + "\": ";
    const std::string write = "Cannot write \"" + target + "\": ";
    const std::string sync = "Cannot write \"" + target + "\" to the disk: ";
    const std::string replace = "Cannot replace \"" + target + "\": ";
    const std::string noSpace = "No space left on device.";
    const std::string io = "Input/output error.";
    struct Case {
        Call call;
        int error;
        std::string told;  // empty: the copy is written
    };
    const Case cases[] = {
        {Call::MakeTemporary, ENOSPC, inFolder + noSpace},
        {Call::MakeTemporary, EIO, inFolder + io},
        {Call::MakeTemporary, EINTR, ""},
        {Call::ChangeMode, EIO, write + io},
        {Call::ChangeMode, EINTR, ""},
        {Call::Write, ENOSPC, write + noSpace},
        {Call::Write, EIO, write + io},
        {Call::Write, EINTR, ""},
        {Call::Sync, ENOSPC, sync + noSpace},
        {Call::Sync, EIO, sync + io},
        {Call::Sync, EINTR, ""},
        {Call::Rename, ENOSPC, replace + noSpace},
        {Call::Rename, EIO, replace + io},
        {Call::Rename, EINTR, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.told.empty() ? "EINTR" : c.told);
        WriteBytes(target, "the old copy\n");
        dialogs.ClearRecords();
        dialogs.AnswerSave(target);
        {
            const FailingFileWrites failing(c.call, c.error, 3);
            engine::DoSRT(host);
        }
        if (c.told.empty()) {
            EXPECT_THAT(dialogs.Messages(), IsEmpty());
            EXPECT_EQ(ReadBytes(target), "1\n00:00:01,000 --> 00:00:02,000\nA\n\n");
            EXPECT_THAT(dialogs.Launched(), ElementsAre(target));
        } else {
            EXPECT_THAT(dialogs.Messages(),
                        ElementsAre("Could not write the new SRT file.\n" + c.told));
            EXPECT_EQ(ReadBytes(target), "the old copy\n");
            EXPECT_THAT(dialogs.Launched(), IsEmpty());
        }
        EXPECT_THAT(folder.Names(), ElementsAre("out.srt"));
    }
}

TEST_F(ShiftedCopyTest, BarsInsideSubtitlesStayWhateverEarlierRequestsDid) {
    // An earlier request met a two-line block, so the symbol is "|" from then on.
    Import("1\n00:00:01,000 --> 00:00:02,000\nA\nB\n", "first.srt", "first_V2.srt");
    ASSERT_EQ(host.app.lineBreakSymbol, "|");

    const std::string copy = Import(
        "1\n00:00:01,000 --> 00:00:02,000\nleft | right\n\n"
        "2\n00:00:03,000 --> 00:00:04,000\n|a|\nb||c\n`quoted`\n\n"
        "3\n00:00:05,000 --> 00:00:06,000\nplain\nlines\n",
        "bars.srt", "bars_V2.srt");
    EXPECT_EQ(host.cueList.Cell(0, 2), "left | right");
    EXPECT_EQ(host.cueList.Cell(1, 2), "|a||b||c|'quoted'");
    EXPECT_EQ(copy,
              "1\n00:00:04,000 --> 00:00:05,000\nleft | right\n\n"
              "2\n00:00:06,000 --> 00:00:07,000\n|a|\nb||c\n'quoted'\n\n"
              "3\n00:00:08,000 --> 00:00:09,000\nplain\nlines\n\n");
}

}  // namespace
}  // namespace enginetest
