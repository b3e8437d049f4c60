#pragma once

#include <QString>

#include <vector>

namespace dockable {

// The command of the window-menu item that toggles docked and floating.
constexpr int SC_DOCKABLE = 7501;

// A form window's menu: the standard items by position, then the library's own.
struct WindowMenuItem {
    enum Kind { Restore, Move, Size, Minimize, Maximize, Separator, Close, Dockable };
    Kind kind;
    QString text;
    bool checked = false;
};

struct TrimFlags {
    bool restore = false;
    bool move = false;
    bool size = false;
    bool minimize = false;
    bool maximize = false;
    bool separator = false;
    bool close = false;
};

// The standard menu with the flagged items taken out.
std::vector<WindowMenuItem> TrimSystemMenu(const TrimFlags& flags);
// The menu of a docked form (Close alone) and of a floating one, each with the item that
// toggles them.
std::vector<WindowMenuItem> dockedMenu(const QString& caption);
std::vector<WindowMenuItem> floatingMenu(const QString& caption, bool minimizeBox,
                                         bool maximizeBox);

} // namespace dockable
