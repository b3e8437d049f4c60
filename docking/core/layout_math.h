#pragma once

#include "docking/core/rect.h"
#include "docking/core/sides.h"
#include "docking/core/split_tree.h"
#include "docking/dock_state.h"

namespace dockable {

// The gap around a splitter or sizer, and the bar inside it.
constexpr int SplitterGap = EdgeSizerGap;
constexpr int SplitterBarWidth = 4;
// Thickness of a grab strip.
constexpr int GrabberHeight = 10;

// Where an edge's sizer bar goes in its client rectangle, and what is left for the panes.
struct SizerPlacement {
    Rect sizer;
    Rect content;
};
SizerPlacement placeSizer(int side, Rect client);

// The split position of an inner node of extent E with minimum part size m.
int splitPosition(int promille, int extent, int minimum);

// Lays out the subtree below node n (whose own rectangle is set): split positions and the
// children's rectangles, recursively.
void ResizePane(SplitTree& tree, int n, const Limits& limits);

// The splitter bar of an inner node and the limits of its left (vertical) or top
// (horizontal) side, in the edge's client coordinates.
struct SplitterPlacement {
    bool horizontal = false;
    Rect bar;
    int minimum = 0;
    int maximum = 0;
};
SplitterPlacement placeSplitter(const PaneSlot& node, const Limits& limits);

// A leaf's windows for a pane of width W and height H: the inner window the form sits in,
// the grab strip (empty when there is none) and the form's rectangle inside the inner
// window, all as x, y, width, height.
struct LeafGeometry {
    Rect inner;
    Rect grabber;
    Rect form;
};
LeafGeometry leafGeometry(int side, int width, int height, bool grabberBar, const Metrics& m);

// The split in thousandths for a splitter dropped with its centre at position.
int promilleFromPosition(const PaneSlot& node, int position);
// The new size of an edge whose sizer was dropped with its centre at position.
int dwidthFromSizer(int side, int position, int dwidth);

// The limits of an edge sizer, in the edge's client coordinates: dockArea is the host's
// docking area, visible[s] the visible width of each edge, client the edge's client
// rectangle.
struct SizerBounds {
    int minimum = 0;
    int maximum = 0;
};
SizerBounds sizerBounds(int side, Rect dockArea, const int visible[5], Rect client,
                        const Limits& limits);

} // namespace dockable
