#include "text/general_date_texts.h"

#include <QTime>

GeneralDateTexts::GeneralDateTexts(const QLocale& locale)
    : GeneralDateTexts(locale, ShortDatePattern(locale), LongTimePattern(locale)) {}

GeneralDateTexts::GeneralDateTexts(const QLocale& locale, const QString& datePattern,
                                   const QString& timePattern)
    : date_(datePattern, locale), time_(timePattern, locale) {}

QString GeneralDateTexts::Text(QDate date, int secondOfDay) {
    const qint64 day = date.toJulianDay();
    if (!haveDay_ || day != lastDay_) {
        lastDateText_ = date_.Text(date);
        lastDay_ = day;
        haveDay_ = true;
    }
    if (secondOfDay == 0)
        return lastDateText_;
    QString text;
    text.reserve(lastDateText_.size() + 24);
    text += lastDateText_;
    text += u' ';
    time_.Append(text, date, QTime(0, 0).addSecs(secondOfDay));
    return text;
}
