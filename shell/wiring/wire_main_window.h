#pragma once

// Connects the main window to the subsystems that stand: its commands to the files, the
// download and the data table, its panes to the panes' windows, and its answers to the
// program's broadcasts (data set replaced, pane refresh, recent files, child windows).
// Called once at start-up, before the main window loads.
void RegisterMainWindow();
