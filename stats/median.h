#pragma once

#include <QtGlobal>

#include <span>

// The median resultant, its position in the sorted arrays and the sample that stands
// there. Present is false when no sample is available; Index and Sample are then 0.
struct MedianResult {
    double Value = 0.0;
    qint32 Index = 0;
    qint32 Sample = 0;
    bool Present = false;
};

// Sorts the resultants ascending together with their sample numbers. Both arrays run from
// 0 to N; positions 1..N hold the samples (resultant and sample number), position 0 holds
// no sample and stays where it is. The order among equal values is the one of a Shell sort
// on the gaps h = 3h + 1, which the value-ordered table shows.
void SortResultants(std::span<double> sortedRes, std::span<qint32> sortedIndex);

// Sorts as above, then takes the median over the available samples (those not available
// sort first): with m of them after k gaps, the one at k + m/2 + 1 for odd m, else the
// mean of those at k + m/2 and k + m/2 + 1 with Index the lower position.
MedianResult CalculateMediana(std::span<double> sortedRes, std::span<qint32> sortedIndex);

// The same median of samples 1..N (samples[0] is sample 1) without sorting them: the
// values at the median's positions are found by selection, and the sample at Index is the
// one the Shell sort above would put there.
MedianResult CalculateMediana(std::span<const double> samples);
