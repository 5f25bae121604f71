#pragma once

#include <string>
#include <string_view>

#include "engine/EngineHost.h"
#include "platform/core/Exceptions.h"

namespace engine {

// The largest time, in seconds, that a timecode may stand for, before and after the offset is
// added: 1,000,000,000 hours (a time below zero is written as zero, however far below). Below it
// every millisecond survives the shifted timecode's way through a Double; beyond it the time cannot
// be computed to the millisecond.
constexpr double largestTimecodeSeconds = 3.6e12;

// A timecode, or a timecode with the offset added, of largestTimecodeSeconds or more.
class TimecodeTooLargeException : public platform::RuntimeException {
public:
    using platform::RuntimeException::RuntimeException;
};

// An offset, as typed, whose size is largestTimecodeSeconds or more, either way: no time could
// be shifted by it. Its message quotes the offset and says so.
class OffsetTooLargeException : public platform::RuntimeException {
public:
    using platform::RuntimeException::RuntimeException;
};

// An SRT timecode as read ("00:01:02,500": hours, minutes, seconds, then "," or "." and the
// fraction digits) to a shifted timecode: the offset in host's TextField1 plus the time, in
// seconds, as plain decimal text whose Val is the shifted time ("72.500" with the offset 10).
// A "-" in front makes the whole time negative; two fields are minutes and seconds; without a
// fraction the seconds are whole. The offset is Val of the field's text, a "+" in front of it
// read as its sign. Raises platform::OutOfBoundsException when the timecode lacks a field it
// needs (one field only, an empty field, no digit at all, a fourth field behind seconds
// without a fraction, or a ":" right after the fraction), TimecodeTooLargeException for a time
// beyond largestTimecodeSeconds and OffsetTooLargeException for such an offset.
std::string TimecodeSRTImport(EngineHost& host, std::string_view timecode);

// A number of seconds to "HH:MM:SS.mmm": hours in two digits or more, minutes and seconds in
// two. Negative seconds give 00:00:00.000.
std::string ReturnTimecodeSRT(double seconds);

}  // namespace engine
