#include "docking/core/window_menu.h"

namespace dockable {

std::vector<WindowMenuItem> TrimSystemMenu(const TrimFlags& f) {
    std::vector<WindowMenuItem> menu = {
        {WindowMenuItem::Restore, "Restore"},   {WindowMenuItem::Move, "Move"},
        {WindowMenuItem::Size, "Size"},         {WindowMenuItem::Minimize, "Minimize"},
        {WindowMenuItem::Maximize, "Maximize"}, {WindowMenuItem::Separator, ""},
        {WindowMenuItem::Close, "Close"}};
    // From the last position down, so that earlier positions stay where they were.
    const bool remove[] = {f.restore, f.move, f.size, f.minimize, f.maximize, f.separator, f.close};
    for (int i = 6; i >= 0; --i) {
        if (remove[i]) {
            menu.erase(menu.begin() + i);
        }
    }
    return menu;
}

std::vector<WindowMenuItem> dockedMenu(const QString& caption) {
    auto menu = TrimSystemMenu({true, true, true, true, true, true, false});
    menu.push_back({WindowMenuItem::Dockable, caption, true});
    return menu;
}

std::vector<WindowMenuItem> floatingMenu(const QString& caption, bool minimizeBox,
                                         bool maximizeBox) {
    TrimFlags f;
    f.minimize = !minimizeBox;
    f.maximize = !maximizeBox;
    f.restore = !minimizeBox && !maximizeBox;
    auto menu = TrimSystemMenu(f);
    menu.push_back({WindowMenuItem::Dockable, caption, false});
    return menu;
}

} // namespace dockable
