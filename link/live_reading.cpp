#include "link/live_reading.h"

#include <cmath>

namespace {
constexpr int ReadingBytes = 11; // "<", length, echo, six count bytes, status
constexpr int StatusByte = 10;
} // namespace

double RoundTwoDecimalsHalfEven(double value) {
    return std::nearbyint(value * 100.0) / 100.0;
}

LiveDecode DecodeLiveReply(QByteArrayView reply, double lowRangeFullScale,
                           double highRangeFullScale) {
    LiveDecode out;
    if (reply.size() < ReadingBytes) {
        out.Fault = LiveReplyFault::TooShort;
        return out;
    }
    const auto byte = [&](int i) { return static_cast<quint8>(reply.at(i)); };
    const quint8 status = byte(StatusByte);
    out.Reading.BatteryLow = (status & 0x80) != 0;

    float values[3] = {};
    for (int axis = 0; axis < 3; ++axis) {
        const int h = byte(4 + 2 * axis);
        const int l = byte(5 + 2 * axis);
        double value = 0;
        if (status & (1 << axis)) {
            // The count is a 16-bit signed number: a high byte from 128 on does not fit.
            if (h >= 128) {
                out.Fault = LiveReplyFault::HighRangeOverflow;
                out.Axis = axis;
                return out;
            }
            const float raw = static_cast<float>(h * 256 + l);
            value = raw * highRangeFullScale / 1024.0;
        } else if (h == 0 && l <= 3) {
            value = 0; // the low range's floor
        } else {
            const float raw = static_cast<float>(h * 256.0 + l);
            value = raw * lowRangeFullScale / 1024.0;
        }
        values[axis] = static_cast<float>(RoundTwoDecimalsHalfEven(value));
    }
    out.Reading.X = values[0];
    out.Reading.Y = values[1];
    out.Reading.Z = values[2];
    const double x = values[0], y = values[1], z = values[2];
    out.Reading.Res =
        static_cast<float>(RoundTwoDecimalsHalfEven(std::sqrt(x * x + y * y + z * z)));
    return out;
}
