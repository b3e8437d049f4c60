#include "platform/chart/chart_thin.h"

#include <algorithm>
#include <cmath>

namespace {
struct Run {
    qint32 first = -1, last = -1, low = -1, high = -1;
};

void Flush(const Run& run, std::vector<qint32>& out) {
    if (run.first < 0)
        return;
    qint32 picks[4] = {run.first, run.low, run.high, run.last};
    std::sort(picks, picks + 4);
    qint32 previous = -1;
    for (qint32 p : picks) {
        if (p != previous)
            out.push_back(p);
        previous = p;
    }
}

void Break(std::vector<qint32>& out) {
    if (!out.empty() && out.back() != ThinBreak)
        out.push_back(ThinBreak);
}
} // namespace

namespace {
// Adds the points i..j of one pixel column to the runs, breaking at gaps.
void AddColumn(const ChartValues& values, qint32 i, qint32 j, std::vector<qint32>& out) {
    const float* v = values.data();
    qint32 k = i;
    while (k <= j) {
        // Skip a gap, breaking the line once.
        if (std::isnan(v[k])) {
            Break(out);
            while (k <= j && std::isnan(v[k]))
                ++k;
            continue;
        }
        // One unbroken run: its lowest and highest point, kept in registers.
        Run run;
        run.first = run.low = run.high = k;
        float low = v[k];
        float high = v[k];
        qint32 lowAt = k;
        qint32 highAt = k;
        ++k;
        // Selects rather than branches: field values jump up and down from point to point.
        for (; k <= j; ++k) {
            const float value = v[k];
            if (value != value)
                break; // a gap ends the run
            const bool lower = value < low;
            const bool higher = value > high;
            low = lower ? value : low;
            lowAt = lower ? k : lowAt;
            high = higher ? value : high;
            highAt = higher ? k : highAt;
        }
        run.low = lowAt;
        run.high = highAt;
        run.last = k - 1;
        Flush(run, out);
    }
}

double Column(const AxisScale& x, qint32 i) {
    return std::floor(x.ToPixel(i));
}
} // namespace

std::vector<qint32> ThinLineIndexes(const ChartValues& values, qint32 first, qint32 last,
                                    const AxisScale& x) {
    std::vector<qint32> out;
    const qint32 size = static_cast<qint32>(values.size());
    first = std::max<qint32>(first, 0);
    last = std::min<qint32>(last, size - 1);
    const bool increasing = x.PixelAtMax() > x.PixelAtMin() && !x.Logarithmic();
    qint32 i = first;
    while (i <= last) {
        const double c = Column(x, i);
        qint32 j = i;
        if (increasing) {
            // The column's last point from the scale, then checked against the same floor.
            const double edge = std::ceil(x.ToValue(c + 1)) - 1;
            j = static_cast<qint32>(std::clamp(edge, double(i), double(last)));
            while (j < last && Column(x, j + 1) == c)
                ++j;
            while (j > i && Column(x, j) != c)
                --j;
        } else {
            while (j < last && Column(x, j + 1) == c)
                ++j;
        }
        AddColumn(values, i, j, out);
        i = j + 1;
    }
    return out;
}

std::vector<qint32> AllLineIndexes(const ChartValues& values, qint32 first, qint32 last) {
    std::vector<qint32> out;
    const qint32 size = static_cast<qint32>(values.size());
    first = std::max<qint32>(first, 0);
    last = std::min<qint32>(last, size - 1);
    for (qint32 i = first; i <= last; ++i) {
        if (std::isnan(values[i]))
            Break(out);
        else
            out.push_back(i);
    }
    return out;
}

std::vector<qint32> ThinnedSeriesIndexes(const ChartSeries& series, qint32 first, qint32 last,
                                         const AxisScale& x) {
    ChartSeries::ThinnedPoints& kept = series.ThinCache();
    const AxisRange range = x.Range();
    if (kept.indexes && kept.first == first && kept.last == last && kept.min == range.min &&
        kept.max == range.max && kept.pixelAtMin == x.PixelAtMin() &&
        kept.pixelAtMax == x.PixelAtMax() && kept.logarithmic == x.Logarithmic())
        return *kept.indexes;
    auto indexes = std::make_shared<const std::vector<qint32>>(
        ThinLineIndexes(series.Values(), first, last, x));
    kept = {first,          last,           range.min,       range.max,
            x.PixelAtMin(), x.PixelAtMax(), x.Logarithmic(), indexes};
    return *indexes;
}
