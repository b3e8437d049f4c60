#include "stats/histogram.h"

#include "core/error_report.h"
#include "text/format_pattern.h"

#include <cmath>

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

        const int lastBounded = classCount - 1 - low;
        for (const double value : samples) {
            if (!(value > 0.0))
                continue;
            // The class number is clamped while still a floating value, so a far outlier
            // lands in the last class instead of overflowing.
            const double quotient =
                std::floor((value - static_cast<double>(minValue)) / static_cast<double>(width));
            int k;
            // The limits are single precision: a sample equal to the lower limit at that
            // precision (the data set's own minimum, as the window first offers it) belongs
            // to the first bounded class, not to the one below the limit.
            if (quotient < 0.0)
                k = static_cast<float>(value) < minValue ? -1 : 0;
            else if (quotient > lastBounded)
                k = lastBounded;
            else
                k = static_cast<int>(quotient);
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
