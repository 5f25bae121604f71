#include "platform/data/Utf16Decoding.h"

#include <cstdint>

#include "platform/core/Exceptions.h"

namespace platform {

namespace {

void AppendUtf8(std::string& out, std::uint32_t code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

}  // namespace

std::string DecodeUtf16ToUtf8(std::string_view bytes, Utf16ByteOrder order) {
    // Offsets in messages count from the start of the file, byte-order mark included.
    constexpr std::size_t markSize = 2;
    if (bytes.size() % 2 != 0) {
        throw RuntimeException("it ends in half a character (odd byte count " +
                               std::to_string(bytes.size() + markSize) + ").");
    }
    const auto unitAt = [&](std::size_t at) -> std::uint32_t {
        const auto first = static_cast<std::uint8_t>(bytes[at]);
        const auto second = static_cast<std::uint8_t>(bytes[at + 1]);
        return order == Utf16ByteOrder::LittleEndian ? (second << 8) | first
                                                     : (first << 8) | second;
    };
    std::string out;
    out.reserve(bytes.size());
    for (std::size_t at = 0; at < bytes.size(); at += 2) {
        const std::uint32_t unit = unitAt(at);
        if (unit >= 0xDC00 && unit <= 0xDFFF) {
            throw RuntimeException("a low surrogate without a high one at byte " +
                                   std::to_string(at + markSize) + ".");
        }
        if (unit >= 0xD800 && unit <= 0xDBFF) {
            const std::uint32_t low = at + 2 < bytes.size() ? unitAt(at + 2) : 0;
            if (low < 0xDC00 || low > 0xDFFF) {
                throw RuntimeException("a high surrogate without a low one at byte " +
                                       std::to_string(at + markSize) + ".");
            }
            AppendUtf8(out, 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00));
            at += 2;
        } else {
            AppendUtf8(out, unit);
        }
    }
    return out;
}

}  // namespace platform
