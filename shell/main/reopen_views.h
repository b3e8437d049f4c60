#pragma once

#include <functional>

// After a load: closes the data views and opens again those that were open (at their old
// place) and those the options ask for, then tiles the child windows. dispatch runs a
// toolbar button's command (13, 14, 15 open the views, 21 tiles).
void ReopenViews(const std::function<void(int button)>& dispatch);
