#include "views/table/table_number_text.h"

#include "data/dates/display_texts.h"

#include <QLocale>

#include <cmath>

namespace {
// A value lies within half a unit in its last place of its shortest decimal text: under
// 0.05 hundredths for a single-precision value below 10000, under 1e-5 for a double below
// 1e9. Further than the margin from a rounding tie, the rounding of the binary value and
// of that text cannot differ.
struct Margin {
    double limit;
    double tieDistance;
};
constexpr Margin FloatMargin{1e4, 0.1};
constexpr Margin DoubleMargin{1e9, 1e-4};

void appendCents(QByteArray& out, unsigned long long cents, const QByteArray& decimalPoint) {
    char digits[24];
    int n = 0;
    do {
        digits[n++] = static_cast<char>('0' + cents % 10);
        cents /= 10;
    } while (cents > 0 || n < 3);
    // digits holds the number backwards: the two decimals first, then the integer part.
    for (int i = n - 1; i >= 2; --i)
        out.append(digits[i]);
    out.append(decimalPoint);
    out.append(digits[1]);
    out.append(digits[0]);
}

template <class T>
void appendFixed2(QByteArray& out, T value, const QByteArray& decimalPoint, Margin margin) {
    const double scaled = static_cast<double>(value) * 100.0;
    const double rounded = std::nearbyint(scaled);
    if (value >= 0 && scaled < margin.limit * 100.0 &&
        std::fabs(scaled - rounded) < 0.5 - margin.tieDistance) {
        appendCents(out, static_cast<unsigned long long>(rounded), decimalPoint);
        return;
    }
    QLocale locale;
    QString text = FixedText(value, 2, locale);
    if (decimalPoint != locale.decimalPoint().toUtf8())
        text.replace(locale.decimalPoint(), QString::fromUtf8(decimalPoint));
    out.append(text.toUtf8());
}
} // namespace

void AppendFixed2(QByteArray& out, float value, const QByteArray& decimalPoint) {
    appendFixed2(out, value, decimalPoint, FloatMargin);
}

void AppendFixed2(QByteArray& out, double value, const QByteArray& decimalPoint) {
    appendFixed2(out, value, decimalPoint, DoubleMargin);
}
