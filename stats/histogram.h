#pragma once

#include <QString>
#include <QtGlobal>

#include <array>
#include <span>

inline constexpr int MaxHistogramClasses = 11;

// The histogram classes of the statistics graph: classes 1..ClassNumber are in use (index
// 0 is never written); each count is the class's share of all samples in percent.
struct HistogramClasses {
    std::array<double, MaxHistogramClasses + 1> ClassCount{};
    std::array<QString, MaxHistogramClasses + 1> ClassLabel;
    qint16 ClassNumber = 0; // 0 while none are computed
};

// The program-wide classes that the statistics graph draws.
HistogramClasses& Histogram();

// Builds classCount classes between minValue and maxValue over samples 1..N (samples[0] is
// sample 1). With minValue above 0 the first class gathers the values below it ("<min");
// the last class gathers the values from maxValue up (">max"); the classes between are
// equally wide, the width taken in single precision. A sample equal to a class's upper
// bound belongs to the next class: the bounds are taken at the six significant digits that
// single precision holds for certain, the decimals their labels show. Samples of 0 and those not
// available are counted nowhere, but the shares are of all N samples. Returns false, leaving the
// classes as they were, for fewer than 3 or more than 11 classes, maxValue not above
// minValue, or no samples.
bool DoStatistics(HistogramClasses& classes, std::span<const double> samples, float minValue,
                  float maxValue, int classCount);
