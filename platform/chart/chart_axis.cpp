#include "platform/chart/chart_axis.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr double SmallestLogMinimum = 0.0001;
} // namespace

AxisRange SaneAxisRange(double min, double max, bool logarithmic) {
    if (!std::isfinite(min))
        min = 0;
    if (!std::isfinite(max))
        max = min + 1;
    if (max < min)
        std::swap(min, max);
    if (logarithmic) {
        if (max <= 0)
            max = 1;
        if (min <= 0)
            min = std::min(SmallestLogMinimum, max / 10);
        if (max <= min)
            max = min * 10;
        return {min, max};
    }
    if (max <= min) {
        // One value: centred in a span around it.
        const double span = min != 0 ? std::abs(min) / 10 : 1;
        return {min - span / 2, min + span / 2};
    }
    return {min, max};
}

AxisScale::AxisScale(AxisRange range, bool logarithmic, double pixelAtMin, double pixelAtMax)
    : range_(SaneAxisRange(range.min, range.max, logarithmic)), log_(logarithmic), p0_(pixelAtMin),
      p1_(pixelAtMax) {
    t0_ = log_ ? std::log10(range_.min) : range_.min;
    t1_ = log_ ? std::log10(range_.max) : range_.max;
}

double AxisScale::Transform(double value) const {
    if (!log_)
        return value;
    if (value <= 0 || !std::isfinite(value))
        return t0_;
    return std::log10(value);
}

double AxisScale::ToPixel(double value) const {
    return p0_ + (Transform(value) - t0_) / (t1_ - t0_) * (p1_ - p0_);
}

double AxisScale::ToValue(double pixel) const {
    if (p1_ == p0_)
        return range_.min;
    const double t = t0_ + (pixel - p0_) / (p1_ - p0_) * (t1_ - t0_);
    return log_ ? std::pow(10.0, t) : t;
}

double NiceStep(double raw) {
    if (!(raw > 0) || !std::isfinite(raw))
        return 1;
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    for (double factor : {1.0, 2.0, 5.0, 10.0}) {
        // A small tolerance keeps 0.3 / 3 from stepping up a whole factor.
        if (factor * power >= raw * (1 - 1e-9))
            return factor * power;
    }
    return 10 * power;
}

namespace {
std::vector<double> LinearTicks(AxisRange range, double step) {
    std::vector<double> ticks;
    if (!(step > 0))
        return ticks;
    const double first = std::ceil(range.min / step - 1e-9);
    const double last = std::floor(range.max / step + 1e-9);
    if (last - first > 10000)
        return ticks;
    for (double k = first; k <= last; ++k) {
        double value = k * step;
        if (std::abs(value) < step * 1e-9)
            value = 0; // no "-0" label
        ticks.push_back(value);
    }
    return ticks;
}

} // namespace

std::vector<double> ValueAxisTicks(AxisRange range, double increment, bool logarithmic,
                                   double pixelLength, double minSpacing) {
    range = SaneAxisRange(range.min, range.max, logarithmic);
    if (pixelLength <= 0)
        return {};
    minSpacing = std::max(1.0, minSpacing);
    if (logarithmic) {
        const double lo = std::log10(range.min);
        const double hi = std::log10(range.max);
        const double perDecade = pixelLength / (hi - lo);
        std::vector<double> ticks;
        const int firstDecade = static_cast<int>(std::floor(lo));
        const int lastDecade = static_cast<int>(std::ceil(hi));
        const int every = std::max(1, static_cast<int>(std::ceil(minSpacing / perDecade)));
        // 2 and 5 between the powers when the 2-to-5 gap (0.4 of a decade) has room.
        const bool between = every == 1 && perDecade * std::log10(2.5) >= minSpacing;
        for (int d = firstDecade; d <= lastDecade; ++d) {
            const double power = std::pow(10.0, d);
            for (double factor : {1.0, 2.0, 5.0}) {
                if (factor != 1 && !between)
                    continue;
                if (factor == 1 && (d - firstDecade) % every != 0)
                    continue;
                const double value = factor * power;
                if (value >= range.min * (1 - 1e-9) && value <= range.max * (1 + 1e-9))
                    ticks.push_back(value);
            }
        }
        if (ticks.size() >= 2)
            return ticks;
        const double fit =
            (range.max - range.min) / std::max(1.0, std::floor(pixelLength / minSpacing));
        return LinearTicks(range, NiceStep(fit));
    }
    // A given increment is the finest step: the step shown is the round one (1, 2 or 5 times a
    // power of ten) at or above both it and the smallest step that leaves the labels room.
    const double fit =
        (range.max - range.min) / std::max(1.0, std::floor(pixelLength / minSpacing));
    if (increment > 0 && std::isfinite(increment)) {
        std::vector<double> ticks = LinearTicks(range, NiceStep(std::max(increment, fit)));
        if (ticks.size() >= 2)
            return ticks;
    }
    return LinearTicks(range, NiceStep(fit));
}

qint32 PointTickStep(double pixelsPerPoint, double labelExtent) {
    if (!(pixelsPerPoint > 0))
        return 1;
    const double raw = labelExtent / pixelsPerPoint;
    if (raw <= 1)
        return 1;
    const double step = NiceStep(raw);
    return step >= 2e9 ? 2000000000 : static_cast<qint32>(std::llround(step));
}
