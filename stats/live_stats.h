#pragma once

#include <span>

// The running figures of the live readings since the last start.
struct LiveFigures {
    float RtMax = 0.0f;
    float RtMin = 0.0f;
    float RtMean = 0.0f;
};

// Folds the newest live reading into the running figures. readings holds the resultants
// of readings 1..RtCount (readings[0] is reading 1), the newest last; the first reading
// sets all three figures. Nothing happens when readings is empty.
void CalculateLiveStats(LiveFigures& figures, std::span<const double> readings);
