#pragma once

#include "platform/data/MenuItem.h"

namespace platform {

// The item that quits the application when chosen; the platform supplies its action.
class QuitMenuItem : public MenuItem {};

}  // namespace platform
