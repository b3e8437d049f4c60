#include "platform/chart/chart_spans.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace {
struct Rows {
    int top;
    int bottom;
};

// Rows covered in every column since start, none in the column before it.
struct Band {
    int top;
    int bottom;
    int start;
};
} // namespace

// The rectangles are the bands of rows that stay covered from one column to the next: a
// band ends, as one rectangle, where its rows stop being covered, and rows that begin to
// be covered start a band of their own. The work goes with the number of rectangles, not
// of rows.
std::vector<QRect> SpanRects(std::vector<ColumnSpan> spans) {
    std::vector<QRect> rects;
    if (spans.empty())
        return rects;
    auto before = [](const ColumnSpan& a, const ColumnSpan& b) {
        return a.x != b.x ? a.x < b.x : a.top < b.top;
    };
    // A line's spans come column by column already.
    if (!std::is_sorted(spans.begin(), spans.end(), before))
        std::sort(spans.begin(), spans.end(), before);
    auto end = [&](const Band& band, int top, int bottom, int last) {
        rects.emplace_back(band.start, top, last - band.start + 1, bottom - top + 1);
    };

    std::vector<Rows> current;
    std::vector<Band> bands, kept;
    int previousX = INT_MIN;
    size_t i = 0;
    while (i < spans.size()) {
        const int x = spans[i].x;
        // The column's rows, overlapping and touching spans merged.
        current.clear();
        for (; i < spans.size() && spans[i].x == x; ++i) {
            if (!current.empty() && spans[i].top <= current.back().bottom + 1)
                current.back().bottom = std::max(current.back().bottom, spans[i].bottom);
            else
                current.push_back({spans[i].top, spans[i].bottom});
        }
        if (previousX != INT_MIN && x != previousX + 1) {
            for (const Band& band : bands)
                end(band, band.top, band.bottom, previousX);
            bands.clear();
        }
        // The bands' rows still covered go on; the others end in the column before.
        kept.clear();
        size_t c = 0;
        for (const Band& band : bands) {
            int row = band.top;
            while (row <= band.bottom) {
                while (c < current.size() && current[c].bottom < row)
                    ++c;
                if (c == current.size() || current[c].top > band.bottom) {
                    end(band, row, band.bottom, previousX);
                    break;
                }
                if (current[c].top > row) {
                    end(band, row, current[c].top - 1, previousX);
                    row = current[c].top;
                }
                const int to = std::min(band.bottom, current[c].bottom);
                kept.push_back({row, to, band.start});
                row = to + 1;
            }
        }
        // The column's rows outside the kept bands start bands here.
        bands.clear();
        size_t k = 0;
        for (const Rows& rows : current) {
            int row = rows.top;
            for (; k < kept.size() && kept[k].top <= rows.bottom; ++k) {
                if (kept[k].top > row)
                    bands.push_back({row, kept[k].top - 1, x});
                bands.push_back(kept[k]);
                row = kept[k].bottom + 1;
            }
            if (row <= rows.bottom)
                bands.push_back({row, rows.bottom, x});
        }
        previousX = x;
    }
    for (const Band& band : bands)
        end(band, band.top, band.bottom, previousX);
    return rects;
}

QRect LinePixelBounds(const QLineF& line) {
    const double dx = std::abs(line.dx());
    const double dy = std::abs(line.dy());
    // Along the line's longer axis its squared ends reach half a pixel further and the
    // pixel centres half a pixel more; across, the slope times one and a half pixels.
    constexpr double rounding = 1.0 / 16;
    double acrossX = 1.5;
    double acrossY = 1.5;
    if (dy > 0 && dx <= 0.9 * dy) {
        acrossX = 1.5 * dx / dy;
        acrossY = 1;
    } else if (dx > 0 && dy <= 0.9 * dx) {
        acrossX = 1;
        acrossY = 1.5 * dy / dx;
    }
    const double left = std::floor(std::min(line.x1(), line.x2()) - acrossX - rounding);
    const double right = std::floor(std::max(line.x1(), line.x2()) + acrossX + rounding);
    const double top = std::floor(std::min(line.y1(), line.y2()) - acrossY - rounding);
    const double bottom = std::floor(std::max(line.y1(), line.y2()) + acrossY + rounding);
    constexpr double far = 1 << 24;
    if (!(left > -far && right < far && top > -far && bottom < far))
        return QRect();
    return QRect(QPoint(static_cast<int>(left), static_cast<int>(top)),
                 QPoint(static_cast<int>(right), static_cast<int>(bottom)));
}

void DropCoveredSteps(const std::vector<ColumnSpan>& spans, std::vector<QLineF>& lines) {
    if (spans.empty())
        return;
    const int left = spans.front().x;
    const int right = spans.back().x;
    if (right < left || right - left > 1 << 16)
        return;
    struct Rows {
        int top = INT_MAX;
        int bottom = INT_MIN;
        int count = 0;
    };
    std::vector<Rows> columns(static_cast<size_t>(right - left) + 1);
    for (const ColumnSpan& span : spans) {
        if (span.x < left || span.x > right)
            return; // not column by column: leave every step
        Rows& rows = columns[static_cast<size_t>(span.x - left)];
        rows = {span.top, span.bottom, rows.count + 1};
    }
    auto covered = [&](const QLineF& line) {
        const QRect bounds = LinePixelBounds(line);
        if (bounds.isEmpty() || bounds.left() < left || bounds.right() > right)
            return false;
        for (int c = bounds.left(); c <= bounds.right(); ++c) {
            const Rows& rows = columns[static_cast<size_t>(c - left)];
            if (rows.count != 1 || rows.top > bounds.top() || rows.bottom < bounds.bottom())
                return false;
        }
        return true;
    };
    lines.erase(
        std::remove_if(lines.begin(), lines.end(),
                       [&](const QLineF& line) { return line.p1() != line.p2() && covered(line); }),
        lines.end());
}
