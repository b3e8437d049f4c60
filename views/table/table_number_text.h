#pragma once

#include <QByteArray>
#include <QString>

// Numbers of the data table in the "#0.00" form, in a locale whose numbers the shared
// column writer (text/sample_columns.h) does not lay out: digits other than 0-9 or a
// decimal separator of more than one byte. The text is FormatPattern's: at least one
// integer digit, two decimals, the value's decimal text rounded half away from zero, the
// locale's digits, the given decimal separator, no groups.

// Room a number's text can take in UTF-8 (the largest double has 309 integer digits).
inline constexpr int Fixed2Room = 400;

// Write the text into buffer (Fixed2Room bytes) and return its length in bytes.
int WriteFixed2(char* buffer, float value, const QByteArray& decimalPoint);
int WriteFixed2(char* buffer, double value, const QByteArray& decimalPoint);

// The same, appended to a byte array.
void AppendFixed2(QByteArray& out, float value, const QByteArray& decimalPoint);
void AppendFixed2(QByteArray& out, double value, const QByteArray& decimalPoint);
