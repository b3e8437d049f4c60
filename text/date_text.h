#pragma once

#include "text/display_texts.h"

#include <QDateTime>
#include <QLocale>
#include <QString>

// The general date-time text (GeneralDateText: short date, a blank, long time, midnight
// left out) read back: a text written by it, with or without its time, gives the naive
// date-time again; a text that is not one gives an invalid date-time.
QDateTime ReadGeneralDateText(const QString& text, const QLocale& locale = QLocale());
