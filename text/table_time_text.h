#pragma once

#include <QByteArray>
#include <QHash>
#include <QLocale>
#include <QString>

#include "text/date_pattern.h"
#include "text/pattern_number.h"
#include "text/text_buffer.h"

#include <cstring>
#include <vector>

// The time texts of the data-table rows. The table holds one per sample, so the patterns
// are compiled once (DatePattern) and the texts are put together from the clock fields as
// bytes; a pattern with fields beyond hours, minutes, seconds and the day period, or digits
// other than 0-9, is written by the compiled pattern text by text.
class RowTimeText {
public:
    RowTimeText(const QString& datePattern, const QString& timePattern, const QLocale& locale);

    // Date text, a blank and time text: the row of the time order (midnight shows its time).
    // Written in line for a row in the day of the row before, as rows mostly are.
    void AppendDateAndTime(TextBuffer& out, qint64 secondsSinceEpoch);
    // The general date-time text: as above, but the time is left out at exactly midnight.
    void AppendGeneral(TextBuffer& out, qint64 secondsSinceEpoch);

    void AppendDate(TextBuffer& out, qint64 day);
    void AppendTime(TextBuffer& out, int secondOfDay);

    // Rows of the time order in a run of hours of one day have one layout: the date text, a
    // blank and the time, only the digits of its fields changing from row to row. (A day
    // period, or an hour field of one digit or two, starts another run.)
    struct RunRows {
        static constexpr qsizetype Room = 32;
        char text[Room];    // copied whole; the row's time text is its first length bytes
        qsizetype length;   // bytes of date, blank and time
        qint64 dayStart;    // the day's first second
        qint64 end;         // the first second after the run
        qsizetype hourAt;   // where each field's two bytes go; -1 when it is not shown
        qsizetype minuteAt; // (the minutes and seconds are their two digits)
        qsizetype secondAt;
        char hours[48]; // the two bytes at hourAt for each hour of the day in the run
    };
    // The layout of the run holding the second; nullptr when it has none (a field that is
    // not two digits but the hour, a pattern written by Qt, texts too long for the room).
    const RunRows* RowsAt(qint64 secondsSinceEpoch);

private:
    enum class Field {
        Literal,
        Hour24,
        Hour24Padded,
        Hour12,
        Hour12Padded,
        Minute,
        MinutePadded,
        Second,
        SecondPadded,
        DayPeriod
    };
    struct Piece {
        Field field;
        QByteArray text; // a literal; the morning text of a day period
        QByteArray pm;   // the afternoon text of a day period
    };
    bool compileTime();
    // Makes day the last day, its text at hand.
    void takeDay(qint64 day);
    // The time text of the quick pieces; room for quickRoom_ bytes at p.
    char* writeTime(char* p, int secondOfDay) const;
    // The same piece by piece, for a time whose length varies.
    char* writePieces(char* p, int secondOfDay) const;
    // The time of a fixed layout; room for FixedTimeBytes at p.
    char* writeFixedTime(char* p, unsigned secondOfDay) const;
    // AppendDateAndTime for a row in another day, or with texts of other lengths.
    void appendDateAndTime(TextBuffer& out, qint64 secondsSinceEpoch);

    DatePattern date_;
    DatePattern time_;
    // A time of two-digit fields and literals alone has one length: its text is a copy of
    // the layout with the digits of each field put in (a field at -1 is not in the time).
    bool compileFixed();
    static constexpr qsizetype FixedTimeBytes = 16;
    bool fixedTime_ = false;
    char fixedText_[FixedTimeBytes] = {};
    qsizetype fixedLength_ = 0;
    qsizetype hourAt_ = -1, minuteAt_ = -1, secondAt_ = -1;
    bool twelveHour_ = false;

    bool quickTime_ = false;
    qsizetype quickRoom_ = 0; // the longest text the pieces can give
    std::vector<Piece> pieces_;
    qint64 lastDay_ = 0;
    qint64 lastDayStart_ = 0; // its first second
    bool haveLastDay_ = false;
    QByteArray lastDayText_;
    // The last day's text again in room of a fixed size, so that a row copies it whole
    // without a call, when it fits.
    static constexpr qsizetype QuickDayBytes = 32;
    char lastDayBytes_[QuickDayBytes] = {};
    qsizetype lastDayLength_ = 0;
    // True while the last day's text fits its fixed room and the time has a fixed layout.
    bool quickDay_ = false;

    // The time's layouts through a day, each for a run of hours.
    struct TimeLayout {
        int firstHour = 0, endHour = 24; // its hours: firstHour..endHour-1
        char text[FixedTimeBytes] = {};  // the hour's digits as zeros
        qsizetype length = 0;
        qsizetype hourAt = -1, minuteAt = -1, secondAt = -1;
        int hourDigits = 0; // 1 or 2 (0 without an hour field)
        bool twelveHour = false;
        bool operator==(const TimeLayout& other) const;
    };
    bool compileLayout(int hour, TimeLayout& layout) const;
    void compileLayouts();
    // Makes runRows_ the rows of layout on the last day; false when they do not fit.
    bool takeRun(int layout);
    std::vector<TimeLayout> layouts_; // none when the time has no layouts
    int layoutOfHour_[24] = {};
    int runLayout_ = -1; // the layout runRows_ holds for the last day, -1 for none
    bool runFits_ = false;
    RunRows runRows_ = {};
    QHash<qint64, QByteArray> days_;
};

// Splits seconds since the epoch of the naive timeline into whole days and the second of
// the day (0..86399), also before 1970.
inline void SplitSeconds(qint64 seconds, qint64& day, int& secondOfDay) {
    day = seconds / 86400;
    qint64 rest = seconds % 86400;
    if (rest < 0) {
        rest += 86400;
        --day;
    }
    secondOfDay = static_cast<int>(rest);
}

inline char* RowTimeText::writeFixedTime(char* p, unsigned secondOfDay) const {
    using pattern_number_detail::Pairs;
    unsigned hour = secondOfDay / 3600;
    if (twelveHour_)
        hour = hour % 12 == 0 ? 12 : hour % 12;
    std::memcpy(p, fixedText_, FixedTimeBytes);
    if (hourAt_ >= 0)
        std::memcpy(p + hourAt_, Pairs + 2 * hour, 2);
    if (minuteAt_ >= 0)
        std::memcpy(p + minuteAt_, Pairs + 2 * (secondOfDay / 60 % 60), 2);
    if (secondAt_ >= 0)
        std::memcpy(p + secondAt_, Pairs + 2 * (secondOfDay % 60), 2);
    return p + fixedLength_;
}

inline void RowTimeText::AppendDateAndTime(TextBuffer& out, qint64 secondsSinceEpoch) {
    const qint64 intoDay = secondsSinceEpoch - lastDayStart_;
    if (quickDay_ && intoDay >= 0 && intoDay < 86400) {
        // The whole room of the day's text is copied, then the time is put after the text.
        char* p = out.Room(QuickDayBytes + 1 + FixedTimeBytes);
        std::memcpy(p, lastDayBytes_, QuickDayBytes);
        p += lastDayLength_;
        *p++ = ' ';
        out.Used(writeFixedTime(p, static_cast<unsigned>(intoDay)));
        return;
    }
    appendDateAndTime(out, secondsSinceEpoch);
}
