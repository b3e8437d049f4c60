// Any bytes as a run of live-reading replies (command 2) through the live decoder: a reply
// it cannot take leaves the live readings as they were; every one it takes is the next
// reading, each component the count at its range's full scale to two decimals, the
// resultant that of the components, all within the running figures.
//
// The first byte picks the low range's full scale (2.0, or 5.0 after a start without
// identification); the rest is cut into replies, each a length byte k and k bytes (a
// frame is 13 bytes, shorter ones are too short to read).
#include "data/live/realtime_set.h"
#include "data/live/split_data_read_data.h"

#include <QByteArray>
#include <QCoreApplication>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {
constexpr int ReadingBytes = 11; // frame start, length, echo, six count bytes, status
constexpr int MaxReplies = 512;

[[noreturn]] void breach(const char* what) {
    std::fprintf(stderr, "live reading fuzz: %s\n", what);
    std::abort();
}

// The component of an axis as the instrument means it, worked out apart from the decoder:
// a high-range count is a 16-bit signed count of which the instrument uses 1024 a range, so
// a top bit set cannot be read; a low-range count of 0..3 is the range's floor.
struct Expected {
    bool readable = true;
    double value = 0;
};
Expected expectedAxis(quint8 high, quint8 low, bool highRange, double lowFullScale) {
    const int count = high * 256 + low;
    if (highRange)
        return high >= 128 ? Expected{false, 0} : Expected{true, count * 200.0 / 1024.0};
    return {true, count <= 3 ? 0.0 : count * lowFullScale / 1024.0};
}

// Two decimals of a value computed in single precision: within half a hundredth and the
// float's own step.
bool twoDecimalsOf(float shown, double exact) {
    const double tolerance = 0.005 + std::fabs(exact) * 1e-6;
    const double hundredths = double(shown) * 100.0;
    return std::fabs(double(shown) - exact) <= tolerance &&
           std::fabs(hundredths - std::nearbyint(hundredths)) <= std::fabs(hundredths) * 1e-6;
}

void checkReply(const QByteArray& reply, double lowFullScale) {
    RealTimeSetState& set = RealTimeSet();
    const qint32 before = set.RtCount;
    const LiveFigures figuresBefore = set.Figures;
    SplitDataReadData(reply);

    bool readable = reply.size() >= ReadingBytes;
    double exact[3] = {};
    if (readable) {
        const auto byte = [&](int i) { return static_cast<quint8>(reply.at(i)); };
        const quint8 status = byte(10);
        for (int axis = 0; axis < 3 && readable; ++axis) {
            const Expected e = expectedAxis(byte(4 + 2 * axis), byte(5 + 2 * axis),
                                            (status & (1 << axis)) != 0, lowFullScale);
            readable = e.readable;
            exact[axis] = e.value;
        }
    }
    if (!readable) {
        if (set.RtCount != before || set.Figures.RtMax != figuresBefore.RtMax ||
            set.Figures.RtMin != figuresBefore.RtMin || set.Figures.RtMean != figuresBefore.RtMean)
            breach("a reply that cannot be read changed the live readings");
        return;
    }
    if (set.RtCount != before + 1)
        breach("a readable reply was not taken as the next reading");
    const qint32 i = set.RtCount;
    if (set.RtX.size() <= i || set.RtY.size() <= i || set.RtZ.size() <= i || set.RtRes.size() <= i)
        breach("the live arrays do not reach the newest reading");
    const float shown[3] = {set.RtX[i], set.RtY[i], set.RtZ[i]};
    for (int axis = 0; axis < 3; ++axis)
        if (!twoDecimalsOf(shown[axis], exact[axis]))
            breach("a component is not its count at the range's full scale to two decimals");
    const double x = shown[0], y = shown[1], z = shown[2];
    const double res = set.RtRes[i];
    const double exactRes = std::sqrt(x * x + y * y + z * z);
    if (!std::isfinite(res) || std::fabs(res - exactRes) > 0.005 + exactRes * 1e-6)
        breach("the resultant is not that of the components");
    const LiveFigures& f = set.Figures;
    const float r = static_cast<float>(res);
    if (!(f.RtMin <= r && r <= f.RtMax && f.RtMin <= f.RtMean && f.RtMean <= f.RtMax))
        breach("the running figures do not hold the newest reading");
}
} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    static QCoreApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1)
        return 0;
    ResetRealTimeSet();
    RealTimeSetState& set = RealTimeSet();
    set.LowRangeFullScale = (data[0] & 1) ? 5.0 : 2.0;
    std::size_t at = 1;
    for (int n = 0; n < MaxReplies && at < size; ++n) {
        const std::size_t length = std::min<std::size_t>(data[at], size - at - 1);
        ++at;
        checkReply(
            QByteArray(reinterpret_cast<const char*>(data + at), static_cast<qsizetype>(length)),
            set.LowRangeFullScale);
        at += length;
    }
    return 0;
}
