#pragma once

#include <QPointF>
#include <QtGlobal>

#include <optional>

class ChartModel;
struct ChartGeometry;

struct ChartHit {
    int series = -1;
    qint32 index = -1;
};

// The point of an active series nearest to pos within radius pixels, or the nearer end of
// a line between two points that passes within radius (a bar: under pos), the later series
// winning a tie as it is drawn on top. Only the points whose x lies within
// radius are looked at, so a click costs the same at any point count.
std::optional<ChartHit> HitTest(const ChartModel& model, const ChartGeometry& geometry, QPointF pos,
                                double radius = 6);
