#pragma once

// Puts the graph windows behind the main window's view commands and their one-owner calls
// (printing). Run once at start-up, before the main window loads.
void RegisterGraphs();
