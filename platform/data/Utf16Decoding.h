#pragma once

#include <string>
#include <string_view>

namespace platform {

enum class Utf16ByteOrder { LittleEndian, BigEndian };

// UTF-16 bytes (without their byte-order mark) as UTF-8. Raises RuntimeException, naming the
// byte offset, on an odd number of bytes or a surrogate without its partner.
std::string DecodeUtf16ToUtf8(std::string_view bytes, Utf16ByteOrder order);

}  // namespace platform
