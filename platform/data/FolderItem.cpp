#include "platform/data/FolderItem.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "platform/core/Exceptions.h"
#include "platform/data/DialogBackend.h"
#include "platform/data/Utf16Decoding.h"

namespace platform {

namespace {

std::string Quoted(const std::string& path) {
    return "\"" + path + "\"";
}

// The whole file at path, or the reason it could not be read.
bool ReadWholeFile(const std::string& path, std::string& content, std::string& error) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        error = "Cannot open " + Quoted(path) + ": " + std::strerror(errno) + ".";
        return false;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || S_ISDIR(info.st_mode)) {
        error = S_ISDIR(info.st_mode)
                    ? Quoted(path) + " is a folder, not a file."
                    : "Cannot read " + Quoted(path) + ": " + std::strerror(errno) + ".";
        ::close(fd);
        return false;
    }
    // Read into a buffer of the file's size; only a file that grows (or reports no size, as
    // pipes do) makes it grow.
    content.resize(info.st_size > 0 ? static_cast<std::size_t>(info.st_size) : 0);
    std::size_t filled = 0;
    for (;;) {
        if (filled == content.size()) {
            char probe[65536];
            const ssize_t more = ::read(fd, probe, sizeof probe);
            if (more > 0) {
                content.append(probe, static_cast<std::size_t>(more));
                filled += static_cast<std::size_t>(more);
                continue;
            }
            if (more == 0) {
                break;
            }
            if (errno == EINTR) {
                continue;
            }
            error = "Cannot read " + Quoted(path) + ": " + std::strerror(errno) + ".";
            ::close(fd);
            return false;
        }
        const ssize_t got = ::read(fd, content.data() + filled, content.size() - filled);
        if (got < 0) {
            if (errno == EINTR) {
                continue;
            }
            error = "Cannot read " + Quoted(path) + ": " + std::strerror(errno) + ".";
            ::close(fd);
            return false;
        }
        if (got == 0) {
            break;  // the file shrank while it was read
        }
        filled += static_cast<std::size_t>(got);
    }
    ::close(fd);
    content.resize(filled);
    return true;
}

}  // namespace

std::string FolderItem::Name() const {
    const std::size_t slash = path_.rfind('/');
    return slash == std::string::npos ? path_ : path_.substr(slash + 1);
}

std::unique_ptr<TextInputStream> FolderItem::OpenAsTextFile() {
    lastError_.clear();
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
            lastError_ =
                Quoted(path_) + " starts as UTF-16 text but is not valid UTF-16: " + e.Message();
            return nullptr;
        }
    }
    return std::make_unique<TextInputStream>(std::move(content));
}

std::unique_ptr<TextOutputStream> FolderItem::CreateTextFile() {
    lastError_.clear();
    return TextOutputStream::Create(path_, lastError_);
}

bool FolderItem::Launch(bool /*activate*/) const {
    return CurrentDialogBackend().OpenInDefaultApplication(path_);
}

}  // namespace platform
