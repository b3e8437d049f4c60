#include "platform/chart/chart_spans.h"

#include <algorithm>
#include <climits>

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
