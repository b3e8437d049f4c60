#pragma once

// The block that moves back and forth inside the wait box's bar, in twips. It moves by
// the caller's step in its current direction and turns round at either end, so it
// always stays inside the bar (at its left end when the bar is narrower than the block).
class BounceMarker {
public:
    explicit BounceMarker(int blockWidth) : blockWidth_(blockWidth) {}

    void Advance(int step, int barWidth);
    void Reset() {
        left_ = 0;
        forward_ = true;
    }

    int Left() const { return left_; }
    int BlockWidth() const { return blockWidth_; }
    bool Forward() const { return forward_; }

private:
    int blockWidth_;
    int left_ = 0;
    bool forward_ = true;
};
