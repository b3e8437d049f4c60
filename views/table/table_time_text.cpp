#include "views/table/table_time_text.h"

#include "shell/core/error_report.h"

#include <QDate>
#include <QTime>

namespace {
constexpr qint64 EpochJulianDay = 2440588; // 1 January 1970

void appendTwo(QByteArray& out, int value) {
    out.append(static_cast<char>('0' + value / 10));
    out.append(static_cast<char>('0' + value % 10));
}
void appendNumber(QByteArray& out, int value) {
    if (value >= 10)
        out.append(static_cast<char>('0' + value / 10));
    out.append(static_cast<char>('0' + value % 10));
}
} // namespace

RowTimeText::RowTimeText(const QString& datePattern, const QString& timePattern,
                         const QLocale& locale)
    : datePattern_(datePattern), timePattern_(timePattern), locale_(locale) {
    quickTime_ = locale_.zeroDigit() == QStringLiteral("0") && compileTime(timePattern);
    if (quickTime_) {
        am_[0] = locale_.toString(QTime(0, 0), QStringLiteral("AP")).toUtf8();
        am_[1] = locale_.toString(QTime(0, 0), QStringLiteral("ap")).toUtf8();
        pm_[0] = locale_.toString(QTime(12, 0), QStringLiteral("AP")).toUtf8();
        pm_[1] = locale_.toString(QTime(12, 0), QStringLiteral("ap")).toUtf8();
    }
}

bool RowTimeText::compileTime(const QString& pattern) {
    pieces_.clear();
    bool twelveHour = false;
    QByteArray literal;
    auto flush = [&] {
        if (!literal.isEmpty())
            pieces_.push_back({Field::Literal, literal});
        literal.clear();
    };
    const qsizetype n = pattern.size();
    for (qsizetype i = 0; i < n;) {
        const QChar c = pattern.at(i);
        qsizetype run = 1;
        while (i + run < n && pattern.at(i + run) == c)
            ++run;
        if (c == u'\'') {
            // Quoted text; two quote marks stand for one.
            if (run >= 2) {
                literal.append(QByteArray(run / 2, '\''));
                i += run / 2 * 2;
                continue;
            }
            qsizetype j = i + 1;
            while (j < n) {
                if (pattern.at(j) == u'\'') {
                    if (j + 1 < n && pattern.at(j + 1) == u'\'') {
                        literal.append('\'');
                        j += 2;
                        continue;
                    }
                    break;
                }
                literal.append(QString(pattern.at(j)).toUtf8());
                ++j;
            }
            i = j + 1;
            continue;
        }
        if (!c.isLetter()) {
            literal.append(QString(pattern.mid(i, run)).toUtf8());
            i += run;
            continue;
        }
        flush();
        const char letter = c.toLatin1();
        if ((letter == 'H' || letter == 'h' || letter == 'm' || letter == 's') && run <= 2) {
            const bool padded = run == 2;
            Field field = Field::Literal;
            if (letter == 'H')
                field = padded ? Field::Hour24Padded : Field::Hour24;
            else if (letter == 'h')
                field = padded ? Field::Hour12Padded : Field::Hour12;
            else if (letter == 'm')
                field = padded ? Field::MinutePadded : Field::Minute;
            else
                field = padded ? Field::SecondPadded : Field::Second;
            pieces_.push_back({field, {}});
            i += run;
            continue;
        }
        if (letter == 'A' || letter == 'a') {
            // "AP", "ap", "A" or "a"
            const bool pair = i + 1 < n && pattern.at(i + 1) == (letter == 'A' ? u'P' : u'p');
            if (run != 1)
                return false;
            pieces_.push_back({letter == 'A' ? Field::AmPmUpper : Field::AmPmLower, {}});
            twelveHour = true;
            i += pair ? 2 : 1;
            continue;
        }
        return false; // fractions of a second, time zones: left to Qt
    }
    flush();
    if (!twelveHour) {
        // Without AM/PM "h" counts the hours of the whole day, as Qt does.
        for (Piece& piece : pieces_) {
            if (piece.field == Field::Hour12)
                piece.field = Field::Hour24;
            else if (piece.field == Field::Hour12Padded)
                piece.field = Field::Hour24Padded;
        }
    }
    return true;
}

void RowTimeText::AppendTime(QByteArray& out, int secondOfDay) {
    const int hour = secondOfDay / 3600;
    const int minute = secondOfDay / 60 % 60;
    const int second = secondOfDay % 60;
    if (!quickTime_) {
        out.append(locale_.toString(QTime(hour, minute, second), timePattern_).toUtf8());
        return;
    }
    const int hour12 = hour % 12 == 0 ? 12 : hour % 12;
    for (const Piece& piece : pieces_) {
        switch (piece.field) {
        case Field::Literal:
            out.append(piece.text);
            break;
        case Field::Hour24:
            appendNumber(out, hour);
            break;
        case Field::Hour24Padded:
            appendTwo(out, hour);
            break;
        case Field::Hour12:
            appendNumber(out, hour12);
            break;
        case Field::Hour12Padded:
            appendTwo(out, hour12);
            break;
        case Field::Minute:
            appendNumber(out, minute);
            break;
        case Field::MinutePadded:
            appendTwo(out, minute);
            break;
        case Field::Second:
            appendNumber(out, second);
            break;
        case Field::SecondPadded:
            appendTwo(out, second);
            break;
        case Field::AmPmUpper:
            out.append(hour < 12 ? am_[0] : pm_[0]);
            break;
        case Field::AmPmLower:
            out.append(hour < 12 ? am_[1] : pm_[1]);
            break;
        }
    }
}

void RowTimeText::AppendDate(QByteArray& out, qint64 day) {
    if (haveLastDay_ && day == lastDay_) {
        out.append(lastDayText_);
        return;
    }
    auto known = days_.constFind(day);
    if (known == days_.constEnd()) {
        const QDate date = QDate::fromJulianDay(EpochJulianDay + day);
        if (!date.isValid())
            RaiseError(ErrorNumber::Overflow, QStringLiteral("Overflow"));
        known = days_.insert(day, locale_.toString(date, datePattern_).toUtf8());
    }
    lastDay_ = day;
    haveLastDay_ = true;
    lastDayText_ = known.value();
    out.append(lastDayText_);
}

void RowTimeText::AppendDateAndTime(QByteArray& out, qint64 secondsSinceEpoch) {
    qint64 day = 0;
    int second = 0;
    SplitSeconds(secondsSinceEpoch, day, second);
    AppendDate(out, day);
    out.append(' ');
    AppendTime(out, second);
}

void RowTimeText::AppendGeneral(QByteArray& out, qint64 secondsSinceEpoch) {
    qint64 day = 0;
    int second = 0;
    SplitSeconds(secondsSinceEpoch, day, second);
    AppendDate(out, day);
    if (second != 0) {
        out.append(' ');
        AppendTime(out, second);
    }
}
