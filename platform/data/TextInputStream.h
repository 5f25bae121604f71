#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "platform/data/Encodings.h"

namespace platform {

// A text file held whole in memory, handed out line by line. Lines end at LF, CR LF or a lone
// CR; the line end is not part of the line. Every other byte comes out exactly as it was in
// the file, whatever the encoding: the encoding names how the bytes are meant, nothing is
// converted. The UTF-8 byte-order marks at the very start are not part of the first line.
class TextInputStream {
public:
    explicit TextInputStream(std::string content);

    TextEncoding Encoding() const { return encoding_; }
    void Encoding(TextEncoding encoding) { encoding_ = encoding; }

    // The next line without its line end; the empty text when nothing is left.
    std::string ReadLine() { return std::string(ReadLineView()); }

    // The same as ReadLine, without a copy: the view stays valid until Close or destruction.
    std::string_view ReadLineView();

    // True once nothing is left to read.
    bool EndOfFile() const { return position_ >= content_.size(); }

    // True when the line read last is the file's last line and no line end follows it: the
    // file may have been cut off inside that line.
    bool LineEndMissing() const { return position_ > content_.size(); }

    // Reads again from the first line.
    void Rewind();

    // Lets go of the file's text; later reads give the empty text.
    void Close();

private:
    std::string content_;
    std::size_t start_ = 0;  // after a byte-order mark
    std::size_t position_ = 0;
    std::size_t nextLineFeed_ = 0;        // first LF at or after position_, or content_.size()
    std::size_t nextCarriageReturn_ = 0;  // first CR at or after position_, or content_.size()
    TextEncoding encoding_ = TextEncoding::Unknown;
};

}  // namespace platform
