#pragma once

#include <QDate>
#include <QLocale>
#include <QString>
#include <QVarLengthArray>
#include <QVector>

// GeneralDateText for many date-times in one locale, without walking the locale's patterns
// for each one: the date text is made once per date (by the locale itself), the time text
// from the locale's own digits and day-period texts, piece by piece as the long time
// pattern lays them out. At construction it compares itself with the locale's own texts
// over every hour, minute and second value, and makes every text the locale's own way
// when a pattern does not come out the same.
class GeneralDateTexts {
public:
    explicit GeneralDateTexts(const QLocale& locale = QLocale());
    // The same with other patterns: the date text by datePattern, then a blank and the
    // time by timePattern unless the time is midnight.
    GeneralDateTexts(const QLocale& locale, const QString& datePattern, const QString& timePattern);

    // The text of date at secondOfDay seconds after midnight (0..86399).
    QString Text(QDate date, int secondOfDay);
    // False when the texts are made the locale's own way (a pattern this class does not
    // follow).
    bool Fast() const { return fast_; }

private:
    struct Piece {
        enum Kind { Literal, Hour, Minute, Second, DayPeriod } kind = Literal;
        bool twoDigits = false;
        bool twelveHour = false; // an hour shown 1..12
        QString text;            // a literal; the morning text of a day period
        QString pm;              // the afternoon text of a day period
    };

    void appendTime(QVarLengthArray<QChar, 96>& out, int hour, int minute, int second) const;
    QString slowText(QDate date, int secondOfDay) const;

    QLocale locale_;
    QString datePattern_;
    QString timePattern_;
    QVector<Piece> pieces_;
    QString oneDigit_[60];
    QString twoDigits_[60];
    bool fast_ = false;
    qint64 lastDay_ = 0;
    bool haveDay_ = false;
    QString lastDateText_;
};
