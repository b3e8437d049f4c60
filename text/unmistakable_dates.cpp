#include "text/unmistakable_dates.h"

#include <QRegularExpression>

#include <optional>

namespace {
// Blanks as the locales write them, the no-break ones included.
const QString BlankClass = QStringLiteral("[\\s\\x{00A0}\\x{202F}\\x{2009}]");

// The month of a name in English or in the locale's language, short or long, in any letter
// case, a closing "." left out; 0 when it is none, or when the two languages name
// different months with it.
int monthOfName(QString word, const QLocale& locale) {
    if (word.endsWith(u'.'))
        word.chop(1);
    if (word.isEmpty())
        return 0;
    const QLocale english = QLocale::c();
    int found = 0;
    for (const QLocale* names : {&english, &locale}) {
        for (int m = 1; m <= 12; ++m) {
            for (QLocale::FormatType type : {QLocale::LongFormat, QLocale::ShortFormat}) {
                for (QString name :
                     {names->monthName(m, type), names->standaloneMonthName(m, type)}) {
                    if (name.endsWith(u'.'))
                        name.chop(1);
                    if (name.compare(word, Qt::CaseInsensitive) != 0)
                        continue;
                    if (found != 0 && found != m)
                        return 0;
                    found = m;
                }
            }
        }
    }
    return found;
}

// A date with the month as a name: day, month and year in any of the orders people write
// them (day month year, month day year, year month day), separated by blanks, commas,
// points, hyphens or slashes.
QDate readNamedMonthDate(const QString& text, const QLocale& locale) {
    static const QRegularExpression separators(QStringLiteral("(?:%1|[,./-])+").arg(BlankClass));
    static const QRegularExpression number(QStringLiteral("^[0-9]+$"));
    QStringList parts = text.split(separators, Qt::SkipEmptyParts);
    // A point ends an abbreviated month name; the split took it away.
    if (parts.size() != 3)
        return QDate();
    int monthAt = -1;
    for (int i = 0; i < 3; ++i)
        if (!number.match(parts[i]).hasMatch()) {
            if (monthAt >= 0)
                return QDate();
            monthAt = i;
        }
    if (monthAt < 0)
        return QDate();
    const int month = monthOfName(parts[monthAt], locale);
    if (month == 0)
        return QDate();
    QString day, year;
    if (monthAt == 0) { // December 10, 2026
        day = parts[1];
        year = parts[2];
    } else if (monthAt == 1 && parts[0].size() == 4) { // 2026 Dec 10
        year = parts[0];
        day = parts[2];
    } else if (monthAt == 1) { // 10 Dec 2026
        day = parts[0];
        year = parts[2];
    } else {
        return QDate();
    }
    if (year.size() != 4 || day.size() > 2)
        return QDate();
    return QDate(year.toInt(), month, day.toInt());
}

// The locale's numeric date, the whole text read in the locale's own order.
QDate readOwnDate(const QString& text, const GeneralDateFormat& own) {
    QDate date(2000, 1, 1);
    qsizetype pos = 0;
    if (!own.Date().Read(text, pos, &date, nullptr) || pos != text.size())
        return QDate();
    return date;
}

// The half of the day of an AM/PM text, in English or in the locale's texts; nullopt when
// it is none.
std::optional<bool> afternoonOf(const QString& text, const QLocale& locale) {
    const QString word = text.trimmed();
    for (const auto& [am, pm] : {std::pair{QStringLiteral("AM"), QStringLiteral("PM")},
                                 std::pair{locale.amText(), locale.pmText()}}) {
        if (!am.isEmpty() && word.compare(am, Qt::CaseInsensitive) == 0)
            return false;
        if (!pm.isEmpty() && word.compare(pm, Qt::CaseInsensitive) == 0)
            return true;
    }
    return std::nullopt;
}
} // namespace

QDateTime ReadUnmistakableDateTime(QStringView text, const GeneralDateFormat& own, bool timeAlone) {
    static const QRegularExpression blanks(QStringLiteral("^%1+|%1+$").arg(BlankClass));
    const QString body = text.toString().remove(blanks);
    if (body.isEmpty())
        return QDateTime();

    static const QRegularExpression iso(
        QStringLiteral("^([0-9]{4})-([0-9]{1,2})-([0-9]{1,2})"
                       "(?:(?:T|%1+)([0-9]{1,2}):([0-9]{2})(?::([0-9]{2}))?)?$")
            .arg(BlankClass));
    if (const QRegularExpressionMatch m = iso.match(body); m.hasMatch()) {
        const QDate date(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt());
        const QTime time =
            m.capturedLength(4) > 0
                ? QTime(m.captured(4).toInt(), m.captured(5).toInt(), m.captured(6).toInt())
                : QTime(0, 0);
        if (!date.isValid() || !time.isValid())
            return QDateTime();
        return QDateTime(date, time, Qt::UTC);
    }

    // A time at the end: hours, minutes, maybe seconds, maybe the text of a half of the day.
    static const QRegularExpression timeAtEnd(
        QStringLiteral("^(?:(.*?)(?:%1|,)+)?([0-9]{1,2}):([0-9]{2})(?::([0-9]{2}))?"
                       "%1*([^0-9:\\s][^0-9:]*)?$")
            .arg(BlankClass));
    QString datePart = body;
    QTime time(0, 0);
    bool hasTime = false;
    std::optional<bool> afternoon;
    if (const QRegularExpressionMatch m = timeAtEnd.match(body); m.hasMatch()) {
        datePart = m.captured(1);
        int hour = m.captured(2).toInt();
        if (m.capturedLength(5) > 0) {
            afternoon = afternoonOf(m.captured(5), own.Locale());
            if (!afternoon || hour < 1 || hour > 12)
                return QDateTime();
            hour = hour % 12 + (*afternoon ? 12 : 0);
        }
        time = QTime(hour, m.captured(3).toInt(), m.captured(4).toInt());
        if (!time.isValid())
            return QDateTime();
        hasTime = true;
    }
    if (datePart.isEmpty()) {
        if (timeAlone && hasTime && !afternoon)
            return QDateTime(QDate(1899, 12, 30), time, Qt::UTC);
        return QDateTime();
    }
    QDate date = readNamedMonthDate(datePart, own.Locale());
    // The numeric date of the locale takes a 24-hour time only: a 12-hour one with AM/PM
    // comes from a locale with another order of day and month.
    if (!date.isValid() && !afternoon)
        date = readOwnDate(datePart, own);
    if (!date.isValid())
        return QDateTime();
    return QDateTime(date, time, Qt::UTC);
}
