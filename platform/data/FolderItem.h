#pragma once

#include <memory>
#include <string>

#include "platform/data/TextInputStream.h"
#include "platform/data/TextOutputStream.h"

namespace platform {

// A file of the file system, named by its path (the file system's own bytes).
class FolderItem {
public:
    explicit FolderItem(std::string path) : path_(std::move(path)) {}

    const std::string& Path() const { return path_; }

    // The bare name with its extension: the path after its last "/".
    std::string Name() const;

    // The whole file, read at once, as a text stream; nullptr when it cannot be read, with the
    // reason in LastError(). Only a plain file is read: a folder, device, pipe or socket is
    // refused without waiting and without reading from it. A UTF-8 byte-order mark at its start is
    // left out; a file that starts with a UTF-16 byte-order mark (either byte order) is decoded to
    // UTF-8.
    std::unique_ptr<TextInputStream> OpenAsTextFile();

    // A stream that writes the file anew; nullptr when it cannot be made, with the reason in
    // LastError(). What the file held before stays in place until the stream's Close succeeds.
    std::unique_ptr<TextOutputStream> CreateTextFile();

    // Opens the file in its default application; false when that could not be started.
    // activate is accepted for the caller's intent; the system decides what comes forward.
    bool Launch(bool activate) const;

    // Why the latest OpenAsTextFile or CreateTextFile gave nothing.
    const std::string& LastError() const { return lastError_; }

private:
    std::string path_;
    std::string lastError_;
};

}  // namespace platform
