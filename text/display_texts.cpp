#include "text/display_texts.h"

#include "text/decimal_digits.h"

#include <charconv>
#include <string>

namespace {
QLocale plain(const QLocale& locale) {
    QLocale result = locale;
    result.setNumberOptions(result.numberOptions() | QLocale::OmitGroupSeparator);
    return result;
}

// Rounds on the value's shortest decimal text, so a single-precision 0.35 (held as
// 0.3499999...) rounds as the 0.35 the user sees, halves to even.
template <class T> double roundedTo(T value, int decimals) {
    ScientificDigits shortest = ScientificDigitsOf(value);
    const bool negative = shortest.negative;
    std::string& digits = shortest.digits;
    // value = 0.digits x 10^(exponent + 1); pad so that at least one integer digit stands.
    int integerDigits = shortest.exponent + 1;
    if (integerDigits < 1) {
        digits.insert(0, static_cast<size_t>(1 - integerDigits), '0');
        integerDigits = 1;
    }
    const size_t keep = static_cast<size_t>(integerDigits + decimals);
    if (digits.size() < keep)
        digits.append(keep - digits.size(), '0');
    bool up = false;
    if (digits.size() > keep) {
        const char next = digits[keep];
        const bool restNonZero = digits.find_first_not_of('0', keep + 1) != std::string::npos;
        const bool lastOdd = (digits[keep - 1] - '0') % 2 == 1;
        up = next > '5' || (next == '5' && (restNonZero || lastOdd));
        digits.resize(keep);
    }
    if (up && AddOneInLastPlace(digits))
        ++integerDigits;
    std::string rounded = digits.substr(0, static_cast<size_t>(integerDigits));
    if (decimals > 0)
        rounded += '.' + digits.substr(static_cast<size_t>(integerDigits));
    // Our own "." text: read without the C library, whose number locale is the user's.
    double result = 0.0;
    std::from_chars(rounded.data(), rounded.data() + rounded.size(), result);
    return negative && result != 0.0 ? -result : result; // never "-0"
}

template <class T> QString shortest(T value, int decimals, const QLocale& locale) {
    return plain(locale).toString(roundedTo(value, decimals), 'f', QLocale::FloatingPointShortest);
}
} // namespace

QString GeneralDateText(const QDateTime& when, const QLocale& locale) {
    return GeneralFormatOf(locale).Text(when);
}

QString RoundedText(double value, int decimals, const QLocale& locale) {
    return shortest(value, decimals, locale);
}
QString RoundedText(float value, int decimals, const QLocale& locale) {
    return shortest(value, decimals, locale);
}
