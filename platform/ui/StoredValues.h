#pragma once

#include <algorithm>
#include <cstdint>

#include <QWidget>

namespace platform::ui {

// A stored position or size (64 bits) as Qt takes it: clamped to what a widget can have.
inline int ToInt(std::int64_t value) {
    return static_cast<int>(std::clamp<std::int64_t>(value, -QWIDGETSIZE_MAX, QWIDGETSIZE_MAX));
}

// A stored horizontal alignment as Qt's: 2 centres, 3 aligns right, anything else left.
inline Qt::Alignment HorizontalAlignment(std::int64_t align) {
    switch (align) {
        case 2:
            return Qt::AlignHCenter;
        case 3:
            return Qt::AlignRight;
        default:
            return Qt::AlignLeft;
    }
}

}  // namespace platform::ui
