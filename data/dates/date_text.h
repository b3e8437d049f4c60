#pragma once

#include <QDateTime>
#include <QLocale>
#include <QString>

// The general date-time text that the data set and its files use: the locale's short date,
// a blank and its long time; at exactly midnight the date alone. The year keeps its
// century (a two-digit year in the locale's short date is widened) and the time shows no
// time zone, since the date-times are naive.
QString GeneralDateText(const QDateTime& when, const QLocale& locale = QLocale::system());

// The two formats behind it, in QLocale's format language.
QString GeneralDateFormat(const QLocale& locale = QLocale::system());
QString GeneralTimeFormat(const QLocale& locale = QLocale::system());

// Reads a text written by GeneralDateText (with or without its time) back into a naive
// date-time; an invalid date-time when the text is not one.
QDateTime ReadGeneralDateText(const QString& text, const QLocale& locale = QLocale::system());
