#include "docking/core/form_order.h"

#include <functional>

namespace dockable {

std::vector<int> OrderFormsByHost(const std::vector<std::pair<QString, QString>>& forms) {
    const int n = static_cast<int>(forms.size());
    std::vector<bool> placed(n, false);
    std::vector<int> order;
    std::function<void(int)> place = [&](int i) {
        placed[i] = true;
        order.push_back(i);
        for (int j = 0; j < n; ++j) {
            if (!placed[j] && !forms[j].second.isEmpty() && forms[j].second == forms[i].first) {
                place(j);
            }
        }
    };
    for (int i = 0; i < n; ++i) {
        if (!placed[i] && forms[i].second.isEmpty()) {
            place(i);
        }
    }
    for (int i = 0; i < n; ++i) {
        if (!placed[i]) {
            order.push_back(i);
        }
    }
    return order;
}

} // namespace dockable
