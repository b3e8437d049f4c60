#pragma once

#include "text/two_decimal_fields_wide.h"

#include <cstdint>

#if defined(CORVANEL_WIDE_FIELDS)
#define CORVANEL_WIDE_RECORDS 1

// Session records sixteen at a time with the 512-bit instructions (HasWideLanes()): a save
// of a long session writes millions of records, and laying out their texts is most of its
// work.
namespace wide_records {
// What stays the same from one group of records to the next.
struct Constants {
    wide_fields::FieldLayout layout;
    __m512i firstMarks, otherMarks, ending;
};

// The fields of sixteen values of a record's place: the first byte is the separator before
// the text (a blank, or 0 for a record's first value), the bytes between it and the text
// are 0.
[[gnu::always_inline]] CORVANEL_WIDE_LANES inline bool Fields(const float* values, __m512i marks,
                                                              const Constants& constants,
                                                              __m512i& low, __m512i& high) {
    return SixteenTwoDecimalFields<0x30>(_mm512_loadu_ps(values), 0xFFFF, 1e6f, marks,
                                         constants.layout, low, high);
}

// Sixteen records from their x, y and z fields, written at p; returns their end. Each
// record is laid out in 32 bytes (the three fields, then "  0\"\r\n", the opening quote of
// the next record and a 0) and its bytes that are 0 are dropped. Writes whole 64-byte words.
[[gnu::always_inline]] CORVANEL_WIDE_LANES inline char*
Records(char* p, const __m512i* x, const __m512i* y, const __m512i* z, __m512i ending) {
    for (int half = 0; half < 2; ++half) {
        // The ending stands in every row's fourth place.
        __m512i words[4];
        FourFieldRows(x[half], y[half], z[half], ending, words);
        for (const __m512i& word : words) {
            const __mmask64 keep = _mm512_test_epi8_mask(word, word);
            _mm512_storeu_si512(p, _mm512_maskz_compress_epi8(keep, word));
            p += _mm_popcnt_u64(keep);
        }
    }
    return p;
}
} // namespace wide_records

// Records of x[0..], y[0..], z[0..] written at p, sixteen at a time, for up to groups
// groups, as WriteSessionRecord writes them one by one. Stops before the first group with a
// value that takes the long way or is not below 10000 (a sample that is not available is
// one). Returns how many groups it wrote; p is moved past them. Room for
// 32 * 16 * groups + 64 bytes at p.
CORVANEL_WIDE_LANES inline int WriteSessionRecordGroups(char*& p, const float* x, const float* y,
                                                        const float* z, int groups, char decimal) {
    const wide_records::Constants constants{
        wide_fields::LoadFieldLayout(),
        _mm512_set1_epi64(
            static_cast<long long>(std::uint64_t(static_cast<unsigned char>(decimal)) << 8)),
        _mm512_set1_epi64(static_cast<long long>(
            0x20ULL | std::uint64_t(static_cast<unsigned char>(decimal)) << 8)),
        _mm512_set1_epi64(0x00220A0D22302020LL), // "  0\"\r\n\"" and a 0
    };
    // Each record's ending opens the next one, so the first quote is written here and the
    // last one left to be written over.
    char* at = p;
    *at++ = '"';
    int group = 0;
    for (; group < groups; ++group, x += 16, y += 16, z += 16) {
        __m512i xs[2], ys[2], zs[2];
        if (!wide_records::Fields(x, constants.firstMarks, constants, xs[0], xs[1]) ||
            !wide_records::Fields(y, constants.otherMarks, constants, ys[0], ys[1]) ||
            !wide_records::Fields(z, constants.otherMarks, constants, zs[0], zs[1]))
            break;
        at = wide_records::Records(at, xs, ys, zs, constants.ending);
    }
    if (group > 0)
        p = at - 1;
    return group;
}
#endif
