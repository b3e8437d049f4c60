#pragma once

#include <charconv>
#include <string>

// A number's decimal digits as the text conversion writes it in scientific form, without
// its sign and decimal point: the value is d.ddd x 10^exponent, the first digit standing
// for 10^exponent.
struct ScientificDigits {
    bool negative = false;
    std::string digits;
    int exponent = 0;
};

// The shortest digits that read back to value (precision < 0), or the first digit and
// precision digits after it.
template <class T> ScientificDigits ScientificDigitsOf(T value, int precision = -1) {
    char buffer[64];
    const auto end = precision < 0 ? std::to_chars(buffer, buffer + sizeof buffer, value,
                                                   std::chars_format::scientific)
                                         .ptr
                                   : std::to_chars(buffer, buffer + sizeof buffer, value,
                                                   std::chars_format::scientific, precision)
                                         .ptr;
    ScientificDigits result;
    const char* p = buffer;
    result.negative = *p == '-';
    if (result.negative)
        ++p;
    for (; p < end && *p != 'e'; ++p)
        if (*p >= '0' && *p <= '9')
            result.digits += *p;
    // The exponent's text is not closed by a zero byte: read within its end.
    if (p < end) {
        ++p;
        if (p < end && *p == '+')
            ++p;
        std::from_chars(p, end, result.exponent);
    }
    return result;
}

// Adds one in the last place of digits, carrying; a carry past the first digit puts a "1"
// before it ("999" becomes "1000"). True when it did.
inline bool AddOneInLastPlace(std::string& digits) {
    for (size_t i = digits.size(); i-- > 0;) {
        if (digits[i] != '9') {
            ++digits[i];
            return false;
        }
        digits[i] = '0';
    }
    digits.insert(0, 1, '1');
    return true;
}
