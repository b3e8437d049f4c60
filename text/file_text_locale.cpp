#include "text/file_text_locale.h"

#include "platform/trapped_error.h"
#include "text/pattern_number.h"
#include "text/unmistakable_dates.h"

#include <QStringDecoder>

#include <charconv>
#include <cmath>
#include <string>

namespace {
// The 8-bit code page's 0x80..0x9F; the five bytes it leaves undefined keep their code.
constexpr char16_t Cp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
} // namespace

QDate ZeroDate() {
    return QDate(1899, 12, 30);
}

FileTextLocale::FileTextLocale(const QLocale& locale)
    : format_(locale), decimal_(locale.decimalPoint() == QStringLiteral(",") ? ',' : '.') {}

QString FileTextLocale::DateText(QDate date) const {
    return format_.Date().Text(date);
}

QString FileTextLocale::TimeText(QTime time) const {
    return format_.Time().Text(ZeroDate(), time);
}

QString FileTextLocale::DateTimeText(const QDateTime& when) const {
    if (!when.isValid())
        return QString();
    if (when.date() == ZeroDate())
        return TimeText(when.time());
    return format_.Text(when);
}

bool FileTextLocale::ParseDateTime(QStringView text, QDateTime* when) const {
    // No date-time text is that long: a longer one is refused before it is read.
    if (text.trimmed().size() > MaxDateTimeTextLength)
        return false;
    // The locale's own texts first; then the forms that no locale misreads, so a file
    // written under another locale still opens.
    QDateTime read = format_.Read(text, true);
    if (!read.isValid())
        read = ReadUnmistakableDateTime(text, format_, true);
    if (!read.isValid())
        return false;
    *when = read;
    return true;
}

char* WriteTwoDecimalsBySignificantDigits(char* out, float value, char decimal) {
    if (!std::isfinite(value))
        value = 0.0f;
    // Seven significant digits, as the single-precision text conversion gives them.
    char sci[32];
    const char* sciEnd =
        std::to_chars(sci, sci + sizeof sci, value, std::chars_format::scientific, 6).ptr;
    const char* p = sci;
    const bool negative = *p == '-';
    if (negative)
        ++p;
    std::uint64_t mantissa = 0;
    for (; p < sciEnd && *p != 'e'; ++p)
        if (*p >= '0' && *p <= '9')
            mantissa = mantissa * 10 + static_cast<std::uint64_t>(*p - '0');
    int exponent = 0;
    std::from_chars(*(p + 1) == '+' ? p + 2 : p + 1, sciEnd, exponent);
    // value = mantissa * 10^(exponent - 6); hundredths = mantissa * 10^(exponent - 4).
    const int shift = exponent - 4;
    if (shift > 11) {
        if (negative)
            *out++ = '-';
        out = std::to_chars(out, out + 24, mantissa).ptr;
        for (int i = 0; i < exponent - 6; ++i)
            *out++ = '0';
        *out++ = decimal;
        *out++ = '0';
        *out++ = '0';
        return out;
    }
    std::uint64_t hundredths = mantissa;
    if (shift >= 0) {
        for (int i = 0; i < shift; ++i)
            hundredths *= 10;
    } else if (-shift > 7) {
        hundredths = 0;
    } else {
        std::uint64_t divisor = 1;
        for (int i = 0; i < -shift; ++i)
            divisor *= 10;
        hundredths = mantissa / divisor;
        if ((mantissa % divisor) * 2 >= divisor)
            ++hundredths;
    }
    if (negative && hundredths != 0)
        *out++ = '-';
    out = std::to_chars(out, out + 24, hundredths / 100).ptr;
    *out++ = decimal;
    const auto cents = static_cast<int>(hundredths % 100);
    *out++ = static_cast<char>('0' + cents / 10);
    *out++ = static_cast<char>('0' + cents % 10);
    return out;
}

char* WriteTwoDecimals(char* out, float value, char decimal) {
    // The "#0.00" of the exports and the windows, seven significant digits first.
    return WritePatternNumberAs<SingleDigits, 2>(out, value, true, decimal);
}

void AppendTwoDecimals(QByteArray& out, float value, char decimal) {
    char text[TwoDecimalsMaxLength];
    out.append(text, WriteTwoDecimals(text, value, decimal) - text);
}

