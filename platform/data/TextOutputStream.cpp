#include "platform/data/TextOutputStream.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <new>
#include <vector>

#include "platform/data/FileWriteCalls.h"

namespace platform {

namespace {

constexpr std::size_t bufferSize = 1 << 20;

std::string Reason() {
    return std::strerror(errno);
}

// The mode a new file gets from the process's umask.
mode_t NewFileMode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// Why an existing file of the given mode must not be replaced by a new copy; empty when it
// may. Anything but a plain file would be swapped for one (a device, a pipe or a socket stops
// being what it was), and a file without its owner's leave to write was protected on purpose:
// the atomic rename would replace it all the same, since renaming asks only the folder.
std::string WhyNotReplaced(mode_t mode) {
    if (S_ISDIR(mode)) {
        return "it is a folder";
    }
    if (!S_ISREG(mode)) {
        return "it is " + KindOf(mode) + ", not a file";
    }
    if ((mode & S_IWUSR) == 0) {
        return "the file is read-only";
    }
    return "";
}

// The same for the file at path (after following links); empty when there is none.
std::string WhyNotReplaced(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 ? WhyNotReplaced(info.st_mode) : std::string();
}

}  // namespace

std::unique_ptr<TextOutputStream> TextOutputStream::Create(const std::string& path,
                                                           std::string& error) {
    // A link is followed, so that the file it names is replaced and the link stays a link.
    std::string target = path;
    struct stat info {};
    if (::lstat(path.c_str(), &info) == 0 && S_ISLNK(info.st_mode)) {
        if (char* real = ::realpath(path.c_str(), nullptr); real != nullptr) {
            target = real;
            std::free(real);
        }
    }
    mode_t mode = NewFileMode();
    if (::stat(target.c_str(), &info) == 0) {
        if (const std::string why = WhyNotReplaced(info.st_mode); !why.empty()) {
            error = "Cannot write " + Quoted(path) + ": " + why + ".";
            return nullptr;
        }
        mode = info.st_mode & 07777;
    }

    const std::size_t slash = target.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : target.substr(0, slash);
    const std::string name = slash == std::string::npos ? target : target.substr(slash + 1);
    // The temporary name is kept short enough for any name the target may have.
    const std::string pattern = folder + "/." + name.substr(0, 200) + ".tmp-XXXXXX";
    std::vector<char> temporary(pattern.size() + 1, '\0');
    FileWriteCalls& calls = CurrentFileWriteCalls();
    const TerminationSignalsHeld held;  // until the new stream looks after its file
    Descriptor fd(Retried([&] {
        std::copy(pattern.begin(), pattern.end(), temporary.begin());  // a failure may change it
        return calls.MakeTemporary(temporary.data());
    }));
    if (fd.Get() < 0) {
        error = "Cannot create a file in " + Quoted(folder) + ": " + Reason() + ".";
        return nullptr;
    }
    if (Retried([&] { return calls.ChangeMode(fd.Get(), mode); }) != 0) {
        error = "Cannot write " + Quoted(path) + ": " + Reason() + ".";
        ::unlink(temporary.data());
        return nullptr;
    }
    try {
        return std::unique_ptr<TextOutputStream>(
            new TextOutputStream(fd.Release(), std::move(target), std::string(temporary.data())));
    } catch (const std::bad_alloc&) {
        ::unlink(temporary.data());
        throw;  // for the request to let go of what it holds before it tells the user
    }
}

TextOutputStream::TextOutputStream(int fd, std::string targetPath, std::string temporaryPath)
    : fd_(fd),
      targetPath_(std::move(targetPath)),
      temporaryPath_(std::move(temporaryPath)),
      removal_(temporaryPath_) {
    buffer_.reserve(bufferSize);
}

TextOutputStream::~TextOutputStream() {
    if (!closed_) {
        Discard();
    }
}

void TextOutputStream::Write(std::string_view text) {
    if (!error_.empty() || closed_) {
        return;
    }
    if (buffer_.size() + text.size() > bufferSize) {
        Flush();
    }
    if (text.size() >= bufferSize) {
        WriteThrough(text);  // too large to be worth a copy
        return;
    }
    buffer_.append(text);
}

void TextOutputStream::Flush() {
    WriteThrough(buffer_);
    buffer_.clear();
}

void TextOutputStream::WriteThrough(std::string_view text) {
    std::size_t written = 0;
    FileWriteCalls& calls = CurrentFileWriteCalls();
    while (error_.empty() && written < text.size()) {
        const ssize_t done = Retried(
            [&] { return calls.Write(fd_.Get(), text.data() + written, text.size() - written); });
        if (done < 0) {
            Fail("Cannot write " + Quoted(targetPath_) + ": " + Reason() + ".");
            return;
        }
        written += static_cast<std::size_t>(done);
    }
}

bool TextOutputStream::Close() {
    if (closed_) {
        return error_.empty();
    }
    Flush();
    FileWriteCalls& calls = CurrentFileWriteCalls();
    if (error_.empty() && Retried([&] { return calls.Sync(fd_.Get()); }) != 0) {
        Fail("Cannot write " + Quoted(targetPath_) + " to the disk: " + Reason() + ".");
    }
    if (error_.empty()) {
        if (fd_.Close() != 0) {
            Fail("Cannot write " + Quoted(targetPath_) + ": " + Reason() + ".");
        } else if (const std::string why = WhyNotReplaced(targetPath_); !why.empty()) {
            // Checked again: something else may have taken the target's place meanwhile.
            Fail("Cannot replace " + Quoted(targetPath_) + ": " + why + ".");
        } else if (Retried([&] {
                       return calls.Rename(temporaryPath_.c_str(), targetPath_.c_str());
                   }) != 0) {
            Fail("Cannot replace " + Quoted(targetPath_) + ": " + Reason() + ".");
        } else {
            removal_.Release();
        }
    }
    if (!error_.empty()) {
        Discard();
    }
    std::string().swap(buffer_);
    closed_ = true;
    return error_.empty();
}

void TextOutputStream::Fail(const std::string& what) {
    if (error_.empty()) {
        error_ = what;
    }
}

void TextOutputStream::Discard() {
    fd_.Close();
    ::unlink(temporaryPath_.c_str());
    removal_.Release();
    std::string().swap(buffer_);
}

}  // namespace platform
