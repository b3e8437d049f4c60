#include "views/windows/single_window.h"

#include "views/windows/child_form.h"

#include <vector>

namespace {
std::function<void(QWidget*)>& placement() {
    static std::function<void(QWidget*)> place;
    return place;
}
std::vector<std::function<void()>>& unloaders() {
    static std::vector<std::function<void()>> list;
    return list;
}
} // namespace

namespace windows_detail {
void ShowAsChild(QWidget* window) {
    if (placement())
        placement()(window);
    else
        window->show();
}

void DeleteWithFrame(QWidget* window) {
    DeleteForm(window);
}

void RegisterUnloader(std::function<void()> unload) {
    unloaders().push_back(std::move(unload));
}
} // namespace windows_detail

void UnloadAllWindows() {
    const auto list = unloaders();
    for (auto it = list.rbegin(); it != list.rend(); ++it)
        (*it)();
}

void SetChildWindowPlacement(std::function<void(QWidget* window)> place) {
    placement() = std::move(place);
}
