#include "platform/data/SetProperties.h"

#include <string>

namespace platform {

void SetProperties(DesignObject& target, std::string_view list, std::string_view listName) {
    const std::string name = listName.empty() ? target.DesignName() : std::string(listName);
    const std::vector<PropertyEntry> entries =
        ReadPropertyList(name, list, target.PropertyClassName());
    for (const PropertyEntry& entry : entries) {
        target.SetPropertyValue(entry.name, entry.value);
    }
}

}  // namespace platform
