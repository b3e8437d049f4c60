#include "text/table_time_text.h"

#include "platform/trapped_error.h"
#include "text/pattern_number.h"

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
    fixedTime_ = quickTime_ && compileFixed();
    if (fixedTime_)
        quickRoom_ = qMax(quickRoom_, FixedTimeBytes);
    if (quickTime_)
        compileLayouts();
}

bool RowTimeText::TimeLayout::operator==(const TimeLayout& other) const {
    return length == other.length && hourAt == other.hourAt && minuteAt == other.minuteAt &&
           secondAt == other.secondAt && hourDigits == other.hourDigits &&
           twelveHour == other.twelveHour && std::memcmp(text, other.text, sizeof text) == 0;
}

bool RowTimeText::compileLayout(int hour, TimeLayout& layout) const {
    qsizetype at = 0;
    auto put = [&](const char* bytes, qsizetype n) {
        if (at + n > FixedTimeBytes)
            return false;
        std::memcpy(layout.text + at, bytes, static_cast<size_t>(n));
        at += n;
        return true;
    };
    for (const Piece& piece : pieces_) {
        qsizetype* field = nullptr;
        switch (piece.field) {
        case Field::Literal:
            if (!put(piece.text.constData(), piece.text.size()))
                return false;
            continue;
        case Field::DayPeriod: {
            const QByteArray& text = hour < 12 ? piece.text : piece.pm;
            if (!put(text.constData(), text.size()))
                return false;
            continue;
        }
        case Field::Hour24:
        case Field::Hour24Padded:
        case Field::Hour12:
        case Field::Hour12Padded: {
            if (layout.hourAt >= 0)
                return false; // a field twice
            layout.twelveHour = piece.field == Field::Hour12 || piece.field == Field::Hour12Padded;
            const int shown = layout.twelveHour ? (hour % 12 == 0 ? 12 : hour % 12) : hour;
            const bool padded =
                piece.field == Field::Hour24Padded || piece.field == Field::Hour12Padded;
            layout.hourDigits = padded || shown >= 10 ? 2 : 1;
            layout.hourAt = at;
            if (!put("00", layout.hourDigits))
                return false;
            continue;
        }
        case Field::MinutePadded:
            field = &layout.minuteAt;
            break;
        case Field::SecondPadded:
            field = &layout.secondAt;
            break;
        default:
            return false; // minutes or seconds of one digit or two: every row its own length
        }
        if (*field >= 0 || !put("00", 2))
            return false;
        *field = at - 2;
    }
    layout.length = at;
    return true;
}

