#pragma once

#include "platform/chart/chart_axis.h"

#include <QFont>
#include <QRectF>
#include <QStringList>

#include <optional>
#include <vector>

class ChartModel;
class QPaintDevice;

// Where everything of one chart lies inside the rectangle it is painted into.
struct ChartGeometry {
    QRectF outer;  // the whole chart
    QRectF plot;   // the back wall the series are drawn in
    QRectF legend; // empty when the legend is hidden
    AxisScale x;   // point index (x value) <-> pixel
    AxisScale y;   // value <-> pixel
    std::vector<double> yTicks;
    std::vector<qint32> xTicks;
    double lineHeight = 0;
    double tickLength = 0;

    double ValueToPixelX(double value) const { return x.ToPixel(value); }
    double ValueToPixelY(double value) const { return y.ToPixel(value); }
    double PixelToValueX(double pixel) const { return x.ToValue(pixel); }
    double PixelToValueY(double pixel) const { return y.ToValue(pixel); }
};

// The range of x values shown: the zoom window, else every point (bars take half a slot
// on each side).
AxisRange ChartXRange(const ChartModel& model);
// The range of the value axis shown: the zoom window, the axis's own range when it is not
// automatic, else the active series' values; always one that can be drawn. A logarithmic
// axis spans the decades of the values shown: automatic, from the decade at or below the
// lowest to the one at or above the highest; with a range of its own, from no lower than the
// decade of the lowest value.
AxisRange ChartYRange(const ChartModel& model);

// The first and last point index worth drawing for an x range (one beyond each edge, so
// lines leave the plot at its edges), limited to count points.
void VisibleIndexes(AxisRange xRange, qint32 count, qint32& first, qint32& last);

// The lines of a label: a carriage return or line feed starts a new line.
QStringList LabelLines(const QString& label);

// Lays the chart out in target, measuring texts in font on device (nullptr: the screen).
ChartGeometry ComputeChartGeometry(const ChartModel& model, const QRectF& target, const QFont& font,
                                   QPaintDevice* device = nullptr);

// The pixel of point index of a series; nothing for a gap or an index outside the series.
std::optional<QPointF> PointPixel(const ChartModel& model, const ChartGeometry& geometry,
                                  int series, qint32 index);
