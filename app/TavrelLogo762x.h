#pragma once

#include <memory>

#include "platform/ui/Picture.h"

namespace tavrel::logo {

// The logo once loaded; empty until then.
extern std::shared_ptr<platform::ui::Picture> pic;

}  // namespace tavrel::logo

// The logo picture shipped with the application under the name "TavrelLogo762x", loaded on the
// first call and kept from then on; nullptr while it cannot be loaded, and every such call
// tries again.
std::shared_ptr<platform::ui::Picture> TavrelLogo762x();