void RowTimeText::compileLayouts() {
    std::vector<TimeLayout> layouts;
    for (int hour = 0; hour < 24; ++hour) {
        TimeLayout layout;
        if (!compileLayout(hour, layout))
            return;
        if (!layouts.empty() && layouts.back() == layout) {
            layouts.back().endHour = hour + 1;
        } else {
            layout.firstHour = hour;
            layout.endHour = hour + 1;
            layouts.push_back(layout);
        }
        layoutOfHour_[hour] = int(layouts.size()) - 1;
    }
    layouts_ = std::move(layouts);
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

bool RowTimeText::compileFixed() {
    qsizetype at = 0;
    for (const Piece& piece : pieces_) {
        qsizetype* field = nullptr;
        switch (piece.field) {
        case Field::Literal:
            if (at + piece.text.size() > FixedTimeBytes)
                return false;
            std::memcpy(fixedText_ + at, piece.text.constData(),
                        static_cast<size_t>(piece.text.size()));
            at += piece.text.size();
            continue;
        case Field::Hour24Padded:
        case Field::Hour12Padded:
            twelveHour_ = piece.field == Field::Hour12Padded;
            field = &hourAt_;
            break;
        case Field::MinutePadded:
            field = &minuteAt_;
            break;
        case Field::SecondPadded:
            field = &secondAt_;
            break;
        default:
            return false; // a field of one or two digits, a day period: lengths that vary
        }
        if (*field >= 0 || at + 2 > FixedTimeBytes)
            return false; // a field twice
        *field = at;
        at += 2;
    }
    fixedLength_ = at;
    return true;
}

void RowTimeText::AppendTime(TextBuffer& out, int secondOfDay) {
    if (!quickTime_) {
        out.Append(time_
                       .Text(QDate(2000, 1, 1),
                             QTime(secondOfDay / 3600, secondOfDay / 60 % 60, secondOfDay % 60))
                       .toUtf8());
        return;
    }
    out.Used(writeTime(out.Room(quickRoom_), secondOfDay));
}

char* RowTimeText::writeTime(char* p, int secondOfDay) const {
    return fixedTime_ ? writeFixedTime(p, static_cast<unsigned>(secondOfDay))
                      : writePieces(p, secondOfDay);
}

char* RowTimeText::writePieces(char* p, int secondOfDay) const {
    const int hour = secondOfDay / 3600;
    const int minute = secondOfDay / 60 % 60;
    const int second = secondOfDay % 60;
    const int hour12 = hour % 12 == 0 ? 12 : hour % 12;
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
    return p;
}

void RowTimeText::takeDay(qint64 day) {
    auto known = days_.constFind(day);
    if (known == days_.constEnd()) {
        const QDate date = QDate::fromJulianDay(EpochJulianDay + day);
        if (!date.isValid())
            RaiseError(ErrorNumber::Overflow, QStringLiteral("Overflow"));
        known = days_.insert(day, date_.Text(date).toUtf8());
    }
    lastDay_ = day;
    lastDayStart_ = day * 86400;
    haveLastDay_ = true;
    lastDayText_ = known.value();
    lastDayLength_ = lastDayText_.size();
    quickDay_ = fixedTime_ && lastDayLength_ <= QuickDayBytes;
    if (lastDayLength_ <= QuickDayBytes)
        std::memcpy(lastDayBytes_, lastDayText_.constData(), static_cast<size_t>(lastDayLength_));
    runLayout_ = -1;
}

bool RowTimeText::takeRun(int index) {
    const TimeLayout& layout = layouts_[static_cast<size_t>(index)];
    runLayout_ = index;
    const qsizetype timeAt = lastDayLength_ + 1;
    runFits_ = timeAt + layout.length <= RunRows::Room;
    if (!runFits_)
        return false;
    RunRows& rows = runRows_;
    std::memset(rows.text, ' ', sizeof rows.text);
    std::memcpy(rows.text, lastDayText_.constData(), static_cast<size_t>(lastDayLength_));
    std::memcpy(rows.text + timeAt, layout.text, static_cast<size_t>(layout.length));
    rows.length = timeAt + layout.length;
    rows.dayStart = lastDayStart_;
    rows.end = lastDayStart_ + 3600 * qint64(layout.endHour);
    rows.minuteAt = layout.minuteAt >= 0 ? timeAt + layout.minuteAt : -1;
    rows.secondAt = layout.secondAt >= 0 ? timeAt + layout.secondAt : -1;
    // An hour of one digit goes in with the byte before it, which stays as it is.
    rows.hourAt = layout.hourAt < 0 ? -1 : timeAt + layout.hourAt + layout.hourDigits - 2;
    std::memset(rows.hours, 0, sizeof rows.hours);
    if (rows.hourAt >= 0) {
        for (int hour = layout.firstHour; hour < layout.endHour; ++hour) {
            const int shown = layout.twelveHour ? (hour % 12 == 0 ? 12 : hour % 12) : hour;
            char* two = rows.hours + 2 * hour;
            if (layout.hourDigits == 2) {
                writeTwo(two, shown);
            } else {
                two[0] = rows.text[rows.hourAt];
                two[1] = static_cast<char>('0' + shown);
            }
        }
    }
    return true;
}

const RowTimeText::RunRows* RowTimeText::RowsAt(qint64 secondsSinceEpoch) {
    if (layouts_.empty())
        return nullptr;
    qint64 day = 0;
    int second = 0;
    SplitSeconds(secondsSinceEpoch, day, second);
    if (!haveLastDay_ || day != lastDay_)
        takeDay(day);
    const int layout = layoutOfHour_[second / 3600];
    if (layout != runLayout_)
        takeRun(layout);
    return runFits_ ? &runRows_ : nullptr;
}

void RowTimeText::AppendDate(TextBuffer& out, qint64 day) {
    if (!haveLastDay_ || day != lastDay_)
        takeDay(day);
    out.Append(lastDayText_);
}

void RowTimeText::appendDateAndTime(TextBuffer& out, qint64 secondsSinceEpoch) {
    qint64 day = 0;
    int second = 0;
    SplitSeconds(secondsSinceEpoch, day, second);
    if (!haveLastDay_ || day != lastDay_)
        takeDay(day);
    if (quickDay_) {
        AppendDateAndTime(out, secondsSinceEpoch);
        return;
    }
    if (quickTime_ && lastDayLength_ <= QuickDayBytes) {
        char* p = out.Room(QuickDayBytes + 1 + quickRoom_);
        std::memcpy(p, lastDayBytes_, QuickDayBytes);
        p += lastDayLength_;
        *p++ = ' ';
        out.Used(writeTime(p, second));
        return;
    }
    out.Append(lastDayText_);
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
