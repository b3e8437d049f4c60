#include "stats/data_stats.h"

#include "core/error_report.h"
#include "stats/sample_availability.h"

#include <cfloat>
#include <cmath>

ResultantFigures CalculateStats(std::span<const double> samples) {
    return Trapped("CalculateStats", ResultantFigures{}, [&] {
        ResultantFigures figures;
        double sum = 0.0;
        bool haveMin = false;
        for (const double value : samples) {
            if (!IsAvailableSample(value))
                continue;
            // The figures are single precision: a value beyond it has no figure.
            if (!(std::fabs(value) <= FLT_MAX))
                RaiseError(ErrorNumber::Overflow, QStringLiteral("Overflow"));
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
