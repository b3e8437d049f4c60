#include "docking/widgets/dock_area.h"

#include "docking/widgets/window_hooks.h"

#include <algorithm>

namespace dockable {

DockArea::DockArea(QWidget* parent) : QWidget(parent) {
    setObjectName("DockableArea");
    const char* names[] = {"", "DockableEdgePic3", "DockableEdgePic4", "DockableEdgePic1",
                           "DockableEdgePic2"};
    for (int side = 1; side <= 4; ++side) {
        edges_[side] = new QWidget(this);
        edges_[side]->setObjectName(names[side]);
        edges_[side]->setGeometry(0, 0, 0, 0);
    }
}

DockArea::~DockArea() {
    for (int side = 1; side <= 4; ++side) {
        WindowHooks::UnSubClass(edges_[side]);
    }
}

void DockArea::setCenter(QWidget* center) {
    center_ = center;
    if (center) {
        center->setParent(this);
        center->lower();
        center->show();
    }
    relayout();
}

void DockArea::setExtent(int side, int extent) {
    extents_[side] = std::max(0, extent);
    relayout();
}

void DockArea::relayout() {
    const int w = width();
    const int h = height();
    const int top = std::min(extents_[1], h);
    const int bottom = std::min(extents_[2], std::max(0, h - top));
    const int middle = std::max(0, h - top - bottom);
    const int left = std::min(extents_[3], w);
    const int right = std::min(extents_[4], std::max(0, w - left));
    edges_[1]->setGeometry(0, 0, w, top);
    edges_[2]->setGeometry(0, h - bottom, w, bottom);
    edges_[3]->setGeometry(0, top, left, middle);
    edges_[4]->setGeometry(w - right, top, right, middle);
    if (center_) {
        center_->setGeometry(left, top, std::max(0, w - left - right), middle);
    }
}

void DockArea::resizeEvent(QResizeEvent*) {
    relayout();
}

} // namespace dockable
