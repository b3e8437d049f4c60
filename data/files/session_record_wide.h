#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>

#if defined(__GNUC__) && defined(__x86_64__)
#include <immintrin.h>
#define CORVANEL_WIDE_RECORDS 1

// Sixteen session records at once with the 512-bit instructions, where the processor has
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
// Where each byte of the fields of values first..first+7 comes from (see SixteenFields): in
// 128-bit lane j of the digits, the first two-digit numbers of values 4j..4j+3, then their
// middle ones; the cents in the same places of the second digits.
template <int first>
inline constexpr std::array<char, 64> FieldIndex = [] {
    std::array<char, 64> index{};
    for (int f = 0; f < 8; ++f) {
        const int v = first + f;
        const int lane = 16 * (v / 4);
        const int k = 2 * (v % 4);
        const int at[8] = {0, lane + k,      lane + k + 1,     lane + 8 + k, lane + 9 + k,
                           0, 64 + lane + k, 64 + lane + k + 1};
        for (int b = 0; b < 8; ++b)
            index[std::size_t(8 * f + b)] = char(at[b]);
    }
    return index;
}();

// The two digits of each number below 100 in the sixteen-bit lanes, tens first
// (x * 6554 >> 16 is x / 10 below 100).
[[gnu::always_inline]] CORVANEL_WIDE_LANES inline __m512i TwoDigitTexts(__m512i numbers) {
    const __m512i tens = _mm512_mulhi_epu16(numbers, _mm512_set1_epi16(6554));
    const __m512i ones = _mm512_sub_epi16(numbers, _mm512_mullo_epi16(tens, _mm512_set1_epi16(10)));
    return _mm512_add_epi16(_mm512_or_si512(tens, _mm512_slli_epi16(ones, 8)),
                            _mm512_set1_epi16(0x3030));
}

// Sixteen values' "#0.00" texts, each right-aligned in a field of eight bytes with at least
// one blank before it: low holds the fields of values 0-7, high of 8-15. quote puts '"' in
// place of the blank just before each text. False, with nothing written, when a value is
// below 0, no number, not below 10000 once rounded, or near a half (those take the long way).
//
// The value times 100 is rounded in single precision: below 2^20 its error is under 0.04 of
// a hundredth, so a product within 0.3 of a whole number lies within 0.34 of it exactly, and
// that whole number is the rounded value whatever way the long way goes about it.
[[gnu::always_inline]] CORVANEL_WIDE_LANES inline bool
SixteenFields(const float* values, char decimal, bool quote, __m512i& low, __m512i& high) {
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

    // In each 128-bit lane j: the first two-digit numbers of values 4j..4j+3, then their
    // middle ones (integerDigits); their cents twice (centDigits).
    const __m512i integerDigits = TwoDigitTexts(_mm512_packus_epi32(tenThousands, middle));
    const __m512i centDigits = TwoDigitTexts(_mm512_packus_epi32(cents, cents));
    // Field of value v: blank, four integer digits, separator, two decimals (bytes 0 and 5
    // are set below; an index of 64 and up picks from centDigits).
    const __m512i lowIndex = _mm512_loadu_si512(FieldIndex<0>.data());
    const __m512i highIndex = _mm512_loadu_si512(FieldIndex<8>.data());
    const __m512i marks = _mm512_set1_epi64(
        static_cast<long long>(0x20 | std::uint64_t(static_cast<unsigned char>(decimal)) << 40));
    constexpr __mmask64 markBytes = 0x2121212121212121ULL;
    low = _mm512_mask_mov_epi8(_mm512_permutex2var_epi8(integerDigits, lowIndex, centDigits),
                               markBytes, marks);
    high = _mm512_mask_mov_epi8(_mm512_permutex2var_epi8(integerDigits, highIndex, centDigits),
                                markBytes, marks);

    // The leading zeros of the integer part become blanks ('0' - 0x10): the digit for 10^n is
    // a leading zero while the value is below 10^n, that is below 10^(n+2) hundredths.
    const __mmask16 below5 = _mm512_cmplt_epi32_mask(whole, _mm512_set1_epi32(100000));
    const __mmask16 below4 = _mm512_cmplt_epi32_mask(whole, _mm512_set1_epi32(10000));
    const __mmask16 below3 = _mm512_cmplt_epi32_mask(whole, _mm512_set1_epi32(1000));
    auto blanks = [&](__m512i fields, int shift) CORVANEL_WIDE_LANES {
        fields = _mm512_mask_sub_epi64(fields, __mmask8(below5 >> shift), fields,
                                       _mm512_set1_epi64(0x1000));
        fields = _mm512_mask_sub_epi64(fields, __mmask8(below4 >> shift), fields,
                                       _mm512_set1_epi64(0x100000));
        fields = _mm512_mask_sub_epi64(fields, __mmask8(below3 >> shift), fields,
                                       _mm512_set1_epi64(0x10000000));
        if (quote) {
            // '"' is the blank plus 2; the last blank is byte 0, 1, 2 or 3.
            __m512i mark = _mm512_set1_epi64(0x02);
            mark =
                _mm512_mask_mov_epi64(mark, __mmask8(below5 >> shift), _mm512_set1_epi64(0x0200));
            mark =
                _mm512_mask_mov_epi64(mark, __mmask8(below4 >> shift), _mm512_set1_epi64(0x020000));
            mark = _mm512_mask_mov_epi64(mark, __mmask8(below3 >> shift),
                                         _mm512_set1_epi64(0x02000000));
            fields = _mm512_add_epi64(fields, mark);
        }
        return fields;
    };
    low = blanks(low, 0);
    high = blanks(high, 8);
    return true;
}
} // namespace wide_records

