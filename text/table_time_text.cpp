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
    : date_(datePattern, locale), time_(timePattern, locale) {
    quickTime_ = time_.PlainDigits() && compileTime();
    if (quickTime_)
        for (const Piece& piece : pieces_)
            quickRoom_ += piece.field == Field::Literal ? piece.text.size()
                          : piece.field == Field::DayPeriod
                              ? qMax(piece.text.size(), piece.pm.size())
                              : 2;
}

bool RowTimeText::compileTime() {
    pieces_.clear();
    using P = DatePattern::Piece;
    for (const P& piece : time_.Pieces()) {
        const bool padded = piece.width == 2;
        switch (piece.kind) {
        case P::Literal:
            pieces_.push_back({Field::Literal, piece.text.toUtf8(), {}});
            break;
        case P::Hour:
            pieces_.push_back({piece.twelveHour ? (padded ? Field::Hour12Padded : Field::Hour12)
                                                : (padded ? Field::Hour24Padded : Field::Hour24),
                               {},
                               {}});
            break;
        case P::Minute:
            pieces_.push_back({padded ? Field::MinutePadded : Field::Minute, {}, {}});
            break;
        case P::Second:
            pieces_.push_back({padded ? Field::SecondPadded : Field::Second, {}, {}});
            break;
        case P::DayPeriod:
            pieces_.push_back({Field::DayPeriod, piece.text.toUtf8(), piece.pm.toUtf8()});
            break;
        default:
            return false; // fractions of a second, dates: written by the pattern itself
        }
    }
    return true;
}

void RowTimeText::AppendTime(TextBuffer& out, int secondOfDay) {
    const int hour = secondOfDay / 3600;
    const int minute = secondOfDay / 60 % 60;
    const int second = secondOfDay % 60;
    if (!quickTime_) {
        out.Append(time_.Text(QDate(2000, 1, 1), QTime(hour, minute, second)).toUtf8());
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
        case Field::DayPeriod:
            p = writeBytes(p, hour < 12 ? piece.text : piece.pm);
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
        known = days_.insert(day, date_.Text(date).toUtf8());
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
