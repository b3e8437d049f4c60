#include "platform/chart/chart_hit.h"

#include "platform/chart/chart_layout.h"
#include "platform/chart/chart_model.h"

#include <algorithm>
#include <cmath>

namespace {
double squaredDistance(QPointF a, QPointF b) {
    const QPointF d = a - b;
    return d.x() * d.x() + d.y() * d.y();
}

double squaredDistanceToSegment(QPointF p, QPointF a, QPointF b) {
    const QPointF ab = b - a;
    const double length = ab.x() * ab.x() + ab.y() * ab.y();
    if (length <= 0)
        return squaredDistance(p, a);
    const QPointF ap = p - a;
    const double t = std::clamp((ap.x() * ab.x() + ap.y() * ab.y()) / length, 0.0, 1.0);
    return squaredDistance(p, a + t * ab);
}
} // namespace

std::optional<ChartHit> HitTest(const ChartModel& model, const ChartGeometry& g, QPointF pos,
                                double radius) {
    if (!g.plot.adjusted(-radius, -radius, radius, radius).contains(pos))
        return std::nullopt;
    std::optional<ChartHit> best;
    double bestDistance = radius * radius;
    const double lo = std::min(g.x.ToValue(pos.x() - radius), g.x.ToValue(pos.x() + radius));
    const double hi = std::max(g.x.ToValue(pos.x() - radius), g.x.ToValue(pos.x() + radius));
    for (int s = 0; s < model.SeriesCount(); ++s) {
        const ChartSeries& series = model.Series(s);
        if (!series.Active || series.Count() == 0)
            continue;
        if (series.Kind() == ChartSeriesKind::Bar) {
            const double slot = std::abs(g.x.ToPixel(1) - g.x.ToPixel(0));
            const qint32 i = static_cast<qint32>(std::lround(g.x.ToValue(pos.x())));
            if (series.IsGap(i))
                continue;
            const double cx = g.x.ToPixel(i);
            const double top = std::min(g.y.ToPixel(series.Value(i)), g.plot.bottom());
            if (std::abs(pos.x() - cx) <= std::max(1.0, slot * 0.35) && pos.y() >= top - 1 &&
                pos.y() <= g.plot.bottom()) {
                best = ChartHit{s, i};
                bestDistance = 0;
            }
            continue;
        }
        // One point more on each side: a line from outside the window may cross it.
        const qint32 first =
            static_cast<qint32>(std::clamp(std::floor(lo) - 1, 0.0, double(series.Count() - 1)));
        const qint32 last =
            static_cast<qint32>(std::clamp(std::ceil(hi) + 1, 0.0, double(series.Count() - 1)));
        for (qint32 i = first; i <= last; ++i) {
            if (series.IsGap(i))
                continue;
            const QPointF a(g.x.ToPixel(i), g.y.ToPixel(series.Value(i)));
            const double d = squaredDistance(a, pos);
            if (d <= bestDistance) {
                bestDistance = d;
                best = ChartHit{s, i};
            }
            // A click on the line between two points (a steep one passes far from both)
            // reports the nearer of them.
            if (i == last || series.IsGap(i + 1))
                continue;
            const QPointF b(g.x.ToPixel(i + 1), g.y.ToPixel(series.Value(i + 1)));
            const double toLine = squaredDistanceToSegment(pos, a, b);
            if (toLine <= bestDistance) {
                bestDistance = toLine;
                best = ChartHit{s, squaredDistance(a, pos) <= squaredDistance(b, pos) ? i : i + 1};
            }
        }
    }
    return best;
}