namespace {
template <class Char> bool isBlankUnit(Char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

template <class Char> bool isDigitUnit(Char c) {
    return c >= '0' && c <= '9';
}

// The common number of a file: at most 15 digits and no exponent. Its digits as a whole
// number and the power of ten are both exact in a double, so one division gives the
// correctly rounded value, as the full conversion does. False leaves it to the full way.
template <class Char>
bool shortDecimal(const Char* text, qsizetype n, bool commaIsPoint, double* value) {
    static constexpr double powers[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                        1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
    qsizetype i = 0;
    while (i < n && isBlankUnit(text[i]))
        ++i;
    bool negative = false;
    if (i < n && (text[i] == '-' || text[i] == '+')) {
        negative = text[i] == '-';
        ++i;
    }
    std::uint64_t digits = 0;
    int count = 0;
    int fraction = 0;
    for (; i < n && isDigitUnit(text[i]); ++i, ++count) {
        if (count == 15)
            return false;
        digits = digits * 10 + static_cast<std::uint64_t>(text[i] - '0');
    }
    if (i < n && (text[i] == '.' || (commaIsPoint && text[i] == ','))) {
        for (++i; i < n && isDigitUnit(text[i]); ++i, ++count, ++fraction) {
            if (count == 15)
                return false;
            digits = digits * 10 + static_cast<std::uint64_t>(text[i] - '0');
        }
    }
    if (count == 0)
        return false;
    if (i < n && (text[i] == 'e' || text[i] == 'E' || text[i] == 'd' || text[i] == 'D'))
        return false;
    const double magnitude = static_cast<double>(digits) / powers[fraction];
    *value = negative ? -magnitude : magnitude;
    return true;
}

// Val over code units: char16_t for text, unsigned char for Latin-1 bytes.
template <class Char> double valOf(const Char* text, qsizetype n, bool commaIsPoint) {
    double quick = 0.0;
    if (shortDecimal(text, n, commaIsPoint, &quick))
        return quick;
    qsizetype i = 0;
    while (i < n && isBlankUnit(text[i]))
        ++i;
    std::string number;
    if (i < n && (text[i] == '-' || text[i] == '+')) {
        if (text[i] == '-')
            number += '-';
        ++i;
    }
    bool anyDigit = false;
    while (i < n && isDigitUnit(text[i])) {
        number += static_cast<char>(text[i]);
        anyDigit = true;
        ++i;
    }
    if (i < n && (text[i] == '.' || (commaIsPoint && text[i] == ','))) {
        ++i;
        const std::size_t point = number.size();
        number += '.';
        while (i < n && isDigitUnit(text[i]))
            number += static_cast<char>(text[i++]);
        if (number.size() == point + 1)
            number.resize(point); // a point without digits after it
        else
            anyDigit = true;
    }
    if (!anyDigit)
        return 0.0;
    bool negativeExponent = false;
    if (i < n && (text[i] == 'e' || text[i] == 'E' || text[i] == 'd' || text[i] == 'D')) {
        qsizetype j = i + 1;
        bool negative = false;
        bool sign = false;
        if (j < n && (text[j] == '-' || text[j] == '+')) {
            negative = text[j] == '-';
            sign = true;
            ++j;
        }
        if (j < n && isDigitUnit(text[j])) {
            negativeExponent = negative;
            number += 'e';
            if (sign)
                number += negative ? '-' : '+';
            while (j < n && isDigitUnit(text[j]))
                number += static_cast<char>(text[j++]);
        }
    }
    double value = 0.0;
    const auto [ptr, ec] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (ec == std::errc::result_out_of_range) {
        if (negativeExponent)
            return 0.0;
        RaiseError(ErrorNumber::Overflow, QStringLiteral("Overflow"));
    }
    return value;
}
} // namespace

double Val(QStringView text, bool commaIsPoint) {
    return valOf(text.utf16(), text.size(), commaIsPoint);
}

double Val(QLatin1StringView text, bool commaIsPoint) {
    return valOf(reinterpret_cast<const unsigned char*>(text.data()), text.size(), commaIsPoint);
}

QString DecodeFileText(const QByteArray& bytes) {
    QByteArrayView view(bytes);
    if (view.startsWith("\xEF\xBB\xBF"))
        view = view.sliced(3);
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(view);
    if (!utf8.hasError())
        return text;
    text.clear();
    text.reserve(view.size());
    for (const char byte : view) {
        const auto b = static_cast<unsigned char>(byte);
        text += (b >= 0x80 && b <= 0x9F) ? QChar(Cp1252High[b - 0x80]) : QChar(b);
    }
    return text;
}
