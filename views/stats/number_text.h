#pragma once

#include <QString>

// A number as text with a fixed count of decimals and at least one integer digit (the
// "#0.00" and "#0.0" patterns), in the user's locale. The value is first taken to the
// significant digits of its type (7 for single precision, 15 for double) and then rounded
// on those decimal digits, halves away from zero, so 0.125 in single precision reads
// "0.13". A value that rounds to zero never shows a minus sign.
QString FormatDecimals(double value, int decimals, int significantDigits);
