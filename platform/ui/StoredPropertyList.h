#pragma once

#include <string>
#include <string_view>

namespace platform {

// The bytes of the property list shipped with the application under name, the resource
// ":/properties/<name>.bin" (for example "Window1.Label2"). Raises RuntimeException when the
// application holds no list of that name or it cannot be read.
std::string StoredPropertyList(std::string_view name);

}  // namespace platform
