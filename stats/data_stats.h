#pragma once

#include <QtGlobal>

#include <span>

// Minimum, maximum and mean of a data set's resultants. Present is false when no sample
// is available (an empty data set, or one made only of gaps): the figures are then 0 and
// the windows show no statistics.
struct ResultantFigures {
    float Max = 0.0f;
    float Min = 0.0f; // the smallest value above 0 (0 when none is above 0)
    float Mean = 0.0f;
    qint32 AvailableCount = 0;
    bool Present = false;
};

// The data-set statistics over samples 1..N (samples[0] is sample 1). Samples that are not
// available take no part; the comparisons are made in single precision, the sum in double.
ResultantFigures CalculateStats(std::span<const double> samples);
