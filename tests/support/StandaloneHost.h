#pragma once

// An engine host without any window: its own cue list, offset field (preset to "3", as the
// main window's) and application properties. Tests and benchmarks run the engine on it.

#include "engine/AppProperties.h"
#include "engine/EngineHost.h"
#include "platform/data/Listbox.h"
#include "platform/data/TextField.h"

namespace testing_support {

class StandaloneHost : public engine::EngineHost {
public:
    StandaloneHost() { offset.Text("3"); }
    platform::Listbox& Listbox1() override { return cueList; }
    platform::TextField& TextField1() override { return offset; }
    engine::AppProperties& App() override { return app; }

    platform::Listbox cueList;
    platform::TextField offset;
    engine::AppProperties app;
};

}  // namespace testing_support
