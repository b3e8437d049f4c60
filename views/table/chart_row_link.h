#pragma once

#include <QtGlobal>

#include <optional>

// The tie between the data table and the cross-hair of the time-evolution and RF graphs:
// text line n of the table stands for graph point n - offset, where offset is the number
// of lines before the first data row (7, or 8 for a station import).

// The graph point of a text line; none for a header line or the empty line below it.
std::optional<qint32> PointOfLine(qint32 line, int headerOffset);
// The text line of a graph point.
qint32 LineOfPoint(qint32 point, int headerOffset);

// A graph window whose cross-hair follows the table.
class CrosshairChart {
public:
    virtual ~CrosshairChart() = default;
    // Points of the series, gaps included (point p is sample p + 1).
    virtual qint32 PointCount(int series) const = 0;
    virtual bool SeriesShown(int series) const = 0;
    // Puts the vertical and horizontal cross-hair lines through point p of the series.
    virtual void ShowCrosshair(int series, qint32 point) = 0;
    virtual void HideCrosshair() = 0;
};

// The table window as the cross-hair sees it.
class TableCaret {
public:
    virtual ~TableCaret() = default;
    virtual bool TimeOrder() const = 0;
    virtual int HeaderOffset() const = 0;
    // 0-based text line that holds the caret.
    virtual qint32 CaretLine() const = 0;
    virtual qint32 SelectionLength() const = 0;
    // Characters of the line without its line end; -1 when there is no such line.
    virtual qint32 LineLength(qint32 line) const = 0;
    // Selects the whole line (nothing for a line that does not exist).
    virtual void SelectLine(qint32 line) = 0;
};

// The windows that are open; nullptr for one that is not.
struct ChartRowWindows {
    CrosshairChart* timeGraph = nullptr; // its resultant series follows the table
    CrosshairChart* rfGraph = nullptr;   // its only series
    TableCaret* table = nullptr;
};

inline constexpr int TimeGraphSeries = 3;
inline constexpr int RfGraphSeries = 0;

// The caret moved in the table: in time order, selects the caret's line (unless a longer
// selection stands) and moves each open graph's cross-hair to that line's point; a line
// past the last point hides that graph's cross-hair.
void FollowCaret(const ChartRowWindows& windows);
// A graph point was clicked: unless the table is open in value order, moves the open
// graphs' cross-hairs there (those whose series is shown) and selects the point's row.
void FollowPoint(const ChartRowWindows& windows, qint32 point);
