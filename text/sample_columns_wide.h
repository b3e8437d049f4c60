#pragma once

#include "text/two_decimal_fields_wide.h"

#include <cstdint>

#if defined(CORVANEL_WIDE_FIELDS)
#define CORVANEL_WIDE_COLUMNS 1

// The four value columns of sixteen consecutive rows (x[0..15], y, z, res), as
// WriteSampleColumns lays them out without tabs: row r's 32 bytes at rows + 32 * r. False,
// with nothing written, when a value takes another way there: x from 10000 on, the others
// from 1000 on, below 0, no number or near a half. Only where HasWideLanes().
CORVANEL_WIDE_LANES inline bool WriteSixteenSampleColumns(char* rows, const float* x,
                                                          const float* y, const float* z,
                                                          const double* res, char decimal) {
    const wide_fields::FieldLayout layout = wide_fields::LoadFieldLayout();
    // A blank before each text (the column's first byte), then the decimal separator.
    const __m512i marks = _mm512_set1_epi64(
        static_cast<long long>(0x20 | std::uint64_t(static_cast<unsigned char>(decimal)) << 8));
    // The resultant in single precision; below 0 it takes the long way as the singles do,
    // its sign taken before a tiny negative value turns into -0.
    const __m512d resLow = _mm512_loadu_pd(res);
    const __m512d resHigh = _mm512_loadu_pd(res + 8);
    const __mmask16 resAtLeastZero =
        __mmask16(_mm512_cmp_pd_mask(resLow, _mm512_setzero_pd(), _CMP_GE_OQ) |
                  unsigned(_mm512_cmp_pd_mask(resHigh, _mm512_setzero_pd(), _CMP_GE_OQ)) << 8);
    const __m512 resValue = _mm512_insertf32x8(_mm512_castps256_ps512(_mm512_cvtpd_ps(resLow)),
                                               _mm512_cvtpd_ps(resHigh), 1);
    // Fields of rows 0-7 and 8-15 of each column; y, z and the resultant keep two blanks.
    __m512i xs[2], ys[2], zs[2], rs[2];
    if (!SixteenTwoDecimalFields<0x10>(_mm512_loadu_ps(x), 0xFFFF, 1e6f, marks, layout, xs[0],
                                       xs[1]) ||
        !SixteenTwoDecimalFields<0x10>(_mm512_loadu_ps(y), 0xFFFF, 1e5f, marks, layout, ys[0],
                                       ys[1]) ||
        !SixteenTwoDecimalFields<0x10>(_mm512_loadu_ps(z), 0xFFFF, 1e5f, marks, layout, zs[0],
                                       zs[1]) ||
        !SixteenTwoDecimalFields<0x10>(resValue, resAtLeastZero, 1e5f, marks, layout, rs[0], rs[1]))
        return false;
    for (int half = 0; half < 2; ++half) {
        __m512i words[4];
        FourFieldRows(xs[half], ys[half], zs[half], rs[half], words);
        for (const __m512i& word : words) {
            _mm512_storeu_si512(rows, word);
            rows += 64;
        }
    }
    return true;
}
#endif
