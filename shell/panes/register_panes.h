#pragma once

// Puts the wait box, the warnings pane and the information pane behind the hooks that the
// lower layers and the main window call. Run once at start-up, before the main window
// loads.
void RegisterPanes();
