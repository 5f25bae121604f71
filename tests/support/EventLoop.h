#pragma once

namespace testing_support {

// Lets posted events, queued calls and deferred deletions run, so that windows closed by a
// test are gone before the next step.
void Settle();

}  // namespace testing_support
