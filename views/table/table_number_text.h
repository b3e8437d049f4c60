#pragma once

#include <QByteArray>
#include <QString>

// Numbers of the data table in the "#0.00" form, as the windows show numbers elsewhere
// (FixedText): at least one integer digit, two decimals, rounded as the value's shortest
// decimal text reads, halves to even, the locale's decimal separator, no groups.

// Append the same text as FixedText(value, 2) for a value >= 0 in UTF-8, with the given decimal
// separator. The row loop calls these once per column, so the usual case avoids the
// decimal conversion: only a value next to a rounding tie takes the full way.
void AppendFixed2(QByteArray& out, float value, const QByteArray& decimalPoint);
void AppendFixed2(QByteArray& out, double value, const QByteArray& decimalPoint);
