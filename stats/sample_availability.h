#pragma once

// A resultant below 0 (the loaders write -1) marks a sample that is not available; a
// magnitude is never negative, so every negative value is taken the same way.
inline constexpr bool IsAvailableSample(double value) {
    return value >= 0.0;
}
