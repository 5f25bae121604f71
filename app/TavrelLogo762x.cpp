#include "app/TavrelLogo762x.h"

#include <QtCore/qglobal.h>

// The pictures are archived with the application's library; naming their resource initialiser
// makes the linker keep them, and registers them before first use.
static void LinkPictures() {
    static const bool registered = [] {
        Q_INIT_RESOURCE(tavrel_pictures);
        return true;
    }();
    (void)registered;
}

namespace tavrel::logo {

std::shared_ptr<platform::ui::Picture> pic;

}  // namespace tavrel::logo

std::shared_ptr<platform::ui::Picture> TavrelLogo762x() {
    if (tavrel::logo::pic == nullptr) {
        LinkPictures();
        tavrel::logo::pic = platform::ui::Picture::OpenFromApp("TavrelLogo762x");
    }
    return tavrel::logo::pic;
}
