#include "platform/chart/chart_hit.h"

#include "platform/chart/chart_layout.h"
#include "platform/chart/chart_model.h"

#include <algorithm>
#include <cmath>

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
        const qint32 first =
            static_cast<qint32>(std::clamp(std::floor(lo), 0.0, double(series.Count() - 1)));
        const qint32 last =
            static_cast<qint32>(std::clamp(std::ceil(hi), 0.0, double(series.Count() - 1)));
        for (qint32 i = first; i <= last; ++i) {
            if (series.IsGap(i))
                continue;
            const double dx = g.x.ToPixel(i) - pos.x();
            const double dy = g.y.ToPixel(series.Value(i)) - pos.y();
            const double d = dx * dx + dy * dy;
            if (d <= bestDistance) {
                bestDistance = d;
                best = ChartHit{s, i};
            }
        }
    }
    return best;
}
