#pragma once

#include <string_view>

#include "platform/data/DesignObject.h"

namespace platform {

// Applies the property list list to target: reads every entry for the target's class, then
// sets each property in stored order through the target's setters, so that whatever a setting
// does happens at that point. A list that cannot be read raises PropertyListError before any
// entry is applied. listName names the list in messages (the target's name when empty).
void SetProperties(DesignObject& target, std::string_view list, std::string_view listName = {});

}  // namespace platform
