#include "views/stats/number_text.h"

#include <QLocale>

#include <charconv>
#include <cmath>
#include <string>

QString FormatDecimals(double value, int decimals, int significantDigits) {
    if (!std::isfinite(value))
        return QString::number(value);
    char buffer[64];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value),
                                       std::chars_format::scientific, significantDigits - 1);
    const std::string text(buffer, written.ptr);
    // text is "d.ddddde+XX": the digits and the power of ten of the first one.
    const auto e = text.find('e');
    std::string digits;
    for (std::size_t i = 0; i < e; ++i)
        if (text[i] != '.')
            digits += text[i];
    const int exponent = std::stoi(text.substr(e + 1));

    // Digits up to the last wanted decimal, then rounding on the next one.
    const long keep = static_cast<long>(exponent) + 1 + decimals;
    std::string kept;
    if (keep >= static_cast<long>(digits.size())) {
        kept = digits + std::string(static_cast<std::size_t>(keep) - digits.size(), '0');
    } else if (keep >= 0) {
        kept = digits.substr(0, static_cast<std::size_t>(keep));
        if (digits[static_cast<std::size_t>(keep)] >= '5') {
            long i = static_cast<long>(kept.size()) - 1;
            while (i >= 0 && kept[static_cast<std::size_t>(i)] == '9') {
                kept[static_cast<std::size_t>(i)] = '0';
                --i;
            }
            if (i < 0)
                kept.insert(kept.begin(), '1');
            else
                ++kept[static_cast<std::size_t>(i)];
        }
    }
    // kept now holds the value times 10^decimals.
    if (kept.size() < static_cast<std::size_t>(decimals) + 1)
        kept.insert(0, static_cast<std::size_t>(decimals) + 1 - kept.size(), '0');
    std::string integer = kept.substr(0, kept.size() - static_cast<std::size_t>(decimals));
    const std::string fraction = kept.substr(kept.size() - static_cast<std::size_t>(decimals));
    const auto firstDigit = integer.find_first_not_of('0');
    integer = firstDigit == std::string::npos ? "0" : integer.substr(firstDigit);

    const bool zero = kept.find_first_not_of('0') == std::string::npos;
    QString result;
    if (value < 0 && !zero)
        result += u'-';
    result += QString::fromLatin1(integer);
    if (decimals > 0)
        result += QLocale::system().decimalPoint() + QString::fromLatin1(fraction);
    return result;
}
