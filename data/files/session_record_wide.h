#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#if defined(__GNUC__) && defined(__x86_64__)
#include <immintrin.h>
#define CORVANEL_WIDE_RECORDS 1

// Session records sixteen at a time with the 512-bit instructions, where the processor has
// them: a save of a long session writes millions of records, and laying out their texts is
// most of its work. Code for them is compiled for those instructions (CORVANEL_WIDE_LANES)
// and taken only when HasWideLanes() holds.
#define CORVANEL_WIDE_LANES                                                                        \
    __attribute__((target("avx512f,avx512bw,avx512vl,avx512dq,avx512vbmi,avx512vbmi2,popcnt")))

inline bool HasWideLanes() {
    static const bool has =
        __builtin_cpu_supports("avx512f") && __builtin_cpu_supports("avx512bw") &&
        __builtin_cpu_supports("avx512vl") && __builtin_cpu_supports("avx512dq") &&
        __builtin_cpu_supports("avx512vbmi") && __builtin_cpu_supports("avx512vbmi2") &&
        __builtin_cpu_supports("popcnt");
    return has;
}

namespace wide_records {
// Where each byte of the fields of values first..first+7 comes from (see Fields): in 128-bit
// lane j of the integer digits, the first two-digit numbers of values 4j..4j+3, then their
// middle ones; in the same lane of the cent digits their cents, then the separator before
// the text and the decimal separator (index 64 and up).
template <int first>
inline constexpr std::array<char, 64> FieldIndex = [] {
    std::array<char, 64> index{};
    for (int f = 0; f < 8; ++f) {
        const int v = first + f;
        const int lane = 16 * (v / 4);
        const int k = 2 * (v % 4);
        const int at[8] = {64 + lane + 8, lane + k,      lane + k + 1,  lane + 8 + k,
                           lane + 9 + k,  64 + lane + 9, 64 + lane + k, 64 + lane + k + 1};
        for (int b = 0; b < 8; ++b)
            index[std::size_t(8 * f + b)] = char(at[b]);
    }
    return index;
}();

// What stays the same from one group of records to the next.
struct Constants {
    __m512i lowIndex, highIndex, firstMarks, otherMarks, ending;
};

// The two digits of each number below 100 in the sixteen-bit lanes as characters, tens
// first, less the offsets of leading zeros: x * 6554 = 65536 * (x / 10) + r, and r * 10 >> 16 is
// x mod 10 below 100.
[[gnu::always_inline]] CORVANEL_WIDE_LANES inline __m512i TwoDigitTexts(__m512i numbers,
                                                                        __m512i blanks) {
    const __m512i magic = _mm512_set1_epi16(6554);
    const __m512i tens = _mm512_mulhi_epu16(numbers, magic);
    const __m512i ones =
        _mm512_mulhi_epu16(_mm512_mullo_epi16(numbers, magic), _mm512_set1_epi16(10));
    return _mm512_sub_epi16(_mm512_or_si512(_mm512_or_si512(tens, _mm512_slli_epi16(ones, 8)),
                                            _mm512_set1_epi16(0x3030)),
                            blanks);
}

// Sixteen values' "#0.00" texts, each right-aligned in a field of eight bytes: low holds the
// fields of values 0-7, high of 8-15. A field's first byte is marks's (the separator before
// the text: a blank, or 0 for a record's first value), the bytes between it and the text are
// 0. False when a value is below 0, no number, not below 10000 once rounded, or near a half:
// those take the long way.
//
// The value times 100 is rounded in single precision: below 2^20 its error is under 0.04 of
// a hundredth, so a product within 0.3 of a whole number lies within 0.34 of it exactly, and
// that whole number is the rounded value whatever way the long way goes about it.
[[gnu::always_inline]] CORVANEL_WIDE_LANES inline bool Fields(const float* values, __m512i marks,
                                                              const Constants& constants,
                                                              __m512i& low, __m512i& high) {
    const __m512 value = _mm512_loadu_ps(values);
    const __m512 scaled = _mm512_mul_ps(value, _mm512_set1_ps(100.0f));
    const __m512 units =
        _mm512_maskz_roundscale_ps(0xFFFF, scaled, _MM_FROUND_TO_NEAREST_INT | _MM_FROUND_NO_EXC);
    // A value that is no number fails every comparison.
    __mmask16 ok = _mm512_cmp_ps_mask(value, _mm512_setzero_ps(), _CMP_GE_OQ);
    ok = _mm512_mask_cmp_ps_mask(ok, units, _mm512_set1_ps(1e6f), _CMP_LT_OQ);
    ok = _mm512_mask_cmp_ps_mask(ok, _mm512_abs_ps(_mm512_sub_ps(scaled, units)),
                                 _mm512_set1_ps(0.3f), _CMP_LT_OQ);
    if (ok != 0xFFFF)
        return false;

    // Hundredths u below 10^6 as three two-digit numbers: u / 10^4, u / 100 mod 100 and
    // u mod 100. The quotients come from one multiply-add in single precision: its error
    // (below 10^-3 for u / 100, 10^-5 for u / 10^4) stays under the nudge, and the nudge under
    // the distance from a quotient short of a whole number to that number.
    const __m512i whole = _mm512_maskz_cvttps_epi32(0xFFFF, units);
    const __m512i hundreds = _mm512_maskz_cvttps_epi32(
        0xFFFF, _mm512_fmadd_ps(units, _mm512_set1_ps(0.01f), _mm512_set1_ps(0.005f)));
    const __m512i tenThousands = _mm512_maskz_cvttps_epi32(
        0xFFFF, _mm512_fmadd_ps(units, _mm512_set1_ps(1e-4f), _mm512_set1_ps(5e-5f)));
    // Both quotients are below 2^15, so the sixteen-bit multiply-add takes them whole.
    const __m512i hundred = _mm512_set1_epi32(100);
    const __m512i middle = _mm512_sub_epi32(hundreds, _mm512_madd_epi16(tenThousands, hundred));
    const __m512i cents = _mm512_sub_epi32(whole, _mm512_madd_epi16(hundreds, hundred));

    // The leading zeros of the integer part become 0: the digit for 10^n is a leading zero
    // while the value is below 10^n, that is below 10^(n+2) hundredths.
    const __mmask16 below5 = _mm512_cmplt_epi32_mask(whole, _mm512_set1_epi32(100000));
    const __mmask16 below4 = _mm512_cmplt_epi32_mask(whole, _mm512_set1_epi32(10000));
    const __mmask16 below3 = _mm512_cmplt_epi32_mask(whole, _mm512_set1_epi32(1000));
    const __m512i firstBlanks = _mm512_mask_mov_epi32(
        _mm512_maskz_mov_epi32(below5, _mm512_set1_epi32(0x30)), below4, _mm512_set1_epi32(0x3030));
    const __m512i middleBlanks = _mm512_maskz_mov_epi32(below3, _mm512_set1_epi32(0x30));

    // In each 128-bit lane j: the first two-digit numbers of values 4j..4j+3, then their
    // middle ones (integerDigits); their cents, then the marks (centDigits).
    const __m512i integerDigits = TwoDigitTexts(_mm512_packus_epi32(tenThousands, middle),
                                                _mm512_packus_epi32(firstBlanks, middleBlanks));
    const __m512i centDigits = _mm512_mask_mov_epi64(
        TwoDigitTexts(_mm512_packus_epi32(cents, cents), _mm512_setzero_si512()), 0xAA, marks);
    low = _mm512_permutex2var_epi8(integerDigits, constants.lowIndex, centDigits);
    high = _mm512_permutex2var_epi8(integerDigits, constants.highIndex, centDigits);
    return true;
}

// Sixteen records from their x, y and z fields, written at p; returns their end. Each
// record is laid out in 32 bytes (the three fields, then "  0\"\r\n", the opening quote of
// the next record and a 0) and its bytes that are 0 are dropped. Writes whole 64-byte words.
[[gnu::always_inline]] CORVANEL_WIDE_LANES inline char*
Records(char* p, const __m512i* x, const __m512i* y, const __m512i* z, __m512i ending) {
    const __m512i xyFirst = _mm512_setr_epi64(0, 8, 1, 9, 2, 10, 3, 11);
    const __m512i xySecond = _mm512_setr_epi64(4, 12, 5, 13, 6, 14, 7, 15);
    const __m512i zFirst = _mm512_setr_epi64(0, 8, 1, 8, 2, 8, 3, 8);
    const __m512i zSecond = _mm512_setr_epi64(4, 8, 5, 8, 6, 8, 7, 8);
    const __m512i pairFirst = _mm512_setr_epi64(0, 1, 8, 9, 2, 3, 10, 11);
    const __m512i pairSecond = _mm512_setr_epi64(4, 5, 12, 13, 6, 7, 14, 15);
    auto pair = [&](__m512i words) CORVANEL_WIDE_LANES {
        const __mmask64 keep = _mm512_test_epi8_mask(words, words);
        _mm512_storeu_si512(p, _mm512_maskz_compress_epi8(keep, words));
        p += _mm_popcnt_u64(keep);
    };
    for (int half = 0; half < 2; ++half) {
        for (int quarter = 0; quarter < 2; ++quarter) {
            // x and y of four records side by side, z and the ending of the same four.
            const __m512i xy =
                _mm512_permutex2var_epi64(x[half], quarter ? xySecond : xyFirst, y[half]);
            const __m512i zEnd =
                _mm512_permutex2var_epi64(z[half], quarter ? zSecond : zFirst, ending);
            pair(_mm512_permutex2var_epi64(xy, pairFirst, zEnd));
            pair(_mm512_permutex2var_epi64(xy, pairSecond, zEnd));
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
        _mm512_loadu_si512(wide_records::FieldIndex<0>.data()),
        _mm512_loadu_si512(wide_records::FieldIndex<8>.data()),
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
