#pragma once

#include <QString>

#include <functional>

// What the session files ask of the layers above them (the main window and its panes).
// Each hook is called only when it is set; the upper layer registers them at start-up.
struct SessionFileHooks {
    // Shows a text in the main window's status label and redraws it at once; an empty
    // text empties the label.
    std::function<void(const QString&)> StatusText;
    // Runs after a session file became the current data set, its statistics, median and
    // warnings rebuilt: refreshes the information pane, shows the warnings pane when the
    // options ask for it (with its toolbar button pressed), and enables the save, export,
    // data-table, statistics and time-graph buttons.
    std::function<void()> AfterLoad;
    // The station CSV import, for a name ending in ".csv"; returns whether it loaded.
    std::function<bool(const QString&)> OpenCsv;
    // Rebuilds the open button's drop-down from RecentFileEntries() after the recent-files
    // list changed.
    std::function<void()> RecentFilesChanged;
};

SessionFileHooks& FileHooks();
