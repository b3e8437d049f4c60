#pragma once

#include <functional>

class CrosshairChart;

// What the data-table window hands to exactly one other owner.
struct DataTableHooks {
    // Prints the table (the toolbar's print button).
    std::function<void()> PrintData;
    // The open RF graph, nullptr while it is not open.
    std::function<CrosshairChart*()> RfGraph;
    // The time graph the table follows; unset, the open time-evolution window (tests put
    // a recording chart here).
    std::function<CrosshairChart*()> TimeGraph;
};

DataTableHooks& DataTableHook();
