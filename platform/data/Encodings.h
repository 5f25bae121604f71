#pragma once

namespace platform {

// The text encodings a stream can be told to read in. Texts are byte strings: a stream hands
// its bytes over unchanged whatever encoding it is given.
enum class TextEncoding {
    Unknown,
    UTF8,
};

struct Encodings {
    static constexpr TextEncoding UTF8 = TextEncoding::UTF8;
};

}  // namespace platform
