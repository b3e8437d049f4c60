#pragma once

#include <QString>

#include <functional>

// Where the summary goes: the warnings pane registers these (the shell), so the loaders
// below it can rebuild the rows without knowing the window.
struct WarningsPaneHooks {
    std::function<void()> Clear;                               // removes every row
    std::function<void(const QString& text, int picture)> Add; // one row, as AddString
};
WarningsPaneHooks& WarningsPane();

// Rebuilds the warnings pane's rows from the current data set against the options'
// threshold. Called after every load, once the statistics are done.
void GenerateWarnings();