// Sixteen records (values x[0..15], y[0..15], z[0..15]) at p, as WriteSessionRecord writes
// them one by one; null, with nothing written, when a value takes the long way or is not
// below 10000. Writes whole 64-byte words: room for 16 * 32 + 64 bytes at p.
CORVANEL_WIDE_LANES inline char* WriteSixteenSessionRecords(char* p, const float* x, const float* y,
                                                            const float* z, char decimal) {
    __m512i xs[2], ys[2], zs[2];
    if (!wide_records::SixteenFields(x, decimal, true, xs[0], xs[1]) ||
        !wide_records::SixteenFields(y, decimal, false, ys[0], ys[1]) ||
        !wide_records::SixteenFields(z, decimal, false, zs[0], zs[1]))
        return nullptr;
    // Two records a word, each laid out in 32 bytes: the x, y and z fields, then the end of
    // the record and two blanks.
    const __m512i ending = _mm512_set1_epi64(0x20200A0D22302020LL); // "  0\"\r\n  "
    // The blanks to drop: every blank of the fields, except the one before the y and the z
    // texts, which separates them; the ending's own blanks stay.
    constexpr __mmask64 endingText = 0x3F0000003F000000ULL;
    constexpr __mmask64 separated = 0x00FFFF0000FFFF00ULL;
    const __m512i blank = _mm512_set1_epi8(' ');
    for (int pair = 0; pair < 8; ++pair) {
        const int half = pair / 4;
        const long long first = 2 * (pair % 4);
        // Qwords 0-7 from the x fields, 8-15 from the y fields.
        const __m512i xyIndex =
            _mm512_setr_epi64(first, 8 + first, 0, 0, first + 1, 9 + first, 0, 0);
        const __m512i zIndex = _mm512_setr_epi64(0, 0, first, 0, 0, 0, first + 1, 0);
        __m512i words = _mm512_permutex2var_epi64(xs[half], xyIndex, ys[half]);
        words = _mm512_mask_permutexvar_epi64(words, 0x44, zIndex, zs[half]);
        words = _mm512_mask_mov_epi64(words, 0x88, ending);
        const __mmask64 blanks = _mm512_mask_cmpeq_epi8_mask(~endingText, words, blank);
        const __mmask64 keep = ~blanks | (blanks & ~(blanks >> 1) & separated);
        _mm512_storeu_si512(p, _mm512_maskz_compress_epi8(keep, words));
        p += _mm_popcnt_u64(keep);
    }
    return p;
}
#endif
