#include "app/TavrelLogo762x.h"

namespace tavrel::logo {

std::shared_ptr<platform::ui::Picture> pic;

}  // namespace tavrel::logo

std::shared_ptr<platform::ui::Picture> TavrelLogo762x() {
    if (tavrel::logo::pic == nullptr) {
        tavrel::logo::pic = platform::ui::Picture::OpenFromApp("TavrelLogo762x");
    }
    return tavrel::logo::pic;
}
