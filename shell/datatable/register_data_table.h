#pragma once

// Puts the information pane behind the data-table window's hooks. Run once at start-up,
// before the main window loads.
void RegisterDataTable();
