#include "views/table/chart_row_link.h"

namespace {
void placeCrosshair(CrosshairChart* chart, int series, qint32 point) {
    if (!chart)
        return;
    if (point >= chart->PointCount(series)) {
        chart->HideCrosshair();
        return;
    }
    if (chart->SeriesShown(series))
        chart->ShowCrosshair(series, point);
}
} // namespace

std::optional<qint32> PointOfLine(qint32 line, int headerOffset) {
    if (line < headerOffset)
        return std::nullopt;
    return line - headerOffset;
}

qint32 LineOfPoint(qint32 point, int headerOffset) {
    return point + headerOffset;
}

void FollowCaret(const ChartRowWindows& windows) {
    TableCaret* table = windows.table;
    if (!table || !table->TimeOrder())
        return;
    const qint32 line = table->CaretLine();
    // A click inside a line selects it whole; a longer selection made by dragging stays.
    if (table->SelectionLength() <= table->LineLength(line) + 1)
        table->SelectLine(line);
    const std::optional<qint32> point = PointOfLine(line, table->HeaderOffset());
    if (!point)
        return;
    // Each graph on its own: a line past the end hides both cross-hairs, not only the
    // first graph's.
    placeCrosshair(windows.timeGraph, TimeGraphSeries, *point);
    placeCrosshair(windows.rfGraph, RfGraphSeries, *point);
}

void FollowPoint(const ChartRowWindows& windows, qint32 point) {
    if (point < 0)
        return;
    if (windows.table && !windows.table->TimeOrder())
        return;
    // A graph whose series is hidden keeps its cross-hair off; the row is still selected.
    for (auto [chart, series] : {std::pair{windows.rfGraph, RfGraphSeries},
                                 std::pair{windows.timeGraph, TimeGraphSeries}}) {
        if (chart && chart->SeriesShown(series) && point < chart->PointCount(series))
            chart->ShowCrosshair(series, point);
    }
    if (windows.table)
        windows.table->SelectLine(LineOfPoint(point, windows.table->HeaderOffset()));
}
