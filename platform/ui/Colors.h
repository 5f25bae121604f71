#pragma once

#include <QColor>

#include "platform/data/PropertyList.h"

namespace platform::ui {

// A stored colour as Qt's: red, green, blue; the fourth byte carries nothing.
inline QColor ToQColor(const ColorBytes& color) {
    return QColor(color.bytes[0], color.bytes[1], color.bytes[2]);
}

}  // namespace platform::ui
