#pragma once

#include "engine/AppProperties.h"
#include "platform/data/Listbox.h"
#include "platform/data/TextField.h"

namespace engine {

// The window the engine works in: its cue list, its offset field and the application object's
// properties. The main window is one; tests use a plain one without any toolkit.
class EngineHost {
public:
    virtual ~EngineHost() = default;
    virtual platform::Listbox& Listbox1() = 0;      // the cue list
    virtual platform::TextField& TextField1() = 0;  // the offset, in seconds
    virtual AppProperties& App() = 0;
};

}  // namespace engine
