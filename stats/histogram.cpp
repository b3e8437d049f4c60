#include "stats/histogram.h"

#include "core/error_report.h"
#include "text/format_pattern.h"

#include <array>
#include <charconv>
#include <cmath>

namespace {
// A value as the six significant digits that single precision always holds give it: the
// decimal that a single-precision figure, after a product or two, stands for (9 x 0.1 is
// 0.9000000358 there, and gives 0.9).
double singleDigits(double value) {
    char buffer[32];
    const auto end =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, 5).ptr;
    double read = value;
    std::from_chars(buffer, end, read);
    return read;
}
} // namespace

HistogramClasses& Histogram() {
    static HistogramClasses classes;
    return classes;
}

bool DoStatistics(HistogramClasses& classes, std::span<const double> samples, float minValue,
                  float maxValue, int classCount) {
    return Trapped("DoStatistics", false, [&] {
        if (classCount > MaxHistogramClasses || classCount < 3 || !(maxValue > minValue) ||
            samples.empty())
            return false;
        HistogramClasses result;
        const int low = minValue > 0.0f ? 1 : 0;
        const float width = (maxValue - minValue) / static_cast<float>(classCount - low - 1);
        const QString format = width <= 0.1f ? QStringLiteral("#0.00") : QStringLiteral("#0.0");

        if (low == 1)
            result.ClassLabel[1] = QStringLiteral("<") + FormatPattern(minValue, format);
        for (int j = low + 1; j <= classCount - 1; ++j) {
            const float lowerStep = static_cast<float>(j - low - 1) * width;
            const float upperStep = static_cast<float>(j - low) * width;
            const double lower = static_cast<double>(lowerStep) + minValue;
            const double upper = static_cast<double>(upperStep) + minValue;
            result.ClassLabel[j] =
                FormatPattern(lower, format) + QStringLiteral("-") + FormatPattern(upper, format);
        }
        result.ClassLabel[classCount] = QStringLiteral(">") + FormatPattern(maxValue, format);

        // The limits and the width are single precision: a bound such as 9 x 0.1 lies a
        // little off 0.9 there, and off the sample 0.90 in double precision. Bounds and
        // limits are taken at the single's six sure significant digits, the decimals the
        // labels stand for, and the samples compared with them as they are: a sample equal
        // to a bound belongs to the class above it, one at or above the upper limit to the
        // last.
        const int lastBounded = classCount - 1 - low;
        std::array<double, MaxHistogramClasses + 1> bounds{};
        for (int k = 0; k <= lastBounded; ++k)
            bounds[static_cast<std::size_t>(k)] =
                singleDigits(static_cast<double>(static_cast<float>(k) * width) + minValue);
        const double lowLimit = singleDigits(minValue);
        const double highLimit = singleDigits(maxValue);
        const auto bound = [&](int k) { return bounds[static_cast<std::size_t>(k)]; };
        for (const double value : samples) {
            if (!(value > 0.0))
                continue;
            int k;
            if (value >= highLimit) {
                k = lastBounded;
            } else if (value < lowLimit) {
                k = -low;
            } else {
                // The quotient is clamped while still a floating value, so a far outlier
                // cannot overflow; the bounds then settle a quotient that rounded across one.
                const double quotient = std::floor((value - lowLimit) / static_cast<double>(width));
                k = !(quotient > 0.0)                                 ? 0
                    : quotient > static_cast<double>(lastBounded - 1) ? lastBounded - 1
                                                                      : static_cast<int>(quotient);
                while (k < lastBounded - 1 && value >= bound(k + 1))
                    ++k;
                while (k > 0 && value < bound(k))
                    --k;
            }
            result.ClassCount[static_cast<std::size_t>(k + 1 + low)] += 1.0;
        }

        const auto total = static_cast<double>(samples.size());
        result.ClassNumber = static_cast<qint16>(classCount);
        for (int k = 1; k <= classCount; ++k)
            result.ClassCount[static_cast<std::size_t>(k)] =
                result.ClassCount[static_cast<std::size_t>(k)] / total * 100.0;
        classes = result;
        return true;
    });
}
