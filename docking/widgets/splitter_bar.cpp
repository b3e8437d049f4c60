#include "docking/widgets/splitter_bar.h"

#include "docking/widgets/outline_window.h"

#include <QMouseEvent>
#include <QPainter>

namespace dockable {

SplitterBar::SplitterBar(bool horizontal, QWidget* parent)
    : QWidget(parent), horizontal_(horizontal) {
    setObjectName(horizontal ? "HSplitter32" : "VSplitter32");
    setCursor(horizontal ? Qt::SizeVerCursor : Qt::SizeHorCursor);
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    show();
}

SplitterBar::~SplitterBar() = default;

void SplitterBar::setLimits(int minimum, int maximum) {
    minimum_ = minimum;
    maximum_ = maximum;
}

void SplitterBar::Move(int left, int top, int width, int height) {
    setGeometry(left, top, std::max(0, width), std::max(0, height));
    origin_ = horizontal_ ? top : left;
}

int SplitterBar::along(const QPointF& global) const {
    return horizontal_ ? global.toPoint().y() : global.toPoint().x();
}

void SplitterBar::showGhost() {
    if (!drag_.ghostVisible()) {
        if (ghost_) {
            ghost_->hideOutline();
        }
        return;
    }
    if (!ghost_) {
        ghost_ = std::make_unique<OutlineWindow>();
    }
    const QPoint topLeft = mapToGlobal(QPoint(0, 0));
    Rect r;
    if (horizontal_) {
        r = {topLeft.x(), drag_.ghost(), topLeft.x() + width(), drag_.ghost()};
        r = r.translated(0, 2).inflated(2, 2);
    } else {
        r = {drag_.ghost(), topLeft.y(), drag_.ghost(), topLeft.y() + height()};
        r = r.translated(2, 0).inflated(2, 2);
    }
    ghost_->showOutline(r, 4);
}

void SplitterBar::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        return;
    }
    const QPoint topLeft = mapToGlobal(QPoint(0, 0));
    drag_.press(along(event->globalPosition()), horizontal_ ? topLeft.y() : topLeft.x(), origin_);
    showGhost();
    event->accept();
}

void SplitterBar::mouseMoveEvent(QMouseEvent* event) {
    if (drag_.move(along(event->globalPosition()), minimum_, maximum_) || drag_.dragging()) {
        showGhost();
    }
}

void SplitterBar::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !drag_.dragging()) {
        return;
    }
    int position = 0;
    bool changed = drag_.release(along(event->globalPosition()), minimum_, maximum_, position);
    showGhost();
    if (changed) {
        emit Change(position);
    }
}

void SplitterBar::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), palette().brush(QPalette::Button));
}

} // namespace dockable
