#include "docking/core/placement.h"

#include <algorithm>

namespace dockable {

int boundedCoordinate(int value) {
    return std::clamp(value, -PlacementLimit, PlacementLimit);
}

int boundedSize(int value) {
    return std::clamp(value, 0, PlacementLimit);
}

namespace {
long long overlap(Rect a, Rect b) {
    const long long w = std::min(a.right, b.right) - std::max(a.left, b.left);
    const long long h = std::min(a.bottom, b.bottom) - std::max(a.top, b.top);
    return w > 0 && h > 0 ? w * h : 0;
}
} // namespace

Rect placeOnScreens(Rect stored, const std::vector<Rect>& screens, int minWidth, int minHeight,
                    int captionHeight) {
    const int left = boundedCoordinate(stored.left);
    const int top = boundedCoordinate(stored.top);
    int width = std::max(boundedSize(stored.width()), minWidth);
    int height = std::max(boundedSize(stored.height()), minHeight);
    Rect r = Rect::fromSize(left, top, width, height);
    if (screens.empty()) {
        return r;
    }
    // Enough to take it by: the caption's whole height and some of its width on one screen.
    const int grip = std::min(width, std::max(captionHeight, 1) * 2);
    const Rect caption = Rect::fromSize(left, top, width, std::max(captionHeight, 1));
    for (const Rect& s : screens) {
        const int visibleWidth = std::min(caption.right, s.right) - std::max(caption.left, s.left);
        if (caption.top >= s.top && caption.bottom <= s.bottom && visibleWidth >= grip) {
            return r;
        }
    }
    const Rect* target = &screens.front();
    long long best = 0;
    for (const Rect& s : screens) {
        if (overlap(r, s) > best) {
            best = overlap(r, s);
            target = &s;
        }
    }
    const Rect& s = *target;
    width = std::max(std::min(width, s.width()), minWidth);
    height = std::max(std::min(height, s.height()), minHeight);
    const int x = std::max(std::min(left, s.right - width), s.left);
    const int y = std::max(std::min(top, s.bottom - height), s.top);
    return Rect::fromSize(x, y, width, height);
}

} // namespace dockable
