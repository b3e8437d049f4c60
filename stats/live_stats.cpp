#include "stats/live_stats.h"

#include "core/error_report.h"

void CalculateLiveStats(LiveFigures& figures, std::span<const double> readings) {
    Trapped("CalculateStats", [&] {
        if (readings.empty())
            return;
        const double newest = readings.back();
        const auto count = static_cast<double>(readings.size());
        if (readings.size() == 1) {
            figures.RtMax = figures.RtMin = figures.RtMean = static_cast<float>(newest);
            return;
        }
        const float single = static_cast<float>(newest);
        if (single > figures.RtMax)
            figures.RtMax = single;
        if (single < figures.RtMin)
            figures.RtMin = single;
        figures.RtMean = static_cast<float>((figures.RtMean * (count - 1.0) + newest) / count);
    });
}
