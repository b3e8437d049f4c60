#pragma once

#include <cstdint>
#include <cstring>

#if defined(__SSE2__) && defined(__x86_64__)
#include <emmintrin.h>
#define CORVANEL_TWO_DECIMAL_FIELDS 1
#endif

// Four numbers' "#0.00" texts at once, as the sample rows hold them: x, y, z and the
// resultant of a sample, written by the millions in the table, the exports and the session
// log. Each text is right-aligned in a field of eight bytes, blanks before it. The arithmetic
// is the quick way of the pattern numbers (pattern_number.h), lane by lane: the value times
// 100, its whole hundredths and the fraction, rounded up past a half; a value whose fraction
// lies within a tenth of a half is left to the long way, which takes its significant digits.
// So a field holds exactly the text WritePatternNumber gives.

// The hundredths below which each value's field is taken (at most 10^7: five integer digits,
// the separator and two decimals fill the eight bytes).
struct TwoDecimalBounds {
    double a, b, c, d;
};

#if defined(CORVANEL_TWO_DECIMAL_FIELDS)
// The fields of a and b (bytes 0-7 and 8-15 of ab) and of c and d (in cd). False, with
// nothing written, when a value is below 0, no number, not below its bound once rounded, or
// near a half: the caller then writes the four the long way.
[[gnu::always_inline]] inline bool FourTwoDecimalFields(double a, double b, double c, double d,
                                                        const TwoDecimalBounds& bounds,
                                                        char decimal, __m128i& ab, __m128i& cd) {
    const __m128d zero = _mm_setzero_pd();
    const __m128d hundred = _mm_set1_pd(100.0);
    const __m128d half = _mm_set1_pd(0.5);
    const __m128d tenth = _mm_set1_pd(0.1);
    const __m128d one = _mm_set1_pd(1.0);
    const __m128d sign = _mm_set1_pd(-0.0);
    const __m128d valueAB = _mm_set_pd(b, a);
    const __m128d valueCD = _mm_set_pd(d, c);
    const __m128d boundAB = _mm_set_pd(bounds.b, bounds.a);
    const __m128d boundCD = _mm_set_pd(bounds.d, bounds.c);
    const __m128d scaledAB = _mm_mul_pd(valueAB, hundred);
    const __m128d scaledCD = _mm_mul_pd(valueCD, hundred);
    // A value that is no number fails every comparison.
    __m128d okAB = _mm_and_pd(_mm_cmpge_pd(valueAB, zero), _mm_cmplt_pd(scaledAB, boundAB));
    __m128d okCD = _mm_and_pd(_mm_cmpge_pd(valueCD, zero), _mm_cmplt_pd(scaledCD, boundCD));
    // Below 10^7 the truncation is the whole hundredths (the lanes out of range are dropped).
    const __m128i wholeAB = _mm_cvttpd_epi32(scaledAB);
    const __m128i wholeCD = _mm_cvttpd_epi32(scaledCD);
    const __m128d fractionAB = _mm_sub_pd(scaledAB, _mm_cvtepi32_pd(wholeAB));
    const __m128d fractionCD = _mm_sub_pd(scaledCD, _mm_cvtepi32_pd(wholeCD));
    okAB = _mm_and_pd(okAB, _mm_cmpgt_pd(_mm_andnot_pd(sign, _mm_sub_pd(fractionAB, half)), tenth));
    okCD = _mm_and_pd(okCD, _mm_cmpgt_pd(_mm_andnot_pd(sign, _mm_sub_pd(fractionCD, half)), tenth));
    const __m128d unitsAB =
        _mm_add_pd(_mm_cvtepi32_pd(wholeAB), _mm_and_pd(_mm_cmpgt_pd(fractionAB, half), one));
    const __m128d unitsCD =
        _mm_add_pd(_mm_cvtepi32_pd(wholeCD), _mm_and_pd(_mm_cmpgt_pd(fractionCD, half), one));
    okAB = _mm_and_pd(okAB, _mm_cmplt_pd(unitsAB, boundAB));
    okCD = _mm_and_pd(okCD, _mm_cmplt_pd(unitsCD, boundCD));
    if ((_mm_movemask_pd(okAB) & _mm_movemask_pd(okCD)) != 3)
        return false;

    // Each value as thousands of hundredths (below 1000) and the rest (below 10^4). For a
    // whole number below 10^7 the product with 10^-4 is within 10^-12 of the quotient, and
    // a quotient short of a whole number is short by 10^-4 at least: with 10^-6 added, the
    // truncation is the exact quotient's, without a division.
    const __m128d tenThousandth = _mm_set1_pd(1e-4);
    const __m128d nudge = _mm_set1_pd(1e-6);
    const __m128i units = _mm_unpacklo_epi64(_mm_cvttpd_epi32(unitsAB), _mm_cvttpd_epi32(unitsCD));
    const __m128i high =
        _mm_unpacklo_epi64(_mm_cvttpd_epi32(_mm_add_pd(_mm_mul_pd(unitsAB, tenThousandth), nudge)),
                           _mm_cvttpd_epi32(_mm_add_pd(_mm_mul_pd(unitsCD, tenThousandth), nudge)));
    const __m128i low = _mm_sub_epi32(units, _mm_madd_epi16(high, _mm_set1_epi32(10000)));
    // Sixteen-bit lanes: high and low of a, of b, of c, of d.
    const __m128i packed = _mm_packs_epi32(high, low);
    const __m128i parts = _mm_unpacklo_epi16(packed, _mm_srli_si128(packed, 8));
    // Each part into hundreds and the rest (x * 5243 >> 19 is x / 100 below 43699), then
    // each of those into tens and units (x * 6554 >> 16 is x / 10 below 100).
    const __m128i hundreds = _mm_srli_epi16(_mm_mulhi_epu16(parts, _mm_set1_epi16(5243)), 3);
    const __m128i rest = _mm_sub_epi16(parts, _mm_mullo_epi16(hundreds, _mm_set1_epi16(100)));
    const __m128i pairsAB = _mm_unpacklo_epi16(hundreds, rest);
    const __m128i pairsCD = _mm_unpackhi_epi16(hundreds, rest);
    auto digits = [](__m128i pairs) {
        const __m128i tens = _mm_mulhi_epu16(pairs, _mm_set1_epi16(6554));
        const __m128i ones = _mm_sub_epi16(pairs, _mm_mullo_epi16(tens, _mm_set1_epi16(10)));
        return _mm_or_si128(tens, _mm_slli_epi16(ones, 8));
    };
    // Eight digits a value, the most significant first; the field drops the first (always 0)
    // and puts the separator before the last two.
    const __m128i integer = _mm_set1_epi64x(0x000000FFFFFFFFFFLL);
    const __m128i decimals = _mm_set1_epi64x(static_cast<long long>(0xFFFF000000000000ULL));
    const __m128i characters = _mm_set1_epi64x(static_cast<long long>(
        0x3030003030303030ULL | std::uint64_t(static_cast<unsigned char>(decimal)) << 40));
    auto field = [&](__m128i d) {
        return _mm_or_si128(
            _mm_or_si128(_mm_and_si128(_mm_srli_epi64(d, 8), integer), _mm_and_si128(d, decimals)),
            characters);
    };
    // The leading zeros of the integer part become blanks ('0' - 0x10): the digit for
    // 10^(n-2) is a leading zero while the value is below 10^n hundredths.
    const __m128i below6 = _mm_cmplt_epi32(units, _mm_set1_epi32(1000000));
    const __m128i below5 = _mm_cmplt_epi32(units, _mm_set1_epi32(100000));
    const __m128i below4 = _mm_cmplt_epi32(units, _mm_set1_epi32(10000));
    const __m128i below3 = _mm_cmplt_epi32(units, _mm_set1_epi32(1000));
    const __m128i blanks =
        _mm_or_si128(_mm_or_si128(_mm_and_si128(below6, _mm_set1_epi32(0x00000010)),
                                  _mm_and_si128(below5, _mm_set1_epi32(0x00001000))),
                     _mm_or_si128(_mm_and_si128(below4, _mm_set1_epi32(0x00100000)),
                                  _mm_and_si128(below3, _mm_set1_epi32(0x10000000))));
    const __m128i none = _mm_setzero_si128();
    ab = _mm_sub_epi8(field(digits(pairsAB)), _mm_unpacklo_epi32(blanks, none));
    cd = _mm_sub_epi8(field(digits(pairsCD)), _mm_unpackhi_epi32(blanks, none));
    return true;
}

