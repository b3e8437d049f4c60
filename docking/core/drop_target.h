#pragma once

#include "docking/core/rect.h"
#include "docking/core/sides.h"

namespace dockable {

// Side codes of a drop target.
enum DropSide { DropNoChange = 0, DropOnPane = -1, DropFloat = 5 };

// Width of the band along an empty edge that docks a dragged form there.
constexpr int DockBand = 40;

// What the drop-target search sees of the host at one moment, in screen coordinates.
struct DockSnapshot {
    Rect dockArea;
    struct Edge {
        bool hasSlots = false;
        Rect rect;
        int dwidth = 0;
    } edges[5];
    // The pane whose window lies under the point (0 none), and the side of its edge.
    int paneUnderPoint = 0;
    int paneSide = 0;
    // The sides the dragged form may dock to.
    bool canDock[5] = {false, true, true, true, true};
};

struct DropHit {
    int side = DropFloat;
    int pane = 0;
    friend bool operator==(const DropHit&, const DropHit&) = default;
};

DropHit DockSideAtPoint(const DockSnapshot& s, Point pt);
// The preview of a form docked on a new edge.
Rect EdgeDropRect(const DockSnapshot& s, int side);
// The side of a pane's rectangle (shrunk by the frame) nearest to the point; ties keep the
// earlier of top, left, bottom, right.
int NearestPaneEdge(Rect pane, Point pt, int cxFrame, int cyFrame);
Rect HalveRectToward(int side, Rect r);

} // namespace dockable
