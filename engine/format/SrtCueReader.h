#pragma once

#include "engine/EngineHost.h"
#include "platform/data/TextInputStream.h"

namespace engine {

// Reads the subtitle blocks of stream into host's cue list, one row per block: the shifted
// start and end (the offset in host's TextField1 added), the text lines joined by "|" with
// every backtick as an apostrophe, each row selected. Backticks that may be a byte of a
// character stay: every one in a line with an ISO-2022 escape (ESC then "$" or "("), and in a
// line that is not UTF-8 each one right after a byte from 0x81 up. Once a block of two or more
// text lines has been read, the application object's lineBreakSymbol becomes "|". Raises
// SrtReadError for a file the reader cannot take; the rows of the blocks before it stay.
void ReadCues(EngineHost& host, platform::TextInputStream& stream);

}  // namespace engine
