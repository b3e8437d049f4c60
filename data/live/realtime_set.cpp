#include "data/live/realtime_set.h"

#include <algorithm>
#include <span>

RealTimeSetState& RealTimeSet() {
    static RealTimeSetState set;
    return set;
}

void ResetRealTimeSet() {
    RealTimeSet() = RealTimeSetState();
}

void AppendLiveReading(RealTimeSetState& set, float x, float y, float z, float res) {
    const qint32 n = set.RtCount + 1;
    // The arrays keep what an earlier start left past the count; a new start overwrites it
    // reading by reading.
    const auto grow = [n](auto& a) {
        if (a.size() > n)
            return;
        if (a.capacity() <= n)
            a.reserve(std::max<qsizetype>(2 * a.capacity(), 1024));
        a.resize(n + 1);
    };
    grow(set.RtX);
    grow(set.RtY);
    grow(set.RtZ);
    grow(set.RtRes);
    set.RtX[n] = x;
    set.RtY[n] = y;
    set.RtZ[n] = z;
    set.RtRes[n] = res;
    set.RtValues = {x, y, z, res};
    set.RtCount = n;
    CalculateLiveStats(set.Figures, std::span<const double>(set.RtRes.constData() + 1, n));
}
