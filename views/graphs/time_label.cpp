#include "views/graphs/time_label.h"

#include "text/date_math.h"
#include "text/display_texts.h"

#include <QLocale>

QString ChartTimeLabel(const QDateTime& when) {
    if (!when.isValid())
        return QString();
    // The general text is the date, a blank and the time; the break goes between the two
    // parts even where the locale's date itself holds blanks ("9 Dec 2026").
    const QString text = GeneralDateText(when);
    const QString date = GeneralFormatOf(QLocale()).Date().Text(when.date());
    if (text.size() > date.size() && text.startsWith(date) && text[date.size()] == u' ')
        return date + u'\r' + text.mid(date.size() + 1);
    return text;
}

QString SampleTimeLabel(const QDateTime& start, qint32 step, const QString& unit, qint16 multiplier,
                        qint32 index) {
    const qint64 count = static_cast<qint64>(step) * index * multiplier;
    return ChartTimeLabel(DateAdd(unit, count, start));
}
