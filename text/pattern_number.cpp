#include "text/pattern_number.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace {
constexpr double Powers[] = {1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9, 1e10};

// units = the rounded value in 10^-decimals, below 2^63.
char* layOut(char* out, bool negative, std::uint64_t units, int decimals, bool integerDigit,
             char decimal) {
    if (negative && units != 0)
        *out++ = '-';
    std::uint64_t divisor = 1;
    for (int i = 0; i < decimals; ++i)
        divisor *= 10;
    const std::uint64_t whole = units / divisor;
    if (whole != 0 || integerDigit)
        out = std::to_chars(out, out + 24, whole).ptr;
    if (decimals > 0) {
        *out++ = decimal;
        std::uint64_t fraction = units % divisor;
        for (int i = decimals - 1; i >= 0; --i) {
            out[i] = static_cast<char>('0' + fraction % 10);
            fraction /= 10;
        }
        out += decimals;
    }
    return out;
}

// The long way: the significant digits as the text conversion gives them, then the
// rounding on those digits.
char* bySignificantDigits(char* out, double value, int significantDigits, int decimals,
                          bool integerDigit, char decimal) {
    char sci[64];
    const char* end = std::to_chars(sci, sci + sizeof sci, value, std::chars_format::scientific,
                                    significantDigits - 1)
                          .ptr;
    const char* p = sci;
    const bool negative = *p == '-';
    if (negative)
        ++p;
    char digits[24];
    int count = 0;
    for (; p < end && *p != 'e'; ++p)
        if (*p >= '0' && *p <= '9')
            digits[count++] = *p;
    int exponent = 0;
    std::from_chars(p[1] == '+' ? p + 2 : p + 1, end, exponent);
    // digits[0] stands for 10^exponent; the last kept digit stands for 10^-decimals.
    const int kept = exponent + 1 + decimals; // digits before the rounding position
    char text[PatternNumberRoom];
    int length = 0; // digits of the rounded value in units of 10^-decimals
    if (kept > 0) {
        for (int i = 0; i < kept; ++i)
            text[length++] = i < count ? digits[i] : '0';
        if (kept < count && digits[kept] >= '5') {
            int i = length - 1;
            while (i >= 0 && text[i] == '9')
                text[i--] = '0';
            if (i >= 0) {
                ++text[i];
            } else {
                std::memmove(text + 1, text, static_cast<size_t>(length));
                text[0] = '1';
                ++length;
            }
        }
    } else if (kept == 0 && digits[0] >= '5') {
        text[length++] = '1';
    }
    // Left-pad so there is at least one integer digit position and all decimals.
    int leading = decimals + 1 - length;
    if (leading > 0) {
        std::memmove(text + leading, text, static_cast<size_t>(length));
        std::memset(text, '0', static_cast<size_t>(leading));
        length += leading;
    }
    bool zero = true;
    for (int i = 0; i < length; ++i)
        if (text[i] != '0')
            zero = false;
    if (negative && !zero)
        *out++ = '-';
    const int wholeDigits = length - decimals;
    int first = 0;
    while (first < wholeDigits - 1 && text[first] == '0')
        ++first;
    if (!(wholeDigits - first == 1 && text[first] == '0' && !integerDigit)) {
        std::memcpy(out, text + first, static_cast<size_t>(wholeDigits - first));
        out += wholeDigits - first;
    }
    if (decimals > 0) {
        *out++ = decimal;
        std::memcpy(out, text + wholeDigits, static_cast<size_t>(decimals));
        out += decimals;
    }
    return out;
}
} // namespace

char* WritePatternNumber(char* out, double value, int significantDigits, int decimals,
                         bool integerDigit, char decimal) {
    if (!std::isfinite(value))
        value = 0.0;
    if (decimals < 0)
        decimals = 0;
    if (decimals > 10)
        decimals = 10;
    // Where the significant digits reach at least one place past the decimals, they move
    // the value by less than a tenth of the last unit: away from a half the plain rounding
    // gives the same digits.
    const int spare = significantDigits - decimals - 1;
    const double magnitude = std::fabs(value);
    if (spare >= 0 && spare <= 10 && magnitude < Powers[spare]) {
        const double scaled = magnitude * Powers[decimals];
        const double whole = std::floor(scaled);
        const double fraction = scaled - whole;
        if (std::fabs(fraction - 0.5) > 0.1) {
            const auto units = static_cast<std::uint64_t>(whole) + (fraction > 0.5 ? 1 : 0);
            return layOut(out, value < 0, units, decimals, integerDigit, decimal);
        }
    }
    return bySignificantDigits(out, value, significantDigits, decimals, integerDigit, decimal);
}

char* WritePatternNumberBySignificantDigits(char* out, double value, int significantDigits,
                                            int decimals, bool integerDigit, char decimal) {
    if (!std::isfinite(value))
        value = 0.0;
    return bySignificantDigits(out, value, significantDigits, std::clamp(decimals, 0, 10),
                               integerDigit, decimal);
}
