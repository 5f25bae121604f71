#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace engine {

// A timecode line cut into the start and the end time that the timecode conversion reads, and
// the text that follows the end time on the line (such as position values), as it stands in
// the file.
struct SrtTimecodeLine {
    std::string start;              // before the first "-->": "." as ",", without blanks
    std::string end;                // the end time alone (see TimeLength): the same
    std::string_view rawStart;      // the two halves as they stand in the file, for messages: the
    std::string_view rawEnd;        // end runs to a second "-->" or the line's end
    std::string_view trailingText;  // after the end time; blanks around it left out

    // Cuts line, which contains "-->". The views point into line.
    static SrtTimecodeLine Cut(std::string_view line);

    // The length of the time at the start of text: blanks, an optional "-", fields of digits
    // between ":", then one fraction mark ("," or ".") and its digits, with blanks between
    // these parts; the time ends where anything else begins.
    static std::size_t TimeLength(std::string_view text);

    // For a line without "-->" that holds two full times (hours, minutes, seconds and a
    // fraction each) joined by an arrow-like separator ("->", "- >", "-- >", "=>"): that
    // separator, as it stands in the line. A timecode line with a broken arrow, it must not be
    // taken for text. Times in other shapes ("10:30 -> 11:00") give nothing.
    static std::optional<std::string_view> BrokenArrow(std::string_view line);
};

}  // namespace engine
