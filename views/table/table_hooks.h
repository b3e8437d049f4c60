#pragma once

#include <functional>

class CrosshairChart;
class QWidget;

// What the data-table window asks of the windows around it. Each is called only when set;
// the main window and the graph windows register them.
struct TableHooks {
    // Places the window as a child of the main window and shows it; unset, it shows alone.
    std::function<void(QWidget* window)> ShowChild;
    // Refreshes the information pane (the window was activated).
    std::function<void()> UpdateInfo;
    // Prints the table (the toolbar's print button).
    std::function<void()> PrintData;
    // The open time-evolution and RF graphs, nullptr while one is not open.
    std::function<CrosshairChart*()> TimeGraph;
    std::function<CrosshairChart*()> RfGraph;
};

TableHooks& DataTableHooks();
