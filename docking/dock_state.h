#pragma once

namespace dockable {

enum DockState { FormHidden = 0, FormDocked = 1, FormUndocked = 2 };
enum EdgeAlign {
    EAlignPrevious = -1,
    NoEAlign = 0,
    EAlignTop = 1,
    EAlignBottom = 2,
    EAlignLeft = 3,
    EAlignRight = 4
};
enum HostAlign { HAlignTop = 1, HAlignBottom = 2, HAlignLeft = 3, HAlignRight = 4 };

// The room, in pixels, an edge keeps along its inner side for its sizer: a side edge as wide
// as a docked form plus this gap shows the whole form.
inline constexpr int EdgeSizerGap = 6;

} // namespace dockable
