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

} // namespace dockable
