#pragma once

#include "text/display_texts.h"

#include <QDateTime>
#include <QLocale>
#include <QString>

// A date-time text of the locale read back (GeneralDateText's, or one a person writes:
// with or without leading zeros and seconds, two- or four-digit years); a date alone means
// midnight; a text that is none gives an invalid date-time.
QDateTime ReadGeneralDateText(const QString& text, const QLocale& locale = QLocale());
