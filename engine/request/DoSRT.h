#pragma once

#include "engine/EngineHost.h"

namespace engine {

// Turns the filled cue list into the shifted copy: copies every row into startTimeArray,
// endTimeArray and textArray of the application object (secondsArray is emptied), turns each
// start and end back into an SRT timecode, then writes the shifted copy (WriteShiftedCopy).
void DoSRT(EngineHost& host);

}  // namespace engine