// The two fields of a 16-byte word.
inline std::uint64_t FirstField(__m128i fields) {
    return static_cast<std::uint64_t>(_mm_cvtsi128_si64(fields));
}
inline std::uint64_t SecondField(__m128i fields) {
    return static_cast<std::uint64_t>(_mm_cvtsi128_si64(_mm_unpackhi_epi64(fields, fields)));
}

// A field's text without its blanks, written at p (8 bytes of room); returns its end.
inline char* WriteFieldText(char* p, std::uint64_t field) {
    // Bytes 0-3 may be blanks, byte 4 is always a digit: the first byte with bit 4 set (every
    // digit has it, a blank has not) starts the text.
    const int blanks = __builtin_ctzll(field & 0x0000001010101010ULL) / 8;
    const std::uint64_t text = field >> (8 * blanks);
    std::memcpy(p, &text, 8);
    return p + 8 - blanks;
}
#endif

#if defined(CORVANEL_TWO_DECIMAL_FIELDS) && defined(__GNUC__)
#include <immintrin.h>
#define CORVANEL_EIGHT_DECIMAL_FIELDS 1

// Whether the processor has the eight-lane instructions EightTwoDecimalFields needs; code
// that calls it is compiled for them (CORVANEL_EIGHT_LANES) and taken only when this holds.
inline bool HasEightLanes() {
    static const bool has = __builtin_cpu_supports("avx2");
    return has;
}
#define CORVANEL_EIGHT_LANES __attribute__((target("avx2")))

