#pragma once

#include "engine/EngineHost.h"

namespace engine {

// One whole request, from the open dialog on: empties host's cue list, asks for an SRT file,
// reads its subtitle blocks into the cue list with every start and end shifted by the offset
// in host's TextField1, and hands over to DoSRT, which writes the shifted copy. A cancelled
// dialog, a file that cannot be read and a file the reader cannot take each end the request
// with a message box; nothing is written then. When memory runs out, the cue list and the
// application object's lists are emptied before std::bad_alloc goes on to the caller. Either
// way, the memory the request freed is handed back to the system when it ends.
void ImportSRT(EngineHost& host);

}  // namespace engine
