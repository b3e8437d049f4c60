#pragma once

namespace dockable {

struct Point {
    int x = 0;
    int y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

// A rectangle as the layout arithmetic reasons about it: right and bottom lie just outside
// (a rectangle from 0 to 200 is 200 wide), so sizes are plain differences. Widgets use
// QRect, whose right() is the last pixel inside; convert only at the widget boundary.
struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    static Rect fromSize(int x, int y, int width, int height) {
        return {x, y, x + width, y + height};
    }
    int width() const { return right - left; }
    int height() const { return bottom - top; }
    // Inclusive on all four sides, as the drop-target tests need.
    bool containsInclusive(Point p) const {
        return p.x >= left && p.x <= right && p.y >= top && p.y <= bottom;
    }
    Rect inflated(int dx, int dy) const { return {left - dx, top - dy, right + dx, bottom + dy}; }
    Rect translated(int dx, int dy) const { return {left + dx, top + dy, right + dx, bottom + dy}; }
    friend bool operator==(const Rect&, const Rect&) = default;
};

} // namespace dockable
