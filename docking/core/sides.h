#pragma once

namespace dockable {

// Sides are numbered the same everywhere in the library.
enum Side { SideNone = 0, SideTop = 1, SideBottom = 2, SideLeft = 3, SideRight = 4 };

inline bool isSide(int side) {
    return side >= SideTop && side <= SideRight;
}
// Top and bottom edges lie across the host (their extent is a height).
inline bool isHorizontalSide(int side) {
    return side == SideTop || side == SideBottom;
}

// Screen measures the layout needs: the sizing frame of a form window, the height of its
// caption, and the twips per pixel of the host's screen in each direction.
struct Metrics {
    int cxFrame = 4;
    int cyFrame = 4;
    int captionHeight = 20;
    double twipsPerPixelX = 15.0;
    double twipsPerPixelY = 15.0;
};

// The minimum sizes one control lays out with, in pixels.
struct Limits {
    int hSplitterMin = 12;                 // horizontal splits (Child2 on top or bottom)
    int vSplitterMin = 12;                 // vertical splits (Child2 on the left or right)
    int sizerMin[5] = {0, 12, 12, 12, 12}; // per side, index 1..4
};

} // namespace dockable
