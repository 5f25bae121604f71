#pragma once

#include "platform/data/MenuItem.h"

namespace platform {

// An item that belongs to the application rather than to a window (such as About); a platform
// with an application menu of its own may place it there.
class ApplicationMenuItem : public MenuItem {};

}  // namespace platform
