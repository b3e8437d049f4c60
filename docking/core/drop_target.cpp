#include "docking/core/drop_target.h"

#include <initializer_list>
#include <utility>

namespace dockable {

namespace {
// The left and right bands stop short of occupied top and bottom edges.
Rect cutBySideEdges(const DockSnapshot& s, Rect r) {
    if (s.edges[SideTop].hasSlots) {
        r.top += s.edges[SideTop].dwidth;
    }
    if (s.edges[SideBottom].hasSlots) {
        r.bottom -= s.edges[SideBottom].dwidth;
    }
    return r;
}
} // namespace

DropHit DockSideAtPoint(const DockSnapshot& s, Point pt) {
    if (s.paneUnderPoint != 0 && isSide(s.paneSide) && s.canDock[s.paneSide]) {
        return {DropOnPane, s.paneUnderPoint};
    }
    for (int side : {SideLeft, SideRight, SideTop, SideBottom}) {
        if (s.edges[side].hasSlots && s.edges[side].rect.containsInclusive(pt)) {
            return {DropNoChange, 0};
        }
    }
    const Rect r = s.dockArea;
    if (r.containsInclusive(pt)) {
        auto band = [&](int side, Rect b) {
            return s.canDock[side] && !s.edges[side].hasSlots && b.containsInclusive(pt);
        };
        if (band(SideLeft, cutBySideEdges(s, {r.left, r.top, r.left + DockBand, r.bottom}))) {
            return {SideLeft, 0};
        }
        if (band(SideTop, {r.left, r.top, r.right, r.top + DockBand})) {
            return {SideTop, 0};
        }
        if (band(SideRight, cutBySideEdges(s, {r.right - DockBand, r.top, r.right, r.bottom}))) {
            return {SideRight, 0};
        }
        if (band(SideBottom, {r.left, r.bottom - DockBand, r.right, r.bottom})) {
            return {SideBottom, 0};
        }
    }
    return {DropFloat, 0};
}

Rect EdgeDropRect(const DockSnapshot& s, int side) {
    Rect r = s.dockArea;
    switch (side) {
    case SideTop:
        r.bottom = r.top + s.edges[SideTop].dwidth;
        break;
    case SideBottom:
        r.top = r.bottom - s.edges[SideBottom].dwidth;
        break;
    case SideLeft:
        r.right = r.left + s.edges[SideLeft].dwidth;
        r = cutBySideEdges(s, r);
        break;
    case SideRight:
        r.left = r.right - s.edges[SideRight].dwidth;
        r = cutBySideEdges(s, r);
        break;
    default:
        break;
    }
    return r;
}

int NearestPaneEdge(Rect pane, Point pt, int cxFrame, int cyFrame) {
    Rect r = pane.inflated(-cxFrame, -cyFrame);
    int best = SideTop;
    int distance = pt.y - r.top;
    const std::pair<int, int> others[] = {
        {SideLeft, pt.x - r.left}, {SideBottom, r.bottom - pt.y}, {SideRight, r.right - pt.x}};
    for (auto [side, d] : others) {
        if (d < distance) {
            best = side;
            distance = d;
        }
    }
    return best;
}

Rect HalveRectToward(int side, Rect r) {
    switch (side) {
    case SideLeft:
        r.right = r.left + (r.right - r.left) / 2;
        break;
    case SideRight:
        r.left = r.left + (r.right - r.left) / 2;
        break;
    case SideTop:
        r.bottom = r.top + (r.bottom - r.top) / 2;
        break;
    case SideBottom:
        r.top = r.top + (r.bottom - r.top) / 2;
        break;
    default:
        break;
    }
    return r;
}

} // namespace dockable
