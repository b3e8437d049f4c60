#pragma once

#include <QString>

#include <vector>

namespace dockable {

// The order in which forms are shown again so that every form comes after the form whose
// pane it was docked beside: depth first from the forms docked beside no one, each
// followed at once by the forms it hosts; then every form not reached that way, in
// registration order. Takes each form's name and host pane; returns indices.
std::vector<int> OrderFormsByHost(const std::vector<std::pair<QString, QString>>& nameAndHost);

} // namespace dockable
