#pragma once

#include "docking/core/rect.h"

#include <vector>

namespace dockable {

// Stored placements are kept within these screen coordinates and sizes: no screen lies
// beyond, and sums of them never overflow.
constexpr int PlacementLimit = 1 << 20;
int boundedCoordinate(int value);
int boundedSize(int value);

// Where a floating window stored at that rectangle goes on these screens (their available
// areas, the host's first): never smaller than the minimum; left where it was while enough
// of its caption (the band of that height along its top) lies on a screen to take it by,
// else brought whole onto the screen it overlaps most, or the first when it overlaps none.
Rect placeOnScreens(Rect stored, const std::vector<Rect>& screens, int minWidth, int minHeight,
                    int captionHeight);

} // namespace dockable
