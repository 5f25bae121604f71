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
    // these parts; the time ends where anything else begins. A ":" right after the fraction
    // does not end it: such a time is malformed, and it is read whole so that the conversion
    // refuses it, as it refuses the same text as a start time.
    static std::size_t TimeLength(std::string_view text);

    // Whether the end time stops short of the start time's shape: fewer fields, or a last
    // field of fewer digits ("00:01:35,000 --> 00:01:3"). A file cut off inside its last
    // timecode line leaves such an end.
    bool EndCutShort() const;

    // For a line without "-->" that holds two times but no well-formed "-->" between them:
    // what stands between them, blanks around it and the second time's sign left out (the
    // empty view when nothing does). Such a line is a timecode line whose arrow was mangled
    // ("->", "—>", " to "), never text. Anywhere in a file both times must be full (hours,
    // minutes, seconds and a fraction); where a timecode line belongs (timecodePlace: after an
    // index line that follows an empty line or starts the file), the line need only begin with
    // a time of any shape and hold a second one. Times in other shapes elsewhere ("10:30 ->
    // 11:00") give nothing.
    static std::optional<std::string_view> BrokenArrow(std::string_view line, bool timecodePlace);

    // Whether line holds nothing but what a timecode line holds (digits, ":", ",", ".", "-",
    // ">", blanks), a digit among them: a piece of one, where it stands in one's place.
    static bool IsTimecodeFragment(std::string_view line);
};

}  // namespace engine
