#pragma once

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstring>

// Numbers laid out the way a fixed-decimals format pattern lays them out ("#0.00",
// "#.0000"): the value is first taken to the significant digits of its type's text
// (7 for single precision, 15 for double), then rounded half away from zero to the
// decimals, so a single-precision 2.675 gives 2.68. With integerDigit false a value whose
// integer part is 0 is written without the 0 (".5000"). A value that rounds to zero has no
// sign; a value that is not finite is written as 0.

inline constexpr int SingleDigits = 7;
inline constexpr int DoubleDigits = 15;
// Room the longest text can take (the largest double has 309 integer digits), with room to
// spare for the blanks before it and the quick layouts' stores of fixed size.
inline constexpr int PatternNumberRoom = 340;

// Writes the text into out (PatternNumberRoom bytes) and returns its end.
char* WritePatternNumber(char* out, double value, int significantDigits, int decimals,
                         bool integerDigit, char decimal);
// The same taken the long way, through the significant digits for every value.
char* WritePatternNumberBySignificantDigits(char* out, double value, int significantDigits,
                                            int decimals, bool integerDigit, char decimal);

// The same with the digits and decimals fixed, for the exports' "#0.00" and "#.0000"
// (decimals 2 or 4, either precision): the same texts, left-padded with blanks to width
// characters and with at least leastBlanks blanks (both 0 to PatternPadMost). Writes into
// out (PatternNumberRoom bytes), possibly past the end it returns. The exports write
// millions of these, so the usual case is written in line, without a call.
inline constexpr int PatternPadMost = 8;
template <int SignificantDigits, int Decimals>
char* WritePatternNumberAs(char* out, double value, bool integerDigit, char decimal, int width = 0,
                           int leastBlanks = 0);

