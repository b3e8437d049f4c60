#include "shell/panes/bounce_marker.h"

#include <algorithm>
#include <cstdlib>

void BounceMarker::Advance(int step, int barWidth) {
    const int distance = std::abs(step);
    int left = forward_ ? left_ + distance : left_ - distance;
    if (left <= 0 || left + blockWidth_ >= barWidth)
        forward_ = !forward_;
    left_ = std::clamp(left, 0, std::max(0, barWidth - blockWidth_));
}