// The two digits of each number below 100 in the sixteen-bit lanes, tens first (x * 6554 >> 16
// is x / 10 below 100).
[[gnu::always_inline]] CORVANEL_EIGHT_LANES inline __m256i EightLaneDigitPairs(__m256i pairs) {
    const __m256i tens = _mm256_mulhi_epu16(pairs, _mm256_set1_epi16(6554));
    const __m256i ones = _mm256_sub_epi16(pairs, _mm256_mullo_epi16(tens, _mm256_set1_epi16(10)));
    return _mm256_or_si256(tens, _mm256_slli_epi16(ones, 8));
}

// Eight lanes of whole units below 10^7 (a's four values, then b's) as 32-bit numbers, and
// each split into the part above 10^4 and the rest below it, both in sixteen-bit lanes (high
// and low of each half's four values) as hundreds and the rest below 100: what the digit
// pairs are made of.
struct EightLaneUnits {
    __m256i units;
    __m256i hundreds;
    __m256i rest;
};
[[gnu::always_inline]] CORVANEL_EIGHT_LANES inline EightLaneUnits
SplitEightLaneUnits(__m256d unitsA, __m256d unitsB) {
    const __m256d tenThousandth = _mm256_set1_pd(1e-4);
    const __m256d nudge = _mm256_set1_pd(1e-6);
    const __m256i units =
        _mm256_setr_m128i(_mm256_cvttpd_epi32(unitsA), _mm256_cvttpd_epi32(unitsB));
    const __m256i thousands = _mm256_setr_m128i(
        _mm256_cvttpd_epi32(_mm256_add_pd(_mm256_mul_pd(unitsA, tenThousandth), nudge)),
        _mm256_cvttpd_epi32(_mm256_add_pd(_mm256_mul_pd(unitsB, tenThousandth), nudge)));
    const __m256i rests =
        _mm256_sub_epi32(units, _mm256_madd_epi16(thousands, _mm256_set1_epi32(10000)));
    const __m256i packed = _mm256_packs_epi32(thousands, rests);
    const __m256i parts = _mm256_unpacklo_epi16(packed, _mm256_srli_si256(packed, 8));
    const __m256i hundreds =
        _mm256_srli_epi16(_mm256_mulhi_epu16(parts, _mm256_set1_epi16(5243)), 3);
    return {units, hundreds,
            _mm256_sub_epi16(parts, _mm256_mullo_epi16(hundreds, _mm256_set1_epi16(100)))};
}

