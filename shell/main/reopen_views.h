#pragma once

#include "shell/main/toolbar_buttons.h"

#include <functional>

// After a load: closes the data views and opens again those that were open (at their old
// place) and those the options ask for, then tiles the child windows. dispatch runs a
// toolbar button's command (the views' buttons open them, Tile tiles).
void ReopenViews(const std::function<void(Button button)>& dispatch);
