#pragma once

#include "text/pattern_number.h"
#include "text/two_decimal_fields.h"

// The four value columns of a sample's row, as the data table shows them and the
// tab-separated export writes them: x with "#0.00", then y, z and the resultant with
// "  #0.00", each blank-padded on the left to 8 characters; ASCII digits and the given
// decimal separator. The table puts them straight after the time, the export puts a tab
// before each. Millions of rows go through here, so the usual row is written in line.

// Room WriteSampleColumns needs at its pointer (it may write past the end it returns).
inline constexpr int SampleColumnsRoom = 4 * (PatternNumberRoom + 3);

#if defined(CORVANEL_TWO_DECIMAL_FIELDS)
// The hundredths below which each column is its field of eight bytes: x up to 99999.99, the
// others up to 999.99 (two blanks before them).
inline constexpr TwoDecimalBounds SampleColumnBounds{1e7, 1e5, 1e5, 1e5};
#endif

namespace sample_columns_detail {
inline constexpr int ColumnWidth = 8;

// Two blanks before a number, padded to 8, are the number padded to 8 with at least two
// blanks.
template <int Digits, bool TwoBlanks>
[[gnu::always_inline]] inline char* writeColumn(char* p, double value, char decimal) {
    return WritePatternNumberAs<Digits, 2>(p, value, true, decimal, ColumnWidth, TwoBlanks ? 2 : 0);
}
} // namespace sample_columns_detail

template <bool Tabs>
[[gnu::always_inline]] inline char* WriteSampleColumns(char* p, float x, float y, float z,
                                                       double res, char decimal) {
    using namespace sample_columns_detail;
#if defined(CORVANEL_TWO_DECIMAL_FIELDS)
    // The usual row: every number fits its column (x up to 99999.99, the others up to
    // 999.99), so each column is its field of eight bytes.
    __m128i xy, zr;
    if (FourTwoDecimalFields(x, y, z, res, SampleColumnBounds, decimal, xy, zr)) {
        if (!Tabs) {
            _mm_storeu_si128(reinterpret_cast<__m128i*>(p), xy);
            _mm_storeu_si128(reinterpret_cast<__m128i*>(p + 16), zr);
            return p + 32;
        }
        const std::uint64_t fields[4] = {FirstField(xy), SecondField(xy), FirstField(zr),
                                         SecondField(zr)};
        for (const std::uint64_t field : fields) {
            *p++ = '\t';
            std::memcpy(p, &field, 8);
            p += 8;
        }
        return p;
    }
#endif
    if (Tabs)
        *p++ = '\t';
    p = writeColumn<SingleDigits, false>(p, x, decimal);
    if (Tabs)
        *p++ = '\t';
    p = writeColumn<SingleDigits, true>(p, y, decimal);
    if (Tabs)
        *p++ = '\t';
    p = writeColumn<SingleDigits, true>(p, z, decimal);
    if (Tabs)
        *p++ = '\t';
    return writeColumn<DoubleDigits, true>(p, res, decimal);
}
