#pragma once

#include <QString>

#include <functional>

// What the session files hand to exactly one other owner. Their broadcasts (status text,
// data set replaced, recent files changed) go through Events().
struct SessionFileHooks {
    // The station CSV import, for a name ending in ".csv"; returns whether it loaded.
    std::function<bool(const QString&)> OpenCsv;
};

SessionFileHooks& SessionFileHook();
