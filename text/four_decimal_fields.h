#pragma once

#include "text/two_decimal_fields.h"

#if defined(CORVANEL_EIGHT_DECIMAL_FIELDS)
#include <cstdint>

// Eight numbers' "#.0000" texts at once, as the CSV rows hold them: the x, y, z and resultant
// of two samples. The arithmetic is the quick way of the pattern numbers (pattern_number.h),
// lane by lane and with the same operations: the value times 10^4, the nearest whole number
// from the sum with 1.5 * 2^52, taken when the product lies within 0.4 of it. Only units from
// 0 up to below 10^7 are taken here (values below 1000, where both precisions' quick ways give
// these units; a value below 0 only where it rounds to 0, whose text has no sign); any other
// value leaves the eight to the caller's usual way.
//
// Each text goes into a field of eight bytes: the integer digits without their leading zeros
// (none for an integer part of 0), the separator and the four decimals, then zero bytes; its
// length in lengths. a holds the first sample's four values, b the second's; fields[0..3] are
// the first sample's, fields[4..7] the second's.
struct FourDecimalFields {
    std::uint64_t fields[8];
    std::int32_t lengths[8];
};

[[gnu::always_inline]] CORVANEL_EIGHT_LANES inline bool
EightFourDecimalFields(__m256d a, __m256d b, char decimal, FourDecimalFields& out) {
    const __m256d zero = _mm256_setzero_pd();
    const __m256d scale = _mm256_set1_pd(1e4);
    const __m256d shift = _mm256_set1_pd(0x1.8p52);
    const __m256d near = _mm256_set1_pd(0.4);
    const __m256d most = _mm256_set1_pd(1e7);
    const __m256d sign = _mm256_set1_pd(-0.0);
    auto units = [&](__m256d v, __m256d& nearest) CORVANEL_EIGHT_LANES {
        const __m256d scaled = _mm256_mul_pd(v, scale);
        nearest = _mm256_sub_pd(_mm256_add_pd(scaled, shift), shift);
        // A value that is no number, or not finite, fails every comparison. A value below 0
        // is taken only where it rounds to 0 units, whose text has no sign.
        const __m256d ok =
            _mm256_cmp_pd(_mm256_andnot_pd(sign, _mm256_sub_pd(scaled, nearest)), near, _CMP_LT_OQ);
        return _mm256_and_pd(ok, _mm256_and_pd(_mm256_cmp_pd(nearest, zero, _CMP_GE_OQ),
                                               _mm256_cmp_pd(nearest, most, _CMP_LT_OQ)));
    };
    __m256d unitsA, unitsB;
    const __m256d okA = units(a, unitsA);
    const __m256d okB = units(b, unitsB);
    if ((_mm256_movemask_pd(okA) & _mm256_movemask_pd(okB)) != 0xF)
        return false;

    // The integer part (below 1000) and the decimals, as in EightTwoDecimalFields.
    const EightLaneUnits split = SplitEightLaneUnits(unitsA, unitsB);
    const __m256i whole = split.units, hundreds = split.hundreds, rest = split.rest;
    const __m256i integer = _mm256_set1_epi64x(0x0000000000FFFFFFLL);
    const __m256i decimals = _mm256_set1_epi64x(static_cast<long long>(0xFFFFFFFF00000000ULL));
    const __m256i characters = _mm256_set1_epi64x(static_cast<long long>(
        0x3030303000303030ULL | std::uint64_t(static_cast<unsigned char>(decimal)) << 24));
    auto field = [&](__m256i d) CORVANEL_EIGHT_LANES {
        return _mm256_or_si256(_mm256_or_si256(_mm256_and_si256(_mm256_srli_epi64(d, 8), integer),
                                               _mm256_and_si256(d, decimals)),
                               characters);
    };
    const __m256i digitsFirst = field(EightLaneDigitPairs(_mm256_unpacklo_epi16(hundreds, rest)));
    const __m256i digitsSecond = field(EightLaneDigitPairs(_mm256_unpackhi_epi16(hundreds, rest)));
    // The leading zeros of the integer part, each a -1: the digit for 10^(n-5) leads while the
    // value is below 10^n units.
    const __m256i skipped =
        _mm256_add_epi32(_mm256_add_epi32(_mm256_cmpgt_epi32(_mm256_set1_epi32(1000000), whole),
                                          _mm256_cmpgt_epi32(_mm256_set1_epi32(100000), whole)),
                         _mm256_cmpgt_epi32(_mm256_set1_epi32(10000), whole));
    // Shifted out by 8 bits each.
    const __m256i bits = _mm256_slli_epi32(_mm256_sub_epi32(_mm256_setzero_si256(), skipped), 3);
    const __m256i none = _mm256_setzero_si256();
    const __m256i first = _mm256_srlv_epi64(digitsFirst, _mm256_unpacklo_epi32(bits, none));
    const __m256i second = _mm256_srlv_epi64(digitsSecond, _mm256_unpackhi_epi32(bits, none));
    // Back into the samples' order: a0 a1 a2 a3 b0 b1 b2 b3.
    _mm256_storeu_si256(reinterpret_cast<__m256i*>(out.fields),
                        _mm256_permute2x128_si256(first, second, 0x20));
    _mm256_storeu_si256(reinterpret_cast<__m256i*>(out.fields + 4),
                        _mm256_permute2x128_si256(first, second, 0x31));
    _mm256_storeu_si256(reinterpret_cast<__m256i*>(out.lengths),
                        _mm256_add_epi32(_mm256_set1_epi32(8), skipped));
    return true;
}
#endif
