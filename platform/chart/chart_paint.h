#pragma once

#include <QRectF>

class ChartModel;
class QPainter;

struct ChartPaintOptions {
    // Dense series are drawn through the first, lowest, highest and last point of each pixel
    // column; off draws every point (the reference the thinning is checked against).
    bool thin = true;
};

// The one paint routine of the chart: the screen, an image, SVG and a printer page all draw
// through it, into target, in the painter's font.
void PaintChart(QPainter& painter, const ChartModel& model, const QRectF& target,
                const ChartPaintOptions& options = ChartPaintOptions());
