#pragma once

#include "docking/core/rect.h"

#include <QWidget>

namespace dockable {

// The widget's rectangle in screen coordinates; empty for no widget.
inline Rect globalRect(const QWidget* w) {
    if (!w) {
        return {};
    }
    const QPoint p = w->mapToGlobal(QPoint(0, 0));
    return Rect::fromSize(p.x(), p.y(), w->width(), w->height());
}

} // namespace dockable
