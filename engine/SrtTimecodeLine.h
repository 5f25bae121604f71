#pragma once

#include <string>
#include <string_view>

namespace engine {

// A timecode line cut into the halves that the timecode conversion reads, and the text that
// follows the end timecode on the line (such as position values), as it stands in the file.
struct SrtTimecodeLine {
    std::string start;          // before the first "-->": "." as ",", without spaces
    std::string end;            // to a second "-->" or the line's end: the same
    std::string_view rawStart;  // the two halves as they stand in the file, for messages
    std::string_view rawEnd;
    std::string_view trailingText;  // after the end timecode; blanks around it left out

    // Cuts line, which contains "-->". The views point into line.
    static SrtTimecodeLine Cut(std::string_view line);
};

}  // namespace engine
