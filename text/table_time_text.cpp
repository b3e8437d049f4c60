#include "text/table_time_text.h"

#include "platform/trapped_error.h"

#include <QDate>
#include <QTime>

#include <cstring>

namespace {
constexpr qint64 EpochJulianDay = 2440588; // 1 January 1970

char* writeTwo(char* p, int value) {
    *p++ = static_cast<char>('0' + value / 10);
    *p++ = static_cast<char>('0' + value % 10);
    return p;
}
char* writeNumber(char* p, int value) {
    if (value >= 10)
        *p++ = static_cast<char>('0' + value / 10);
    *p++ = static_cast<char>('0' + value % 10);
    return p;
}
char* writeBytes(char* p, const QByteArray& bytes) {
    std::memcpy(p, bytes.constData(), static_cast<size_t>(bytes.size()));
    return p + bytes.size();
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
        qsizetype amPm = 0;
        for (const QByteArray* text : {&am_[0], &am_[1], &pm_[0], &pm_[1]})
            amPm = qMax(amPm, text->size());
        for (const Piece& piece : pieces_)
            quickRoom_ += piece.field == Field::Literal ? piece.text.size()
                          : piece.field == Field::AmPmUpper || piece.field == Field::AmPmLower
                              ? amPm
                              : 2;
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

void RowTimeText::AppendTime(TextBuffer& out, int secondOfDay) {
    const int hour = secondOfDay / 3600;
    const int minute = secondOfDay / 60 % 60;
    const int second = secondOfDay % 60;
    if (!quickTime_) {
        out.Append(locale_.toString(QTime(hour, minute, second), timePattern_).toUtf8());
        return;
    }
    const int hour12 = hour % 12 == 0 ? 12 : hour % 12;
    char* p = out.Room(quickRoom_);
    for (const Piece& piece : pieces_) {
        switch (piece.field) {
        case Field::Literal:
            if (piece.text.size() == 1)
                *p++ = piece.text.at(0);
            else
                p = writeBytes(p, piece.text);
            break;
        case Field::Hour24:
            p = writeNumber(p, hour);
            break;
        case Field::Hour24Padded:
            p = writeTwo(p, hour);
            break;
        case Field::Hour12:
            p = writeNumber(p, hour12);
            break;
        case Field::Hour12Padded:
            p = writeTwo(p, hour12);
            break;
        case Field::Minute:
            p = writeNumber(p, minute);
            break;
        case Field::MinutePadded:
            p = writeTwo(p, minute);
            break;
        case Field::Second:
            p = writeNumber(p, second);
            break;
        case Field::SecondPadded:
            p = writeTwo(p, second);
            break;
        case Field::AmPmUpper:
            p = writeBytes(p, hour < 12 ? am_[0] : pm_[0]);
            break;
        case Field::AmPmLower:
            p = writeBytes(p, hour < 12 ? am_[1] : pm_[1]);
            break;
        }
    }
    out.Used(p);
}

void RowTimeText::AppendDate(TextBuffer& out, qint64 day) {
    if (haveLastDay_ && day == lastDay_) {
        out.Append(lastDayText_);
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
    out.Append(lastDayText_);
}

void RowTimeText::AppendDateAndTime(TextBuffer& out, qint64 secondsSinceEpoch) {
    qint64 day = 0;
    int second = 0;
    SplitSeconds(secondsSinceEpoch, day, second);
    AppendDate(out, day);
    out.Append(' ');
    AppendTime(out, second);
}

void RowTimeText::AppendGeneral(TextBuffer& out, qint64 secondsSinceEpoch) {
    qint64 day = 0;
    int second = 0;
    SplitSeconds(secondsSinceEpoch, day, second);
    AppendDate(out, day);
    if (second != 0) {
        out.Append(' ');
        AppendTime(out, second);
    }
}
