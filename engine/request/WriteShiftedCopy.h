#pragma once

#include <string>
#include <string_view>

#include "engine/EngineHost.h"

namespace engine {

// The name the save dialog proposes: srtName up to its first ".", then "_V2.srt"; a stem too
// long for a file name of NAME_MAX bytes is shortened to fit, by whole UTF-8 characters.
std::string ShiftedCopyName(std::string_view srtName);

// Asks where the shifted copy goes, proposing ShiftedCopyName, writes it there (the blocks of
// WriteShiftedBlocks) and opens it in its default application. A cancelled dialog and a copy
// that cannot be written are told in a message box; a copy that cannot be written leaves the
// chosen file as it was.
void WriteShiftedCopy(EngineHost& host);

}  // namespace engine
