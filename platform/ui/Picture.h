#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include <QImage>

namespace platform::ui {

// A picture: an image in memory, shared by whoever shows it.
class Picture {
public:
    explicit Picture(QImage image) : image_(std::move(image)) {}

    const QImage& Image() const { return image_; }
    // In pixels.
    std::int64_t Width() const { return image_.width(); }
    std::int64_t Height() const { return image_.height(); }

    // The picture shipped with the application under name: "<folder><name>.png", the folder
    // being ":/pictures/" in the application's resources. nullptr when there is no such
    // picture or it cannot be read.
    static std::shared_ptr<Picture> OpenFromApp(std::string_view name);

    // Where OpenFromApp looks (a folder path ending in "/"); for tests. Returns the previous.
    static std::string SetAppPictureFolder(std::string folder);

private:
    QImage image_;
};

}  // namespace platform::ui
