#pragma once

#include "shell/panes/info_view.h"

// Refreshes the information pane from the current data set, the monitoring state and the
// link; creates the pane on first use. Every change of the data set, the link or the
// monitoring state calls it, and so do the data windows when they come to the front.
void UpdateInfo();
// Refreshes the pane from the live readings, only while the real-time view is the main
// window's current child; anything else in front leaves the pane as it is.
void UpdateRTInfo(const LiveInfo& live);
// True when the main window's current child window is the real-time view.
bool RealTimeViewActive();
