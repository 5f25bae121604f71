#pragma once

#include "engine/EngineHost.h"
#include "platform/data/TextOutputStream.h"

namespace engine {

// The blocks of the shifted copy, from the application object's startTimeArray, endTimeArray
// and textArray, one per cue-list row, numbered from 1, with LF line ends.
void WriteShiftedBlocks(EngineHost& host, platform::TextOutputStream& stream);

}  // namespace engine
