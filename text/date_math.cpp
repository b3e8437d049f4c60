#include "text/date_math.h"

QDateTime NaiveDateTime(int year, int month, int day, int hour, int minute, int second) {
    return QDateTime(QDate(year, month, day), QTime(hour, minute, second), Qt::UTC);
}

namespace {
// A count of minutes or hours too large for seconds has no date: the result is invalid
// rather than a wrapped-around time.
QDateTime addScaledSecs(const QDateTime& naive, qint64 count, qint64 scale) {
    qint64 secs = 0;
    if (__builtin_mul_overflow(count, scale, &secs))
        return QDateTime();
    return naive.addSecs(secs);
}
} // namespace

QDateTime DateAdd(const QString& letter, qint64 count, const QDateTime& from) {
    const QDateTime naive(from.date(), from.time(), Qt::UTC);
    if (letter == u"s")
        return naive.addSecs(count);
    if (letter == u"n")
        return addScaledSecs(naive, count, 60);
    if (letter == u"h")
        return addScaledSecs(naive, count, 3600);
    if (letter == u"d")
        return naive.addDays(count);
    return QDateTime();
}

qint64 IntervalSeconds(const QString& letter) {
    if (letter == u"s")
        return 1;
    if (letter == u"n")
        return 60;
    if (letter == u"h")
        return 3600;
    if (letter == u"d")
        return 86400;
    return 0;
}

qint64 DateDiff(const QString& letter, const QDateTime& a, const QDateTime& b) {
    const QDateTime na(a.date(), a.time(), Qt::UTC);
    const QDateTime nb(b.date(), b.time(), Qt::UTC);
    auto floorDiv = [](qint64 x, qint64 d) { return x >= 0 ? x / d : -((-x + d - 1) / d); };
    const qint64 secsA = na.toSecsSinceEpoch();
    const qint64 secsB = nb.toSecsSinceEpoch();
    if (letter == u"s")
        return secsB - secsA;
    if (letter == u"n")
        return floorDiv(secsB, 60) - floorDiv(secsA, 60);
    if (letter == u"h")
        return floorDiv(secsB, 3600) - floorDiv(secsA, 3600);
    if (letter == u"d")
        return na.date().daysTo(nb.date());
    return 0;
}
