#pragma once

#include <QByteArray>
#include <QString>

// Numbers of the data table in the "#0.00" form, as the windows show numbers elsewhere
// (FormatPattern): at least one integer digit, two decimals, the value's decimal text
// rounded half away from zero, the locale's decimal separator, no groups.

// Room a number's text can take in UTF-8 (the largest double has 309 integer digits).
inline constexpr int Fixed2Room = 400;

// Write the same text as FormatPattern(value, "#0.00") for a value >= 0 into buffer (Fixed2Room
// bytes) with the given decimal separator and return its length in bytes. The row loop
// calls these once per column, so the usual case avoids the decimal conversion: only a
// value next to a rounding tie takes the full way.
int WriteFixed2(char* buffer, float value, const QByteArray& decimalPoint);
int WriteFixed2(char* buffer, double value, const QByteArray& decimalPoint);

// The value in hundredths when the quick way rounds it exactly as FormatPattern does (a value
// >= 0, not too large, not next to a rounding tie); false leaves it to the full way.
bool QuickCents(float value, unsigned long long& cents);
bool QuickCents(double value, unsigned long long& cents);

// "00" to "99", two characters each: the digits of a number below 100.
extern const char TwoDigits[201];

// The same, appended to a byte array.
void AppendFixed2(QByteArray& out, float value, const QByteArray& decimalPoint);
void AppendFixed2(QByteArray& out, double value, const QByteArray& decimalPoint);
