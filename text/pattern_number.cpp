#include "text/pattern_number.h"

#include <charconv>

using namespace pattern_number_detail;

namespace {
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

char* pattern_number_detail::WritePadded(char* out, double value, int significantDigits,
                                         int decimals, bool integerDigit, char decimal, int width,
                                         int leastBlanks) {
    char text[PatternNumberRoom];
    const char* end =
        WritePatternNumber(text, value, significantDigits, decimals, integerDigit, decimal);
    const auto length = static_cast<int>(end - text);
    const int blanks = std::max(leastBlanks, width - length);
    if (blanks > 0) {
        std::memset(out, ' ', static_cast<size_t>(blanks));
        out += blanks;
    }
    std::memcpy(out, text, static_cast<size_t>(length));
    return out + length;
}

char* WritePatternNumber(char* out, double value, int significantDigits, int decimals,
                         bool integerDigit, char decimal) {
    if (!std::isfinite(value))
        value = 0.0;
    decimals = std::clamp(decimals, 0, 10);
    const int spare = significantDigits - decimals - 1;
    std::uint64_t units = 0;
    if (spare >= 0 && spare <= MostSpareDigits && significantDigits <= MostSignificantDigits &&
        QuickUnits(value, Powers[spare + 1], decimals, units)) {
        char* end =
            decimals == 2   ? LayOutFixed<2>(out, value < 0, units, integerDigit, decimal, 0, 0)
            : decimals == 4 ? LayOutFixed<4>(out, value < 0, units, integerDigit, decimal, 0, 0)
                            : nullptr;
        return end ? end : layOut(out, value < 0, units, decimals, integerDigit, decimal);
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
