#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "platform/data/PosixFile.h"
#include "platform/data/RemovedOnTermination.h"

namespace platform {

// Writes a text file anew, byte for byte: no line-end translation, no byte-order mark.
// The text goes to a temporary file beside the target; Close flushes it to the disk and only
// then renames it over the target. So the target holds either what it held before or the
// whole new text, never a part of it, and a stream dropped without a successful Close leaves
// nothing behind; nor does SIGTERM, SIGINT or SIGHUP ending the process while the stream is open.
class TextOutputStream {
public:
    // A stream for the file at path; nullptr when it cannot be made, with the reason in error.
    // An existing target (a link is followed) is replaced only when it is a plain file its owner
    // may write: a folder, device, pipe or socket, or a read-only file, is refused and left as it
    // is. Running out of memory raises std::bad_alloc, with no file left behind.
    static std::unique_ptr<TextOutputStream> Create(const std::string& path, std::string& error);

    ~TextOutputStream();
    TextOutputStream(const TextOutputStream&) = delete;
    TextOutputStream& operator=(const TextOutputStream&) = delete;

    // Appends text's bytes. A failure is remembered; Close reports it.
    void Write(std::string_view text);

    // Puts everything written into the target file. False when anything failed since the
    // stream was made, with the reason in ErrorMessage(); the target is then untouched.
    bool Close();

    const std::string& ErrorMessage() const { return error_; }

private:
    TextOutputStream(int fd, std::string targetPath, std::string temporaryPath);

    void Flush();
    void WriteThrough(std::string_view text);
    void Fail(const std::string& what);
    void Discard();

    Descriptor fd_;
    std::string targetPath_;
    std::string temporaryPath_;
    RemovedOnTermination removal_;
    std::string buffer_;
    std::string error_;
    bool closed_ = false;
};

}  // namespace platform
