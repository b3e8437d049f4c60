#include "views/windows/single_window.h"

#include "views/windows/child_form.h"

#include <vector>

namespace {
std::function<void(QWidget*)>& placement() {
    static std::function<void(QWidget*)> place;
    return place;
}
std::vector<std::function<void(const QWidget*)>>& unloaders() {
    static std::vector<std::function<void(const QWidget*)>> list;
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

void RegisterUnloader(std::function<void(const QWidget*)> unload) {
    unloaders().push_back(std::move(unload));
}
} // namespace windows_detail

void UnloadAllWindows(const QWidget* except) {
    const auto list = unloaders();
    for (auto it = list.rbegin(); it != list.rend(); ++it)
        (*it)(except);
}

void SetChildWindowPlacement(std::function<void(QWidget* window)> place) {
    placement() = std::move(place);
}
