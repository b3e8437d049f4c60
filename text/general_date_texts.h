#pragma once

#include "text/date_pattern.h"

#include <QDate>
#include <QLocale>
#include <QString>

// GeneralDateText for many date-times in one locale: the patterns are compiled once and
// the date text is made once per date.
class GeneralDateTexts {
public:
    explicit GeneralDateTexts(const QLocale& locale = QLocale());
    // The same with other patterns: the date text by datePattern, then a blank and the
    // time by timePattern unless the time is midnight.
    GeneralDateTexts(const QLocale& locale, const QString& datePattern, const QString& timePattern);

    // The text of date at secondOfDay seconds after midnight (0..86399).
    QString Text(QDate date, int secondOfDay);

private:
    DatePattern date_;
    DatePattern time_;
    qint64 lastDay_ = 0;
    bool haveDay_ = false;
    QString lastDateText_;
};
