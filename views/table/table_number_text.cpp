#include "views/table/table_number_text.h"

#include "text/display_texts.h"
#include "text/format_pattern.h"

#include <QLocale>

#include <cmath>
#include <cstring>

namespace {
// A value lies within half a unit in the last place of its decimal text (7 significant
// digits for a single, 15 for a double): under 0.05 hundredths for a single below 10000,
// under 1e-6 hundredths for a double below 1e7. Further than the margin from a rounding
// tie, the rounding of the binary value and of that text cannot differ.
struct Margin {
    double limit;
    double tieDistance;
};
constexpr Margin FloatMargin{1e4, 0.1};
constexpr Margin DoubleMargin{1e7, 1e-4};

} // namespace

const char TwoDigits[201] =
    "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
    "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
    "8081828384858687888990919293949596979899";

namespace {
// Adding and taking away 1.5 x 2^52 leaves a double below 2^51 rounded to a whole number,
// halves to even, as nearbyint does in the default rounding mode, without a call to it.
constexpr double RoundingShift = 6755399441055744.0;

template <class T> bool quickCents(T value, unsigned long long& cents, Margin margin) {
    const double scaled = static_cast<double>(value) * 100.0;
    if (!(value >= 0 && scaled < margin.limit * 100.0))
        return false;
    const double rounded = (scaled + RoundingShift) - RoundingShift;
    if (!(std::fabs(scaled - rounded) < 0.5 - margin.tieDistance))
        return false;
    cents = static_cast<unsigned long long>(rounded);
    return true;
}

int writeCents(char* buffer, unsigned long long cents, const QByteArray& decimalPoint) {
    // The integer part forwards, then the separator and the two decimals.
    const unsigned long long whole = cents / 100;
    const unsigned hundredths = static_cast<unsigned>(cents % 100);
    char digits[24];
    char* end = digits + sizeof digits;
    char* first = end;
    unsigned long long rest = whole;
    while (rest >= 100) {
        first -= 2;
        std::memcpy(first, TwoDigits + 2 * (rest % 100), 2);
        rest /= 100;
    }
    if (rest >= 10) {
        first -= 2;
        std::memcpy(first, TwoDigits + 2 * rest, 2);
    } else {
        *--first = static_cast<char>('0' + rest);
    }
    char* p = buffer;
    const auto count = static_cast<size_t>(end - first);
    std::memcpy(p, first, count);
    p += count;
    if (decimalPoint.size() == 1) {
        *p++ = decimalPoint.at(0);
    } else {
        std::memcpy(p, decimalPoint.constData(), static_cast<size_t>(decimalPoint.size()));
        p += decimalPoint.size();
    }
    std::memcpy(p, TwoDigits + 2 * hundredths, 2);
    return static_cast<int>(p + 2 - buffer);
}

template <class T>
int writeFixed2(char* buffer, T value, const QByteArray& decimalPoint, Margin margin) {
    unsigned long long cents = 0;
    if (quickCents(value, cents, margin))
        return writeCents(buffer, cents, decimalPoint);
    QLocale locale;
    QString text = FormatPattern(value, u"#0.00", locale);
    if (decimalPoint != locale.decimalPoint().toUtf8())
        text.replace(locale.decimalPoint(), QString::fromUtf8(decimalPoint));
    const QByteArray bytes = text.toUtf8();
    const int length = static_cast<int>(qMin<qsizetype>(bytes.size(), Fixed2Room));
    std::memcpy(buffer, bytes.constData(), static_cast<size_t>(length));
    return length;
}
} // namespace

bool QuickCents(float value, unsigned long long& cents) {
    return quickCents(value, cents, FloatMargin);
}

bool QuickCents(double value, unsigned long long& cents) {
    return quickCents(value, cents, DoubleMargin);
}

int WriteFixed2(char* buffer, float value, const QByteArray& decimalPoint) {
    return writeFixed2(buffer, value, decimalPoint, FloatMargin);
}

int WriteFixed2(char* buffer, double value, const QByteArray& decimalPoint) {
    return writeFixed2(buffer, value, decimalPoint, DoubleMargin);
}

void AppendFixed2(QByteArray& out, float value, const QByteArray& decimalPoint) {
    char buffer[Fixed2Room];
    out.append(buffer, WriteFixed2(buffer, value, decimalPoint));
}

void AppendFixed2(QByteArray& out, double value, const QByteArray& decimalPoint) {
    char buffer[Fixed2Room];
    out.append(buffer, WriteFixed2(buffer, value, decimalPoint));
}
