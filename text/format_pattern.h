#pragma once

#include <QLocale>
#include <QString>
#include <QStringView>

// A number laid out by a numeric format pattern, the way the windows and the exports show
// figures: "#0.00", "0.0", "  #0.00", "#.0000", "#0.00 ". The pattern is literal text
// around one run of digit places: "0" a digit always shown, "#" a digit shown only when it
// is significant, "." the decimal separator (the locale's). The value is taken from its
// decimal text with its type's precision (15 significant digits for a double, 7 for a
// single, so a single-precision 0.35 is 0.35 and not 0.3499999) and a half rounds away from
// zero: 0.125 gives "0.13", 2.675 gives "2.68", 6.25 with "0.0" gives "6.3". A value that
// rounds to zero has no sign; a negative sign stands before the first digit, after any
// leading literal ("  -1.00"). No group separators; the locale's digits.
QString FormatPattern(double value, QStringView pattern, const QLocale& locale = QLocale());
QString FormatPattern(float value, QStringView pattern, const QLocale& locale = QLocale());

// The same with plain ASCII digits, "-" and the given decimal separator, for writers that
// put the text into files.
QString FormatPatternAscii(double value, QStringView pattern, QChar decimal);
QString FormatPatternAscii(float value, QStringView pattern, QChar decimal);