// The same for eight values at once, in two fours: a's four values give the fields of low
// (values 0 and 1) and high (2 and 3), as FourTwoDecimalFields's ab and cd; b's four the
// fields of the same registers' upper halves. The same arithmetic lane by lane.
[[gnu::always_inline]] CORVANEL_EIGHT_LANES inline bool
EightTwoDecimalFields(__m256d a, __m256d b, __m256d boundA, __m256d boundB, char decimal,
                      __m256i& low, __m256i& high) {
    const __m256d zero = _mm256_setzero_pd();
    const __m256d hundred = _mm256_set1_pd(100.0);
    const __m256d half = _mm256_set1_pd(0.5);
    const __m256d tenth = _mm256_set1_pd(0.1);
    const __m256d one = _mm256_set1_pd(1.0);
    const __m256d sign = _mm256_set1_pd(-0.0);
    const __m256d scaledA = _mm256_mul_pd(a, hundred);
    const __m256d scaledB = _mm256_mul_pd(b, hundred);
    __m256d okA = _mm256_and_pd(_mm256_cmp_pd(a, zero, _CMP_GE_OQ),
                                _mm256_cmp_pd(scaledA, boundA, _CMP_LT_OQ));
    __m256d okB = _mm256_and_pd(_mm256_cmp_pd(b, zero, _CMP_GE_OQ),
                                _mm256_cmp_pd(scaledB, boundB, _CMP_LT_OQ));
    const __m128i wholeA = _mm256_cvttpd_epi32(scaledA);
    const __m128i wholeB = _mm256_cvttpd_epi32(scaledB);
    const __m256d fractionA = _mm256_sub_pd(scaledA, _mm256_cvtepi32_pd(wholeA));
    const __m256d fractionB = _mm256_sub_pd(scaledB, _mm256_cvtepi32_pd(wholeB));
    okA = _mm256_and_pd(okA, _mm256_cmp_pd(_mm256_andnot_pd(sign, _mm256_sub_pd(fractionA, half)),
                                           tenth, _CMP_GT_OQ));
    okB = _mm256_and_pd(okB, _mm256_cmp_pd(_mm256_andnot_pd(sign, _mm256_sub_pd(fractionB, half)),
                                           tenth, _CMP_GT_OQ));
    const __m256d unitsA = _mm256_add_pd(
        _mm256_cvtepi32_pd(wholeA), _mm256_and_pd(_mm256_cmp_pd(fractionA, half, _CMP_GT_OQ), one));
    const __m256d unitsB = _mm256_add_pd(
        _mm256_cvtepi32_pd(wholeB), _mm256_and_pd(_mm256_cmp_pd(fractionB, half, _CMP_GT_OQ), one));
    okA = _mm256_and_pd(okA, _mm256_cmp_pd(unitsA, boundA, _CMP_LT_OQ));
    okB = _mm256_and_pd(okB, _mm256_cmp_pd(unitsB, boundB, _CMP_LT_OQ));
    if ((_mm256_movemask_pd(okA) & _mm256_movemask_pd(okB)) != 0xF)
        return false;

    const EightLaneUnits split = SplitEightLaneUnits(unitsA, unitsB);
    const __m256i units = split.units, hundreds = split.hundreds, rest = split.rest;
    const __m256i pairsLow = _mm256_unpacklo_epi16(hundreds, rest);
    const __m256i pairsHigh = _mm256_unpackhi_epi16(hundreds, rest);
    const __m256i integer = _mm256_set1_epi64x(0x000000FFFFFFFFFFLL);
    const __m256i decimals = _mm256_set1_epi64x(static_cast<long long>(0xFFFF000000000000ULL));
    const __m256i characters = _mm256_set1_epi64x(static_cast<long long>(
        0x3030003030303030ULL | std::uint64_t(static_cast<unsigned char>(decimal)) << 40));
    auto field = [&](__m256i d) CORVANEL_EIGHT_LANES {
        return _mm256_or_si256(_mm256_or_si256(_mm256_and_si256(_mm256_srli_epi64(d, 8), integer),
                                               _mm256_and_si256(d, decimals)),
                               characters);
    };
    const __m256i below6 = _mm256_cmpgt_epi32(_mm256_set1_epi32(1000000), units);
    const __m256i below5 = _mm256_cmpgt_epi32(_mm256_set1_epi32(100000), units);
    const __m256i below4 = _mm256_cmpgt_epi32(_mm256_set1_epi32(10000), units);
    const __m256i below3 = _mm256_cmpgt_epi32(_mm256_set1_epi32(1000), units);
    const __m256i blanks =
        _mm256_or_si256(_mm256_or_si256(_mm256_and_si256(below6, _mm256_set1_epi32(0x00000010)),
                                        _mm256_and_si256(below5, _mm256_set1_epi32(0x00001000))),
                        _mm256_or_si256(_mm256_and_si256(below4, _mm256_set1_epi32(0x00100000)),
                                        _mm256_and_si256(below3, _mm256_set1_epi32(0x10000000))));
    const __m256i none = _mm256_setzero_si256();
    low =
        _mm256_sub_epi8(field(EightLaneDigitPairs(pairsLow)), _mm256_unpacklo_epi32(blanks, none));
    high =
        _mm256_sub_epi8(field(EightLaneDigitPairs(pairsHigh)), _mm256_unpackhi_epi32(blanks, none));
    return true;
}
#endif
