#pragma once

// Puts the wait box and the warnings pane behind the fronts that the lower layers call.
// Run once at start-up, before the main window loads.
void RegisterPanes();
