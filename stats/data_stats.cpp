#include "stats/data_stats.h"

#include "core/error_report.h"
#include "stats/sample_availability.h"

ResultantFigures CalculateStats(std::span<const double> samples) {
    return Trapped("CalculateStats", ResultantFigures{}, [&] {
        ResultantFigures figures;
        double sum = 0.0;
        bool haveMin = false;
        for (const double value : samples) {
            if (!IsAvailableSample(value))
                continue;
            const float single = static_cast<float>(value);
            if (figures.AvailableCount == 0 || single > figures.Max)
                figures.Max = single;
            // The minimum is taken over values above 0: a field of exactly 0 is no reading.
            if (value > 0.0 && (!haveMin || single < figures.Min)) {
                figures.Min = single;
                haveMin = true;
            }
            sum += value;
            ++figures.AvailableCount;
        }
        if (figures.AvailableCount > 0) {
            figures.Mean = static_cast<float>(sum / figures.AvailableCount);
            figures.Present = true;
        }
        return figures;
    });
}
