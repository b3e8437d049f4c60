#pragma once

// Puts the time-evolution graph behind the main window's view commands and its own hooks
// (child window of the main window, information pane, click to the data-table row). Run
// once at start-up, before the main window loads.
void RegisterGraphs();