namespace pattern_number_detail {
inline constexpr double Powers[] = {1e0, 1e1, 1e2, 1e3,  1e4,  1e5,  1e6,
                                    1e7, 1e8, 1e9, 1e10, 1e11, 1e12, 1e13};
// The quick way is taken while the value scaled to its decimals stays below 10^15, where a
// double holds the product to within a sixteenth of a unit.
inline constexpr int MostSpareDigits = 12;
inline constexpr int MostSignificantDigits = 15;

// "00" to "99".
inline constexpr char Pairs[] =
    "00010203040506070809101112131415161718192021222324252627282930313233"
    "34353637383940414243444546474849505152535455565758596061626364656667"
    "6869707172737475767778798081828384858687888990919293949596979899";

// WritePatternNumber's text behind the blanks that fill a field of width characters, at
// least leastBlanks of them.
char* WritePadded(char* out, double value, int significantDigits, int decimals, bool integerDigit,
                  char decimal, int width, int leastBlanks);

// The value in units of the last decimal, rounded the quick way: where the significant
// digits reach at least one place past the decimals (a value below 10^spare), they move
// the value by less than a twentieth of the last unit; where they end exactly at the last
// decimal (below 10^(spare + 1) = limit), they are the value rounded to the nearest unit.
// Either way, away from a half the plain rounding gives the same digits. False when the
// value needs the long way: not below the limit, no number, or too near a half.
[[gnu::always_inline]] inline bool QuickUnits(double value, double limit, int decimals,
                                              std::uint64_t& units) {
    const double magnitude = std::fabs(value);
    if (!(magnitude < limit))
        return false;
    // Below 10^15: the truncation is the floor, and the product is off by less than a
    // sixteenth of a unit.
    const double scaled = magnitude * Powers[decimals];
    // The nearest whole number, from the sum with 1.5 * 2^52, whose units lie at the ones
    // place (exact below 2^51). Whatever the rounding of the sum, the whole number is the
    // nearest one or the one on the other side (or, where the sum keeps more digits than a
    // double, the truncation): within 0.4 of the product it is the nearest one.
    constexpr double shift = 0x1.8p52;
    const auto nearest = static_cast<std::int64_t>((scaled + shift) - shift);
    if (!(std::fabs(scaled - static_cast<double>(nearest)) < 0.4))
        return false;
    units = static_cast<std::uint64_t>(nearest);
    return true;
}

// The four digits of every number below 10^4, the most significant first, as they lie in
// memory on a little-endian machine ("0000" to "9999"): a number's digits are one load.
struct FourDigitTable {
    std::uint32_t digits[10000];
};
inline constexpr FourDigitTable FourDigits = [] {
    FourDigitTable table{};
    for (std::uint32_t n = 0; n < 10000; ++n) {
        const std::uint32_t d[4] = {n / 1000, n / 100 % 10, n / 10 % 10, n % 10};
        for (std::uint32_t i = 0; i < 4; ++i)
            table.digits[n] |= (0x30 + d[i]) << (8 * i);
    }
    return table;
}();

// The rounded value laid out with two or four decimals, blank-padded on the left to width
// characters and by at least leastBlanks (both at most 8); null when the value has 10^4 or more
// before the separator. The text is put together without a branch that depends on the digits: each
// piece goes in one store of fixed size, and the pointer moves on by what the piece holds. Writes
// up to 8 bytes past the text.
template <int Decimals>
[[gnu::always_inline]] inline char* LayOutFixed(char* out, bool negative, std::uint64_t units,
                                                bool integerDigit, char decimal, int width,
                                                int leastBlanks) {
    static_assert(Decimals == 2 || Decimals == 4);
    constexpr std::uint32_t divisor = Decimals == 2 ? 100 : 10000;
    if (units >= std::uint64_t(10000) * divisor || std::endian::native != std::endian::little)
        return nullptr;
    const auto u = static_cast<std::uint32_t>(units);
    const std::uint32_t whole = u / divisor;
    const std::uint32_t wholeDigits = FourDigits.digits[whole];
    // The integer digits without their leading zeros, at least one when integerDigit: the
    // first digit that is not '0' (a mark in the last digit's byte, or past it, stops the
    // count).
    const int skipped = std::countr_zero((wholeDigits ^ 0x30303030u) |
                                         (std::uint64_t(1) << (integerDigit ? 24 : 32))) /
                        8;
    const int count = 4 - skipped;
    const int sign = negative && units != 0 ? 1 : 0;
    if (width > 0) {
        std::memcpy(out, "        ", 8);
        out += std::max(leastBlanks, width - (sign + count + 1 + Decimals));
    }
    if (sign)
        *out++ = '-';
    // The first digit lies in the lowest byte: the leading zeros shift out.
    const auto kept = static_cast<std::uint32_t>(std::uint64_t(wholeDigits) >> (8 * skipped));
    std::memcpy(out, &kept, 4);
    out += count;
    // The separator and the decimals (the last of the fraction's four digits) in one store.
    const std::uint64_t tail = static_cast<unsigned char>(decimal) |
                               std::uint64_t(FourDigits.digits[u % divisor] >> (8 * (4 - Decimals)))
                                   << 8;
    std::memcpy(out, &tail, 8);
    return out + 1 + Decimals;
}
} // namespace pattern_number_detail

template <int SignificantDigits, int Decimals>
inline char* WritePatternNumberAs(char* out, double value, bool integerDigit, char decimal,
                                  int width, int leastBlanks) {
    using namespace pattern_number_detail;
    constexpr int spare = SignificantDigits - Decimals - 1;
    static_assert((Decimals == 2 || Decimals == 4) && spare >= 0 && spare <= MostSpareDigits &&
                  SignificantDigits <= MostSignificantDigits);
    leastBlanks = std::clamp(leastBlanks, 0, PatternPadMost);
    width = std::clamp(width, leastBlanks, PatternPadMost);
    std::uint64_t units = 0;
    if (QuickUnits(value, Powers[spare + 1], Decimals, units))
        if (char* end = LayOutFixed<Decimals>(out, value < 0, units, integerDigit, decimal, width,
                                              leastBlanks))
            return end;
    return WritePadded(out, value, SignificantDigits, Decimals, integerDigit, decimal, width,
                       leastBlanks);
}
