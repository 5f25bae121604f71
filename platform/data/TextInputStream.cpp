#include "platform/data/TextInputStream.h"

#include <algorithm>
#include <cstring>

namespace platform {

namespace {

// The position of the first c in text at or after from, or text.size().
std::size_t FindByte(const std::string& text, std::size_t from, char c) {
    if (from >= text.size()) {
        return text.size();
    }
    const void* found = std::memchr(text.data() + from, c, text.size() - from);
    return found == nullptr
               ? text.size()
               : static_cast<std::size_t>(static_cast<const char*>(found) - text.data());
}

}  // namespace

TextInputStream::TextInputStream(std::string content) : content_(std::move(content)) {
    // Editors that keep a file's byte-order mark and add their own leave two.
    constexpr std::string_view byteOrderMark = "\xEF\xBB\xBF";
    while (std::string_view(content_).substr(start_).starts_with(byteOrderMark)) {
        start_ += byteOrderMark.size();
    }
    Rewind();
}

void TextInputStream::Rewind() {
    position_ = start_;
    nextLineFeed_ = FindByte(content_, position_, '\n');
    nextCarriageReturn_ = FindByte(content_, position_, '\r');
}

std::string_view TextInputStream::ReadLineView() {
    if (EndOfFile()) {
        return {};
    }
    // The next LF and the next CR are each looked up again only once the reading has passed
    // them, so every byte is searched at most once for each, whatever the files' line ends.
    if (nextLineFeed_ < position_) {
        nextLineFeed_ = FindByte(content_, position_, '\n');
    }
    if (nextCarriageReturn_ < position_) {
        nextCarriageReturn_ = FindByte(content_, position_, '\r');
    }
    const std::size_t end = std::min(nextLineFeed_, nextCarriageReturn_);
    const std::string_view line(content_.data() + position_, end - position_);
    position_ = end + 1;
    if (end == nextCarriageReturn_ && end + 1 < content_.size() && content_[end + 1] == '\n') {
        ++position_;  // CR LF
    }
    return line;
}

void TextInputStream::Close() {
    content_.clear();
    content_.shrink_to_fit();
    start_ = 0;
    position_ = 0;
    nextLineFeed_ = 0;
    nextCarriageReturn_ = 0;
}

}  // namespace platform
