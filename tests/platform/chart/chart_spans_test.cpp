#include "platform/chart/chart_spans.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

namespace {
// How often each pixel of a small grid is covered.
struct Grid {
    static constexpr int Left = -5, Top = -60, Width = 70, Height = 180;
    std::vector<int> counts = std::vector<int>(Width * Height, 0);
    int& at(int x, int y) { return counts[static_cast<size_t>((y - Top) * Width + (x - Left))]; }
};

Grid covered(const std::vector<ColumnSpan>& spans) {
    Grid grid;
    for (const ColumnSpan& span : spans)
        for (int y = span.top; y <= span.bottom; ++y)
            grid.at(span.x, y) = 1;
    return grid;
}

Grid filled(const std::vector<QRect>& rects) {
    Grid grid;
    for (const QRect& rect : rects)
        for (int y = rect.top(); y <= rect.bottom(); ++y)
            for (int x = rect.left(); x <= rect.right(); ++x)
                ++grid.at(x, y);
    return grid;
}
} // namespace

TEST(ChartSpans, RectanglesCoverTheSpansPixelsOnceEach) {
    std::mt19937 random(720);
    for (int round = 0; round < 400; ++round) {
        // Bands that wander, columns left out, a few columns with two spans (a gap inside
        // the column), spans of one row, in any order.
        std::vector<ColumnSpan> spans;
        int middle = 40;
        for (int x = 0; x < 60; ++x) {
            middle = std::clamp(middle + static_cast<int>(random() % 21) - 10, 20, 80);
            if (random() % 9 == 0)
                continue;
            const int half = static_cast<int>(random() % (round % 2 ? 30 : 3));
            spans.push_back({x, middle - half, middle + half});
            if (random() % 7 == 0) {
                const int top = middle + static_cast<int>(random() % 40) - 20;
                spans.push_back({x, top, top + static_cast<int>(random() % 5)});
            }
        }
        if (round % 3 == 0)
            std::shuffle(spans.begin(), spans.end(), random);
        const std::vector<QRect> rects = SpanRects(spans);
        ASSERT_EQ(filled(rects).counts, covered(spans).counts) << round;
    }
}

TEST(ChartSpans, AStraightBandIsOneRectangle) {
    std::vector<ColumnSpan> spans;
    for (int x = 3; x < 50; ++x)
        spans.push_back({x, 10, 40});
    const std::vector<QRect> rects = SpanRects(spans);
    ASSERT_EQ(rects.size(), 1u);
    EXPECT_EQ(rects.front(), QRect(3, 10, 47, 31));
    EXPECT_TRUE(SpanRects({}).empty());
}
