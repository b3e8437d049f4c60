#pragma once

#include "platform/chart/chart_axis.h"
#include "platform/chart/chart_series.h"

#include <QtGlobal>

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

// The same without thinning: every index, breaks at gaps.
std::vector<qint32> AllLineIndexes(const ChartValues& values, qint32 first, qint32 last);
