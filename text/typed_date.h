#pragma once

#include <QDate>
#include <QLocale>
#include <QString>

// A date as a person types it into a date box, read the way the date-entry control reads
// it: the joining words " de " and " of " (any letter case) count as blanks, then the text
// is either the locale's short date ("5/3/2013", "05.03.13") or day, month and year with
// the month as a name or a number ("5 marzo 2013", "5 MAR 2013", "5 3 2013"). Two-digit
// years fall in 1930..2029. A time, a text with anything after the year, or a day the
// month lacks is no date: the reader never guesses a swapped day and month.

// The text with every " de " and then every " of " replaced by one blank.
QString DropDateWords(const QString& text);
// The date of the typed text; invalid when the text is none.
QDate ReadTypedDate(const QString& text, const QLocale& locale = QLocale());
// The date as the locale's short date text (four-digit year), the value a date box keeps.
QString ShortDateText(QDate date, const QLocale& locale = QLocale());
// The date written out as day, month name and year ("5 marzo 2013").
QString LongDateText(QDate date, const QLocale& locale = QLocale());
