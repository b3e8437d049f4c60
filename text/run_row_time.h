#pragma once

#include "text/pattern_number.h"
#include "text/table_time_text.h"

#include <cstdint>
#include <cstring>

// The layout of a run's rows (RowTimeText::RowsAt), kept in locals of a writing loop: the bytes
// the loop writes could otherwise be any of its members, and each would be read again for every
// row.
struct RunLayout {
    explicit RunLayout(const RowTimeText::RunRows& rows)
        : length(rows.length), hourAt(rows.hourAt), minuteAt(rows.minuteAt),
          secondAt(rows.secondAt) {
        std::memcpy(text, rows.text, sizeof text);
        std::memcpy(hours, rows.hours, sizeof hours);
    }
    char text[RowTimeText::RunRows::Room];
    char hours[sizeof RowTimeText::RunRows::hours];
    qsizetype length, hourAt, minuteAt, secondAt;
};

// The run's text with the time's fields of the second of the day put in; returns its end.
// Writes RowTimeText::RunRows::Room bytes at p.
[[gnu::always_inline]] inline char* WriteRunRowTime(char* p, const RunLayout& run,
                                                    unsigned second) {
    using pattern_number_detail::Pairs;
    std::memcpy(p, run.text, sizeof run.text);
    if (run.hourAt >= 0)
        std::memcpy(p + run.hourAt, run.hours + 2 * (second / 3600), 2);
    if (run.minuteAt >= 0)
        std::memcpy(p + run.minuteAt, Pairs + 2 * (second / 60 % 60), 2);
    if (run.secondAt >= 0)
        std::memcpy(p + run.secondAt, Pairs + 2 * (second % 60), 2);
    return p + run.length;
}

// The minute's and the second's two digits for every second of an hour ("0000" to "5959"),
// the minute's first: a row that knows its second of the hour finds its fields in one load.
struct MinuteSecondTable {
    std::uint32_t digits[3600];
};
inline constexpr MinuteSecondTable MinuteSecondDigits = [] {
    MinuteSecondTable table{};
    for (std::uint32_t s = 0; s < 3600; ++s) {
        const std::uint32_t d[4] = {s / 600, s / 60 % 10, s % 60 / 10, s % 10};
        for (std::uint32_t i = 0; i < 4; ++i)
            table.digits[s] |= (0x30 + d[i]) << (8 * i);
    }
    return table;
}();
