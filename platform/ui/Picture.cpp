#include "platform/ui/Picture.h"

#include <utility>

namespace platform::ui {

namespace {

std::string& Folder() {
    static std::string folder = ":/pictures/";
    return folder;
}

}  // namespace

std::shared_ptr<Picture> Picture::OpenFromApp(std::string_view name) {
    if (name.empty() || name.find('/') != std::string_view::npos) {
        return nullptr;
    }
    const QString path = QString::fromStdString(Folder() + std::string(name) + ".png");
    QImage image(path);
    if (image.isNull()) {
        return nullptr;
    }
    return std::make_shared<Picture>(std::move(image));
}

std::string Picture::SetAppPictureFolder(std::string folder) {
    return std::exchange(Folder(), std::move(folder));
}

}  // namespace platform::ui
