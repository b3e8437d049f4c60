#include "text/format_pattern.h"

#include "text/decimal_digits.h"

#include <cmath>
#include <string>

namespace {
struct Layout {
    QString prefix;
    QString suffix;
    int integerZeros = 0; // integer digits always shown
    int decimalZeros = 0; // decimals always shown
    int decimals = 0;     // decimals at most
};

Layout layoutOf(QStringView pattern) {
    Layout layout;
    auto isPlace = [](QChar c) { return c == u'#' || c == u'0' || c == u'.'; };
    qsizetype first = 0;
    while (first < pattern.size() && !isPlace(pattern.at(first)))
        ++first;
    qsizetype end = first;
    bool afterPoint = false;
    for (; end < pattern.size() && isPlace(pattern.at(end)); ++end) {
        const QChar c = pattern.at(end);
        if (c == u'.') {
            if (afterPoint)
                break; // a second point is literal text
            afterPoint = true;
        } else if (afterPoint) {
            ++layout.decimals;
            if (c == u'0')
                layout.decimalZeros = layout.decimals;
        } else if (c == u'0') {
            ++layout.integerZeros;
        }
    }
    layout.prefix = pattern.left(first).toString();
    layout.suffix = pattern.mid(end).toString();
    return layout;
}

struct Laid {
    bool negative = false;
    std::string integer;
    std::string fraction;
};

// The value's decimal text with significant digits, rounded half away from zero to the
// layout's decimals.
template <class T> Laid lay(T value, int significant, const Layout& layout) {
    ScientificDigits scientific = ScientificDigitsOf(value, significant - 1);
    Laid laid;
    laid.negative = scientific.negative;
    std::string& digits = scientific.digits;
    const int exponent = scientific.exponent;
    // digits read d.ddd x 10^exponent: pointAt digits stand before the decimal point.
    int pointAt = exponent + 1;
    if (pointAt < 0) {
        digits.insert(0, static_cast<size_t>(-pointAt), '0');
        pointAt = 0;
    }
    const size_t keep = static_cast<size_t>(pointAt + layout.decimals);
    bool up = false;
    if (digits.size() > keep) {
        up = digits[keep] >= '5';
        digits.resize(keep);
    } else {
        digits.append(keep - digits.size(), '0');
    }
    if (up && AddOneInLastPlace(digits))
        ++pointAt;
    laid.integer = digits.substr(0, static_cast<size_t>(pointAt));
    laid.fraction = digits.substr(static_cast<size_t>(pointAt));
    const auto firstSignificant = laid.integer.find_first_not_of('0');
    laid.integer.erase(0, firstSignificant == std::string::npos ? laid.integer.size()
                                                                : firstSignificant);
    if (laid.integer.size() < static_cast<size_t>(layout.integerZeros))
        laid.integer.insert(0, static_cast<size_t>(layout.integerZeros) - laid.integer.size(), '0');
    while (laid.fraction.size() > static_cast<size_t>(layout.decimalZeros) &&
           laid.fraction.back() == '0')
        laid.fraction.pop_back();
    if (digits.find_first_not_of('0') == std::string::npos)
        laid.negative = false; // never "-0.00"
    return laid;
}

struct Symbols {
    QString digits[10];
    QString point;
    QString minus;
};

template <class T>
QString format(T value, int significant, QStringView pattern, const Symbols& symbols) {
    const Layout layout = layoutOf(pattern);
    if (!std::isfinite(value))
        value = 0; // a figure that is no number shows as zero rather than as garbage
    const Laid laid = lay(value, significant, layout);
    QString text = layout.prefix;
    if (laid.negative)
        text += symbols.minus;
    for (const char d : laid.integer)
        text += symbols.digits[d - '0'];
    if (!laid.fraction.empty()) {
        text += symbols.point;
        for (const char d : laid.fraction)
            text += symbols.digits[d - '0'];
    }
    return text + layout.suffix;
}

Symbols localeSymbols(const QLocale& locale) {
    Symbols symbols;
    for (int d = 0; d < 10; ++d)
        symbols.digits[d] = locale.toString(d);
    symbols.point = locale.decimalPoint();
    symbols.minus = locale.negativeSign();
    return symbols;
}

Symbols asciiSymbols(QChar decimal) {
    Symbols symbols;
    for (int d = 0; d < 10; ++d)
        symbols.digits[d] = QChar(u'0' + d);
    symbols.point = decimal;
    symbols.minus = QStringLiteral("-");
    return symbols;
}
} // namespace

QString FormatPattern(double value, QStringView pattern, const QLocale& locale) {
    return format(value, 15, pattern, localeSymbols(locale));
}

QString FormatPattern(float value, QStringView pattern, const QLocale& locale) {
    return format(value, 7, pattern, localeSymbols(locale));
}

QString FormatPatternAscii(double value, QStringView pattern, QChar decimal) {
    return format(value, 15, pattern, asciiSymbols(decimal));
}

QString FormatPatternAscii(float value, QStringView pattern, QChar decimal) {
    return format(value, 7, pattern, asciiSymbols(decimal));
}
