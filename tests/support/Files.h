#pragma once

// Files for tests: a temporary folder of a test's own, and whole files written and read as bytes.
// Each fails loudly, with an exception, rather than leave a test looking at the wrong file.

#include <sys/types.h>

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace testing_support {

// A folder of its own under base (the system's temporary folder unless told), removed with
// everything in it.
class TemporaryFolder {
public:
    explicit TemporaryFolder(
        const std::filesystem::path& base = std::filesystem::temp_directory_path());
    ~TemporaryFolder();
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;

    std::string Path(std::string_view name) const { return (path_ / name).string(); }
    const std::filesystem::path& Folder() const { return path_; }

    // The names of the files in the folder, sorted.
    std::vector<std::string> Names() const;

private:
    std::filesystem::path path_;
};

// The names of the files in folder, sorted.
std::vector<std::string> NamesIn(const std::filesystem::path& folder);

// Writes bytes as the whole file at path, replacing what was there.
void WriteBytes(const std::string& path, std::string_view bytes);

// The whole file at path.
std::string ReadBytes(const std::string& path);

// The type bits (S_IFMT) of what is at path, a link not followed; 0 when nothing is there.
mode_t TypeOf(const std::string& path);

// The permission bits (07777) of the file at path, a link followed; all bits set when nothing
// is there.
mode_t ModeOf(const std::string& path);

// A Unix socket bound at path, as a server leaves one: its descriptor (the caller closes it), or
// -1 with errno telling why not.
int BoundSocket(const std::string& path);

// The bytes of a UTF-16 file holding text, its byte order mark first.
std::string Utf16File(std::u16string_view text, bool littleEndian);

// bytes converted from the encoding from to the encoding to by the C library's converter
// (iconv names, such as "SHIFT_JIS" or "UTF-32LE"), a shift back to the initial state at the
// end; nothing when bytes are not well-formed in from or cannot be written in to.
std::optional<std::string> Converted(std::string_view bytes, const char* from, const char* to);

// Whether bytes are well-formed UTF-8, as the C library's converter to UTF-32 judges them:
// a judge apart from the code under test.
bool ConvertsFromUtf8(std::string_view bytes);

}  // namespace testing_support
