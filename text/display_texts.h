#pragma once

#include <QDateTime>
#include <QLocale>
#include <QString>

// Texts of dates and numbers as the windows show them, in the user's locale (the default
// QLocale), without group separators. Files have their own fixed texts elsewhere.

// The locale's short date with a four-digit year.
QString ShortDatePattern(const QLocale& locale = QLocale());
// The locale's long time without the time-zone name (the times here are naive).
QString LongTimePattern(const QLocale& locale = QLocale());
// Short date, a blank, long time; a time of exactly midnight is left out.
QString GeneralDateText(const QDateTime& when, const QLocale& locale = QLocale());
// Both round the value as its shortest decimal text reads (a single-precision 0.35 is
// 0.35, not 0.3499999), halves to even, and never show "-0".
// The value with exactly decimals decimals, at least one integer digit.
QString FixedText(double value, int decimals, const QLocale& locale = QLocale());
QString FixedText(float value, int decimals, const QLocale& locale = QLocale());
// The value rounded to decimals decimals in its shortest text: no trailing zeros, no
// decimal separator for a whole number.
QString RoundedText(double value, int decimals, const QLocale& locale = QLocale());
QString RoundedText(float value, int decimals, const QLocale& locale = QLocale());
