#pragma once

#include <string>
#include <string_view>

#include "engine/EngineHost.h"

namespace engine {

// An SRT timecode as read ("00:01:02,500": hours, minutes, seconds, then "," and the fraction
// digits) to a shifted timecode: the offset in host's TextField1 plus the time, in seconds,
// as plain decimal text whose Val is the shifted time ("72.500" with the offset 10).
// Raises platform::OutOfBoundsException when the timecode lacks a field it needs.
std::string TimecodeSRTImport(EngineHost& host, std::string_view timecode);

// A number of seconds to "HH:MM:SS.mmm": hours in two digits or more, minutes and seconds in
// two. Negative seconds give 00:00:00.000.
std::string ReturnTimecodeSRT(double seconds);

}  // namespace engine
