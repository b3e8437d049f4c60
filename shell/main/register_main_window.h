#pragma once

// Connects the main window to the subsystems that stand: its commands to the files, the
// download and the data table, its panes to the panes' windows, and the lower layers'
// calls upward (status text, buttons, recent files, reopening the views) to the window.
// Called once at start-up, before the main window loads.
void RegisterMainWindow();
