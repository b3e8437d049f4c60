#pragma once

#include "text/date_pattern.h"
#include "text/format_pattern.h"

#include <QDateTime>
#include <QLocale>
#include <QString>

// Texts of dates and numbers as the windows show them, in the user's locale (the default
// QLocale), without group separators. Figures laid out by a format pattern: FormatPattern.

// Short date, a blank, long time; a time of exactly midnight is left out.
QString GeneralDateText(const QDateTime& when, const QLocale& locale = QLocale());
// The value rounded to decimals decimals in its shortest text (no trailing zeros, no
// decimal separator for a whole number), halves to even on the value's shortest decimal
// text (a single-precision 0.35 is 0.35, not 0.3499999), never "-0": a figure "rounded
// (halves to even)" rather than laid out by a pattern.
QString RoundedText(double value, int decimals, const QLocale& locale = QLocale());
QString RoundedText(float value, int decimals, const QLocale& locale = QLocale());
