#pragma once

#include "platform/data/MenuItem.h"

namespace platform {

// The root of a menu tree: its children are the menus, their children the items.
class MenuBar : public MenuItem {};

}  // namespace platform
