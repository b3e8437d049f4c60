#pragma once

#include "platform/chart/chart_axis.h"
#include "platform/chart/chart_series.h"

#include <QtGlobal>

#include <memory>
#include <vector>

inline constexpr qint32 ThinBreak = -1;

// The indexes of values[first..last] to draw so that a line through them covers the same
// pixels as a line through every point: in each pixel column (whole part of x's pixel)
// the first, lowest, highest and last point of each unbroken run, in index order.
// ThinBreak marks where a gap (NaN) breaks the line. Without thinning (every index kept)
// the result is the same shape, so callers draw either alike.
std::vector<qint32> ThinLineIndexes(const ChartValues& values, qint32 first, qint32 last,
                                    const AxisScale& x);

// ThinLineIndexes of the series' values, kept in the series while its values, the visible
// points and the axis's pixels stay: a repaint of the same picture thins nothing again.
std::vector<qint32> ThinnedSeriesIndexes(const ChartSeries& series, qint32 first, qint32 last,
                                         const AxisScale& x);

// One unbroken run of a very dense line inside one pixel column: where it starts and ends,
// and the lowest and highest value of its points. A line through every point of the run
// covers the column from the lowest to the highest; only its ends meet the runs beside it.
struct ThinRun {
    qint32 first = 0;
    qint32 last = 0;
    float firstValue = 0;
    float lastValue = 0;
    float low = 0;
    float high = 0;
    bool joined = false; // the line comes from the run before (no gap between them)
};

// The runs of values[first..last] in pixel columns of x, in index order, each value read
// once. The same columns and gaps as ThinLineIndexes, without finding where in its column
// the lowest and highest point lie: a column drawn as one span does not need it.
std::vector<ThinRun> ThinLineRuns(const ChartValues& values, qint32 first, qint32 last,
                                  const AxisScale& x);

// ThinLineRuns of the series' values, kept in the series as ThinnedSeriesIndexes keeps its
// points.
std::shared_ptr<const std::vector<ThinRun>>
ThinnedSeriesRuns(const ChartSeries& series, qint32 first, qint32 last, const AxisScale& x);

// The same without thinning: every index, breaks at gaps.
std::vector<qint32> AllLineIndexes(const ChartValues& values, qint32 first, qint32 last);
