#include "docking/widgets/outline_window.h"

#include <QPainter>
#include <QRegion>

namespace dockable {

OutlineWindow::OutlineWindow()
    : QWidget(nullptr, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowTransparentForInput |
                           Qt::WindowDoesNotAcceptFocus | Qt::WindowStaysOnTopHint) {
    setObjectName("DockableOutline");
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFocusPolicy(Qt::NoFocus);
}

void OutlineWindow::showOutline(Rect r, int thickness) {
    thickness_ = std::max(1, thickness);
    const QRect geometry(r.left, r.top, std::max(1, r.width()), std::max(1, r.height()));
    if (geometry != this->geometry()) {
        setGeometry(geometry);
        QRegion ring(rect());
        if (width() > 2 * thickness_ && height() > 2 * thickness_) {
            ring -= QRegion(rect().adjusted(thickness_, thickness_, -thickness_, -thickness_));
        }
        setMask(ring);
    }
    if (!isVisible()) {
        show();
    }
    repaint();
}

void OutlineWindow::hideOutline() {
    hide();
}

void OutlineWindow::paintEvent(QPaintEvent*) {
    ++repaints_;
    QPainter p(this);
    p.fillRect(rect(), QBrush(palette().color(QPalette::Highlight), Qt::Dense4Pattern));
}

} // namespace dockable
