#pragma once

// Puts the graph windows (time evolution, statistics, RF) behind the main window's view
// commands and their own hooks (child window of the main window, information pane, click
// to the data-table row). Run once at start-up, before the main window loads.
void RegisterGraphs();
