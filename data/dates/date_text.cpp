#include "data/dates/date_text.h"

namespace {
// Rewrites the runs of one pattern letter outside quoted literals.
template <class Rewrite> QString RewriteRuns(const QString& format, QChar letter, Rewrite rewrite) {
    QString result;
    bool quoted = false;
    for (qsizetype i = 0; i < format.size();) {
        const QChar c = format.at(i);
        if (c == u'\'') {
            quoted = !quoted;
            result += c;
            ++i;
            continue;
        }
        if (!quoted && c == letter) {
            qsizetype run = 0;
            while (i + run < format.size() && format.at(i + run) == letter)
                ++run;
            result += rewrite(run);
            i += run;
            continue;
        }
        result += c;
        ++i;
    }
    return result;
}
} // namespace

QString GeneralDateFormat(const QLocale& locale) {
    return RewriteRuns(locale.dateFormat(QLocale::ShortFormat), u'y', [](qsizetype run) {
        return run == 2 ? QStringLiteral("yyyy") : QString(run, u'y');
    });
}

QString GeneralTimeFormat(const QLocale& locale) {
    const QString withoutZone = RewriteRuns(locale.timeFormat(QLocale::LongFormat), u't',
                                            [](qsizetype) { return QString(); });
    return withoutZone.simplified();
}

QString GeneralDateText(const QDateTime& when, const QLocale& locale) {
    const QString date = locale.toString(when.date(), GeneralDateFormat(locale));
    if (when.time() == QTime(0, 0))
        return date;
    return date + u' ' + locale.toString(when.time(), GeneralTimeFormat(locale));
}

QDateTime ReadGeneralDateText(const QString& text, const QLocale& locale) {
    // Date and time are read apart: read together they would be taken as the machine's
    // local time, which has holes at a daylight-saving change.
    const QString trimmed = text.simplified();
    const QString dateFormat = GeneralDateFormat(locale);
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
        time = locale.toTime(trimmed.mid(split + 1), GeneralTimeFormat(locale));
        if (!time.isValid())
            return QDateTime();
    }
    return QDateTime(date, time, Qt::UTC);
}
