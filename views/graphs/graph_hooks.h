#pragma once

#include <QString>
#include <QtGlobal>

#include <functional>

class QWidget;

// Calls from the graphs up to the main window, the panes and the data table. The upper
// layers register them; each is called only when set, so the graphs run alone in tests.
struct GraphHooks {
    // lblPanel1: the drawing's progress text; an empty text clears it. Repaint at once.
    std::function<void(const QString& text)> PanelText;
    // UpdateInfo: refresh the information pane when a graph window comes to the front.
    std::function<void()> UpdateInfo;
    // GetSourceRow: the user clicked point valueIndex (sample valueIndex + 1) of a graph.
    std::function<void(qint32 valueIndex)> PointClicked;
    // PrintGraph(title, kind): print the graph page ("TE" the time-evolution chart).
    std::function<void(const QString& title, const QString& kind)> PrintGraph;
    // Show the RF graph window (created on first use), modeless.
    std::function<void()> ShowRfGraph;
    // Places a graph window as a child of the main window and shows it; unset, it shows
    // alone.
    std::function<void(QWidget* window)> ShowChild;
};
GraphHooks& GraphHook();
