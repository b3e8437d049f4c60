#include "platform/chart/chart_thin.h"

#include "platform/chart/wide_registers.h"

#include <algorithm>
#include <cmath>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

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
// The first index of i..j whose value is value (one of them is).
qint32 FirstAt(const float* v, qint32 i, qint32 j, float value) {
#if defined(__SSE2__)
    const __m128 wanted = _mm_set1_ps(value);
    for (; i + 3 <= j; i += 4) {
        const int equal = _mm_movemask_ps(_mm_cmpeq_ps(_mm_loadu_ps(v + i), wanted));
        if (equal != 0)
            return i + __builtin_ctz(unsigned(equal));
    }
#endif
    while (i < j && v[i] != value)
        ++i;
    return i;
}

// The lowest and highest of v[i..j], eight at a time in two sets of four lanes where the
// processor has them; false when a value is a gap (then low and high mean nothing).
bool LowAndHigh(const float* v, qint32 i, qint32 j, float& low, float& high) {
    low = high = v[i];
    qint32 k = i;
#if defined(__SSE2__)
    if (j - i >= 8) {
        __m128 lows[2] = {_mm_set1_ps(v[i]), _mm_set1_ps(v[i])};
        __m128 highs[2] = {lows[0], lows[0]};
        __m128 gaps = _mm_setzero_ps();
        for (; k + 7 <= j; k += 8) {
            for (int set = 0; set < 2; ++set) {
                const __m128 values = _mm_loadu_ps(v + k + 4 * set);
                lows[set] = _mm_min_ps(values, lows[set]);
                highs[set] = _mm_max_ps(values, highs[set]);
                gaps = _mm_or_ps(gaps, _mm_cmpunord_ps(values, values));
            }
        }
        if (_mm_movemask_ps(gaps) != 0)
            return false;
        alignas(16) float l[8], h[8];
        _mm_store_ps(l, lows[0]);
        _mm_store_ps(l + 4, lows[1]);
        _mm_store_ps(h, highs[0]);
        _mm_store_ps(h + 4, highs[1]);
        for (int lane = 0; lane < 8; ++lane) {
            low = l[lane] < low ? l[lane] : low;
            high = h[lane] > high ? h[lane] : high;
        }
    }
#endif
    bool gap = false;
    for (; k <= j; ++k) {
        const float value = v[k];
        low = value < low ? value : low;
        high = value > high ? value : high;
        gap |= value != value;
    }
    return !gap;
}

// A column without a gap, the common one, as one run: its lowest and highest values are
// found first, then their first places. False, with nothing added, when the column holds
// a gap.
bool AddWholeColumn(const float* v, qint32 i, qint32 j, std::vector<qint32>& out) {
    float low = 0, high = 0;
    if (!LowAndHigh(v, i, j, low, high))
        return false;
    Run run;
    run.first = i;
    run.last = j;
    run.low = FirstAt(v, i, j, low);
    run.high = FirstAt(v, i, j, high);
    Flush(run, out);
    return true;
}

// Adds the points i..j of one pixel column to the runs, breaking at gaps.
void AddColumn(const ChartValues& values, qint32 i, qint32 j, std::vector<qint32>& out) {
    const float* v = values.data();
    if (AddWholeColumn(v, i, j, out))
        return;
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

// Calls add(i, j) for the points i..j of each pixel column of x in first..last, in order.
template <class Add>
void ForEachColumn(qint32 size, qint32 first, qint32 last, const AxisScale& x, Add add) {
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
        add(i, j);
        i = j + 1;
    }
}

// The unbroken runs of the points i..j of one pixel column; gap tells whether a gap came
// since the last run and is left telling it.
void AddColumnRuns(const float* v, qint32 i, qint32 j, bool& gap, std::vector<ThinRun>& out) {
    auto add = [&](qint32 from, qint32 to, float low, float high) {
        out.push_back({from, to, v[from], v[to], low, high, !gap && !out.empty()});
        gap = false;
    };
    float low = 0, high = 0;
    if (LowAndHigh(v, i, j, low, high)) {
        add(i, j, low, high);
        return;
    }
    qint32 k = i;
    while (k <= j) {
        if (std::isnan(v[k])) {
            gap = true;
            ++k;
            continue;
        }
        // The run's end first, then its lowest and highest in vector lanes.
        const qint32 from = k;
        while (k <= j && !std::isnan(v[k]))
            ++k;
        LowAndHigh(v, from, k - 1, low, high);
        add(from, k - 1, low, high);
    }
}

bool SameThinning(const ChartSeries::ThinnedPoints& kept, qint32 first, qint32 last,
                  const AxisScale& x) {
    const AxisRange range = x.Range();
    return kept.first == first && kept.last == last && kept.min == range.min &&
           kept.max == range.max && kept.pixelAtMin == x.PixelAtMin() &&
           kept.pixelAtMax == x.PixelAtMax() && kept.logarithmic == x.Logarithmic();
}

ChartSeries::ThinnedPoints ThinningKey(qint32 first, qint32 last, const AxisScale& x) {
    const AxisRange range = x.Range();
    return {first,           last, range.min, range.max, x.PixelAtMin(), x.PixelAtMax(),
            x.Logarithmic(), {},   {}};
}
} // namespace

std::vector<qint32> ThinLineIndexes(const ChartValues& values, qint32 first, qint32 last,
                                    const AxisScale& x) {
    // Thinning usually follows painting: its vector lanes run at full speed only on clean
    // registers.
    ClearWideRegisters();
    std::vector<qint32> out;
    ForEachColumn(static_cast<qint32>(values.size()), first, last, x,
                  [&](qint32 i, qint32 j) { AddColumn(values, i, j, out); });
    return out;
}

std::vector<ThinRun> ThinLineRuns(const ChartValues& values, qint32 first, qint32 last,
                                  const AxisScale& x) {
    ClearWideRegisters();
    std::vector<ThinRun> out;
    bool gap = false;
    ForEachColumn(static_cast<qint32>(values.size()), first, last, x,
                  [&](qint32 i, qint32 j) { AddColumnRuns(values.data(), i, j, gap, out); });
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
    if (kept.indexes && SameThinning(kept, first, last, x))
        return *kept.indexes;
    kept = ThinningKey(first, last, x);
    kept.indexes = std::make_shared<const std::vector<qint32>>(
        ThinLineIndexes(series.Values(), first, last, x));
    return *kept.indexes;
}

std::shared_ptr<const std::vector<ThinRun>>
ThinnedSeriesRuns(const ChartSeries& series, qint32 first, qint32 last, const AxisScale& x) {
    ChartSeries::ThinnedPoints& kept = series.ThinCache();
    if (kept.runs && SameThinning(kept, first, last, x))
        return kept.runs;
    kept = ThinningKey(first, last, x);
    kept.runs =
        std::make_shared<const std::vector<ThinRun>>(ThinLineRuns(series.Values(), first, last, x));
    return kept.runs;
}
