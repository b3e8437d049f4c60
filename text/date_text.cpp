#include "text/date_text.h"

QDateTime ReadGeneralDateText(const QString& text, const QLocale& locale) {
    // Date and time are read apart: read together they would be taken as the machine's
    // local time, which has holes at a daylight-saving change.
    const QString trimmed = text.simplified();
    const QString dateFormat = ShortDatePattern(locale);
    const qsizetype dateBlanks = locale.toString(QDate(2000, 12, 31), dateFormat).count(u' ');
    qsizetype split = -1;
    for (qsizetype blanks = 0; blanks <= dateBlanks; ++blanks) {
        split = trimmed.indexOf(u' ', split + 1);
        if (split < 0)
            break;
    }
    const QString datePart = split < 0 ? trimmed : trimmed.left(split);
    const QDate date = locale.toDate(datePart, dateFormat);
    if (!date.isValid())
        return QDateTime();
    QTime time(0, 0);
    if (split >= 0) {
        time = locale.toTime(trimmed.mid(split + 1), LongTimePattern(locale));
        if (!time.isValid())
            return QDateTime();
    }
    return QDateTime(date, time, Qt::UTC);
}
