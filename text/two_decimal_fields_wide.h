#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#if defined(__GNUC__) && defined(__x86_64__)
#include <immintrin.h>
#define CORVANEL_WIDE_FIELDS 1

// "#0.00" texts sixteen at a time with the 512-bit instructions, where the processor has
// them: the session log's records and the tab export's columns are millions of them. Code
// for them is compiled for those instructions (CORVANEL_WIDE_LANES) and taken only when
// HasWideLanes() holds. The fields are those of two_decimal_fields.h: each text
// right-aligned in eight bytes, exactly as the long way writes it.
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

namespace wide_fields {
// Where each byte of the fields of values first..first+7 comes from (see
// SixteenTwoDecimalFields): in 128-bit lane j of the integer digits, the first two-digit
// numbers of values 4j..4j+3, then their middle ones; in the same lane of the cent digits
// their cents, then the byte before the text and the decimal separator (index 64 and up).
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

// The two digits of each number below 100 in the sixteen-bit lanes as characters, tens
// first, less the offsets of leading zeros (blanks): x * 6554 = 65536 * (x / 10) + r, and
// r * 10 >> 16 is x mod 10 below 100.
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

// Byte by byte, where the fields of sixteen values come from (see FieldIndex).
struct FieldLayout {
    __m512i low, high;
};

[[gnu::always_inline]] CORVANEL_WIDE_LANES inline FieldLayout LoadFieldLayout() {
    return {_mm512_loadu_si512(FieldIndex<0>.data()), _mm512_loadu_si512(FieldIndex<8>.data())};
}
} // namespace wide_fields

// Sixteen values' "#0.00" texts, each right-aligned in a field of eight bytes: low holds the
// fields of values 0-7, high of 8-15. A field's first byte is marks's first byte (the byte
// before the text, which the texts taken here never reach); the decimal separator is its
// second. The leading zeros of the integer part become '0' - LeadingZero (0x10 for blanks,
// 0x30 for bytes of 0). False when a value is below 0 (or not in ok), no number, not below
// bound hundredths (at most 10^6) once rounded, or near a half: those take the long way.
//
// The value times 100 is rounded in single precision: below 2^20 its error is under 0.04 of
// a hundredth, so a product within 0.3 of a whole number lies within 0.34 of it exactly, and
// that whole number is the rounded value whatever way the long way goes about it. A value
// that came from double precision is off by less than 10^-3 hundredths more below 10^4.
template <int LeadingZero>
[[gnu::always_inline]] CORVANEL_WIDE_LANES inline bool
SixteenTwoDecimalFields(__m512 value, __mmask16 ok, float bound, __m512i marks,
                        const wide_fields::FieldLayout& layout, __m512i& low, __m512i& high) {
    using wide_fields::TwoDigitTexts;
    const __m512 scaled = _mm512_mul_ps(value, _mm512_set1_ps(100.0f));
    const __m512 units =
        _mm512_maskz_roundscale_ps(0xFFFF, scaled, _MM_FROUND_TO_NEAREST_INT | _MM_FROUND_NO_EXC);
    // A value that is no number fails every comparison.
    ok = _mm512_mask_cmp_ps_mask(ok, value, _mm512_setzero_ps(), _CMP_GE_OQ);
    ok = _mm512_mask_cmp_ps_mask(ok, units, _mm512_set1_ps(bound), _CMP_LT_OQ);
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

    // The digit for 10^n is a leading zero while the value is below 10^n, that is below
    // 10^(n+2) hundredths.
    const __mmask16 below5 = _mm512_cmplt_epi32_mask(whole, _mm512_set1_epi32(100000));
    const __mmask16 below4 = _mm512_cmplt_epi32_mask(whole, _mm512_set1_epi32(10000));
    const __mmask16 below3 = _mm512_cmplt_epi32_mask(whole, _mm512_set1_epi32(1000));
    const __m512i firstBlanks =
        _mm512_mask_mov_epi32(_mm512_maskz_mov_epi32(below5, _mm512_set1_epi32(LeadingZero)),
                              below4, _mm512_set1_epi32(LeadingZero * 0x101));
    const __m512i middleBlanks = _mm512_maskz_mov_epi32(below3, _mm512_set1_epi32(LeadingZero));

    // In each 128-bit lane j: the first two-digit numbers of values 4j..4j+3, then their
    // middle ones (integerDigits); their cents, then the marks (centDigits).
    const __m512i integerDigits = TwoDigitTexts(_mm512_packus_epi32(tenThousands, middle),
                                                _mm512_packus_epi32(firstBlanks, middleBlanks));
    const __m512i centDigits = _mm512_mask_mov_epi64(
        TwoDigitTexts(_mm512_packus_epi32(cents, cents), _mm512_setzero_si512()), 0xAA, marks);
    low = _mm512_permutex2var_epi8(integerDigits, layout.low, centDigits);
    high = _mm512_permutex2var_epi8(integerDigits, layout.high, centDigits);
    return true;
}

// Rows of four fields from the fields of four places (a, b, c, d: eight rows each, as
// SixteenTwoDecimalFields gives them in low or high): words[k] holds rows 2k and 2k + 1,
// each as its a, b, c and d field.
[[gnu::always_inline]] CORVANEL_WIDE_LANES inline void
FourFieldRows(__m512i a, __m512i b, __m512i c, __m512i d, __m512i words[4]) {
    const __m512i first = _mm512_setr_epi64(0, 8, 1, 9, 2, 10, 3, 11);
    const __m512i second = _mm512_setr_epi64(4, 12, 5, 13, 6, 14, 7, 15);
    const __m512i pairFirst = _mm512_setr_epi64(0, 1, 8, 9, 2, 3, 10, 11);
    const __m512i pairSecond = _mm512_setr_epi64(4, 5, 12, 13, 6, 7, 14, 15);
    for (int quarter = 0; quarter < 2; ++quarter) {
        // a and b of four rows side by side, c and d of the same four.
        const __m512i index = quarter ? second : first;
        const __m512i ab = _mm512_permutex2var_epi64(a, index, b);
        const __m512i cd = _mm512_permutex2var_epi64(c, index, d);
        words[2 * quarter] = _mm512_permutex2var_epi64(ab, pairFirst, cd);
        words[2 * quarter + 1] = _mm512_permutex2var_epi64(ab, pairSecond, cd);
    }
}
#endif
