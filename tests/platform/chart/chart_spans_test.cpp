#include "platform/chart/chart_spans.h"

#include <QImage>
#include <QPainter>

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

namespace {
// Spans and steps drawn as a dense line draws them: rectangles, then one pixel strokes.
QImage Draw(const std::vector<ColumnSpan>& spans, const std::vector<QLineF>& steps, bool clip) {
    QImage image(90, 150, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    if (clip)
        painter.setClipRect(QRectF(3, 4, 70, 120));
    const std::vector<QRect> rects = SpanRects(spans);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::red);
    painter.drawRects(rects.data(), static_cast<int>(rects.size()));
    QPen pen(Qt::red, 0);
    pen.setCosmetic(true);
    painter.setPen(pen);
    painter.drawLines(steps.data(), static_cast<int>(steps.size()));
    return image;
}
} // namespace

// The steps left out change no pixel: the picture with the steps kept is the picture with
// every step, for ends on pixel edges, on pixel centres and anywhere between, steps inside
// the spans and leaving them, columns with a gap inside, and a clipped picture.
TEST(ChartSpans, StepsLeftOutChangeNoPixel) {
    std::mt19937 random(721);
    std::uniform_real_distribution<double> unit(0, 1);
    auto near = [&](int whole) {
        switch (random() % 5) {
        case 0:
            return double(whole);
        case 1:
            return whole + 0.5;
        case 2:
            return whole + 1 - 1.0 / 64;
        case 3:
            return whole + 1.0 / 64;
        default:
            return whole + unit(random);
        }
    };
    size_t left = 0;
    size_t all = 0;
    for (int round = 0; round < 300; ++round) {
        std::vector<ColumnSpan> spans;
        std::vector<ColumnSpan> main;
        int middle = 70;
        for (int x = 0; x < 80; ++x) {
            middle = std::clamp(middle + static_cast<int>(random() % 21) - 10, 30, 110);
            const int half = static_cast<int>(random() % (round % 2 ? 30 : 4));
            spans.push_back({x, middle - half, middle + half});
            main.push_back(spans.back());
            if (random() % 11 == 0)
                spans.push_back({x, middle + half + 3, middle + half + 5});
        }
        std::vector<QLineF> steps;
        for (int x = 0; x + 1 < 80; ++x) {
            const int to = std::min(79, x + 1 + static_cast<int>(random() % 8 == 0));
            auto y = [&](const ColumnSpan& span) {
                return near(span.top - 2 +
                            static_cast<int>(random() % (span.bottom - span.top + 5)));
            };
            // Half the rounds as a line's steps go: from the end of one column to the
            // start of the next.
            const double x1 = round % 4 < 2 ? near(x) : x + 1 - unit(random) / 100;
            const double y1 = y(main[size_t(x)]);
            const double x2 = round % 4 < 2 ? near(to) : to + unit(random) / 100;
            const double y2 = y(main[size_t(to)]);
            steps.emplace_back(x1, y1, x2, y2);
        }
        std::vector<QLineF> kept = steps;
        DropCoveredSteps(spans, kept);
        left += kept.size();
        all += steps.size();
        const bool clip = round % 3 == 0;
        ASSERT_EQ(Draw(spans, kept, clip), Draw(spans, steps, clip)) << round;
    }
    EXPECT_LT(left, all - all / 20); // enough left out for the pictures to tell
}
// Every pixel a one pixel line sets lies in its bounds, for lines of every slope with ends
// on pixel edges, near them and anywhere between.
TEST(ChartSpans, ALinesPixelsLieInItsBounds) {
    std::mt19937 random(9);
    std::uniform_real_distribution<double> unit(0, 1);
    auto near = [&](double whole) {
        const double edges[] = {0, 0.5, 1.0 / 64, 1 - 1.0 / 64, 1 - 1.0 / 128};
        return whole + (random() % 2 ? edges[random() % 5] : unit(random));
    };
    QImage image(40, 60, QImage::Format_RGB32);
    for (int n = 0; n < 4000; ++n) {
        image.fill(Qt::white);
        const double length = n % 4 == 0 ? 30 : 3;
        const double x1 = near(10);
        const double y1 = near(20);
        const double x2 = near(10 + std::floor(unit(random) * length));
        const double y2 = near(20 + std::floor((unit(random) - 0.3) * length));
        const QLineF line(x1, y1, x2, y2);
        QPainter painter(&image);
        QPen pen(Qt::red, 0);
        pen.setCosmetic(true);
        painter.setPen(pen);
        painter.drawLine(line);
        painter.end();
        const QRect bounds = LinePixelBounds(line);
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (image.pixel(x, y) != QColor(Qt::white).rgb())
                    ASSERT_TRUE(bounds.contains(x, y))
                        << line.x1() << " " << line.y1() << " " << line.x2() << " " << line.y2();
    }
}
