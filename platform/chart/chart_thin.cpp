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

std::vector<qint32> ThinLineIndexes(const std::vector<double>& values, qint32 first, qint32 last,
                                    const AxisScale& x) {
    std::vector<qint32> out;
    const qint32 size = static_cast<qint32>(values.size());
    first = std::max<qint32>(first, 0);
    last = std::min<qint32>(last, size - 1);
    Run run;
    double column = 0;
    for (qint32 i = first; i <= last; ++i) {
        const double v = values[i];
        if (std::isnan(v)) {
            Flush(run, out);
            run = Run();
            Break(out);
            continue;
        }
        const double c = std::floor(x.ToPixel(i));
        if (run.first >= 0 && c != column) {
            Flush(run, out);
            run = Run();
        }
        if (run.first < 0) {
            run.first = run.low = run.high = i;
            column = c;
        }
        run.last = i;
        if (v < values[run.low])
            run.low = i;
        if (v > values[run.high])
            run.high = i;
    }
    Flush(run, out);
    return out;
}

std::vector<qint32> AllLineIndexes(const std::vector<double>& values, qint32 first, qint32 last) {
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
