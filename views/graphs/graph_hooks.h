#pragma once

#include <QString>

#include <functional>

// What the graph windows hand to exactly one other owner. Their broadcasts (the drawing's
// progress text, a window activated) go through Events().
struct GraphHooks {
    // PrintGraph(title, kind): print the graph page ("TE" the time-evolution chart).
    std::function<void(const QString& title, const QString& kind)> PrintGraph;
    // Show the RF graph window (created on first use), modeless.
    std::function<void()> ShowRfGraph;
};
GraphHooks& GraphHook();
