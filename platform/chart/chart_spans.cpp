#include "platform/chart/chart_spans.h"

#include <algorithm>
#include <climits>

namespace {
struct Rows {
    int top;
    int bottom;
};

// The rows of a that are not in b; both sorted, not overlapping.
void Difference(const std::vector<Rows>& a, const std::vector<Rows>& b, std::vector<Rows>& out) {
    out.clear();
    size_t j = 0;
    for (const Rows& rows : a) {
        int from = rows.top;
        while (j < b.size() && b[j].bottom < from)
            ++j;
        for (size_t k = j; k < b.size() && b[k].top <= rows.bottom; ++k) {
            if (b[k].top > from)
                out.push_back({from, b[k].top - 1});
            from = std::max(from, b[k].bottom + 1);
        }
        if (from <= rows.bottom)
            out.push_back({from, rows.bottom});
    }
}
} // namespace

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
    int lowest = INT_MAX;
    int highest = INT_MIN;
    for (const ColumnSpan& span : spans) {
        lowest = std::min(lowest, span.top);
        highest = std::max(highest, span.bottom);
    }
    // The column where the run that covers each row began.
    std::vector<int> start(static_cast<size_t>(highest - lowest) + 1, 0);
    auto startOf = [&](int row) -> int& { return start[static_cast<size_t>(row - lowest)]; };
    // Runs of the rows that end in column last, the rows of one start together.
    auto end = [&](const std::vector<Rows>& ended, int last) {
        for (const Rows& rows : ended) {
            int row = rows.top;
            while (row <= rows.bottom) {
                const int first = startOf(row);
                int to = row;
                while (to < rows.bottom && startOf(to + 1) == first)
                    ++to;
                rects.emplace_back(first, row, last - first + 1, to - row + 1);
                row = to + 1;
            }
        }
    };

    std::vector<Rows> previous, current, changed;
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
        if (previousX == INT_MIN || x != previousX + 1) {
            end(previous, previousX);
            previous.clear();
        }
        Difference(previous, current, changed);
        end(changed, previousX);
        Difference(current, previous, changed);
        for (const Rows& rows : changed)
            for (int row = rows.top; row <= rows.bottom; ++row)
                startOf(row) = x;
        previous.swap(current);
        previousX = x;
    }
    end(previous, previousX);
    return rects;
}
