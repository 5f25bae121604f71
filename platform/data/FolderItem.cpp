#include "platform/data/FolderItem.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <new>
#include <stdexcept>

#include "platform/core/Exceptions.h"
#include "platform/data/DialogBackend.h"
#include "platform/data/FileReadCalls.h"
#include "platform/data/PosixFile.h"
#include "platform/data/Utf16Decoding.h"

namespace platform {

namespace {

std::string TooLarge(const std::string& path) {
    return "Cannot read " + Quoted(path) + ": the file is too large to read.";
}

std::string NotAFile(const std::string& path, mode_t mode) {
    return Quoted(path) + " is " + KindOf(mode) + ", not a file.";
}

// The whole file at path, or the reason it could not be read. Only a plain file is read, and
// nothing waits: the file is opened without waiting (a pipe would wait for a writer), anything
// else is refused before a byte of it is read (a device such as /dev/zero never ends), and the
// descriptor stays non-blocking, which changes nothing for a plain file but keeps a system file
// that passes for one (a kernel log) from waiting forever for its next line.
bool ReadWholeFile(const std::string& path, std::string& content, std::string& error) {
    const Descriptor fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (fd.Get() < 0) {
        // Some kinds cannot be opened at all (a socket, a device without its driver): the
        // reason is what they are, not the error the opening gave. The look at the kind only
        // chooses the message; nothing is opened on its word.
        const int reason = errno;
        struct stat info {};
        if (::stat(path.c_str(), &info) == 0 && !S_ISREG(info.st_mode)) {
            error = NotAFile(path, info.st_mode);
        } else {
            error = "Cannot open " + Quoted(path) + ": " + std::strerror(reason) + ".";
        }
        return false;
    }
    struct stat info {};
    if (::fstat(fd.Get(), &info) != 0) {
        error = "Cannot read " + Quoted(path) + ": " + std::strerror(errno) + ".";
        return false;
    }
    if (!S_ISREG(info.st_mode)) {
        error = NotAFile(path, info.st_mode);
        return false;
    }
    if (info.st_size > 0 && static_cast<std::uintmax_t>(info.st_size) > content.max_size()) {
        error = TooLarge(path);
        return false;
    }
    FileReadCalls& calls = CurrentFileReadCalls();
    const auto readSome = [&](char* data, std::size_t size) {
        return Retried([&] { return calls.Read(fd.Get(), data, size); });
    };
    // Read into a buffer of the file's size; only a file that grows (or reports no size, as
    // some system files do) makes it grow.
    try {
        content.resize(info.st_size > 0 ? static_cast<std::size_t>(info.st_size) : 0);
        std::size_t filled = 0;
        for (;;) {
            ssize_t got = 0;
            if (filled == content.size()) {
                char probe[65536];
                got = readSome(probe, sizeof probe);
                if (got > 0) {
                    content.append(probe, static_cast<std::size_t>(got));
                }
            } else {
                got = readSome(content.data() + filled, content.size() - filled);
            }
            if (got == 0) {
                break;  // the end, or the file shrank while it was read
            }
            if (got < 0) {
                const int reason = errno;
                error = "Cannot read " + Quoted(path) + ": " +
                        (reason == EAGAIN || reason == EWOULDBLOCK
                             ? std::string("it has nothing to read yet, and reading it would wait.")
                             : std::strerror(reason) + std::string("."));
                return false;
            }
            filled += static_cast<std::size_t>(got);
        }
        content.resize(filled);
    } catch (const std::bad_alloc&) {
        content = std::string();
        error = TooLarge(path);
        return false;
    } catch (const std::length_error&) {
        content = std::string();
        error = TooLarge(path);
        return false;
    }
    return true;
}

}  // namespace

std::string FolderItem::Name() const {
    const std::size_t slash = path_.rfind('/');
    return slash == std::string::npos ? path_ : path_.substr(slash + 1);
}

std::unique_ptr<TextInputStream> FolderItem::OpenAsTextFile() {
    lastError_.clear();
    try {
        std::string content;
        if (!ReadWholeFile(path_, content, lastError_)) {
            return nullptr;
        }
        const bool littleEndian = content.starts_with("\xFF\xFE");
        if (littleEndian || content.starts_with("\xFE\xFF")) {
            try {
                content = DecodeUtf16ToUtf8(
                    std::string_view(content).substr(2),
                    littleEndian ? Utf16ByteOrder::LittleEndian : Utf16ByteOrder::BigEndian);
            } catch (const RuntimeException& e) {
                lastError_ = Quoted(path_) +
                             " starts as UTF-16 text but is not valid UTF-16: " + e.Message();
                return nullptr;
            }
        }
        return std::make_unique<TextInputStream>(std::move(content));
    } catch (const std::bad_alloc&) {
        lastError_ = TooLarge(path_);
    } catch (const std::length_error&) {
        lastError_ = TooLarge(path_);
    } catch (const std::exception& e) {
        lastError_ = "Cannot read " + Quoted(path_) + ": " + e.what();
    }
    return nullptr;
}

std::unique_ptr<TextOutputStream> FolderItem::CreateTextFile() {
    lastError_.clear();
    return TextOutputStream::Create(path_, lastError_);
}

bool FolderItem::Launch(bool /*activate*/) const {
    return CurrentDialogBackend().OpenInDefaultApplication(path_);
}

}  // namespace platform
