#pragma once

#include <QDate>
#include <QDateTime>
#include <QLocale>
#include <QString>
#include <QStringView>
#include <QTime>
#include <QVector>

// The one compiler of date and time patterns (Qt's pattern letters) for the screen and the
// files: a pattern is read once into its fields and literals, texts are written from them
// in the locale's digits, names and day-period texts, and read back from them.

// The locale's short date pattern with every year field four digits long (a two-digit year
// would come back in the wrong century).
QString ShortDatePattern(const QLocale& locale = QLocale());
// The locale's long time pattern without its time-zone field and the brackets, comma and
// blanks that only stood around it (the times here are naive); a flexible day period is
// shown as the plain morning and afternoon texts.
QString LongTimePattern(const QLocale& locale = QLocale());

class DatePattern {
public:
    struct Piece {
        enum Kind {
            Literal,
            Day,
            DayName,
            Month,
            MonthName,
            Year,
            Hour,
            Minute,
            Second,
            Millisecond,
            DayPeriod
        } kind = Literal;
        int width = 1;           // digits at least (numbers); 4 a long name, 3 a short one
        bool twelveHour = false; // an hour shown 1..12
        QString text;            // a literal; the morning text of a day period
        QString pm;              // the afternoon text of a day period
    };

    DatePattern() = default;
    DatePattern(const QString& pattern, const QLocale& locale);

    // Appends the pattern's fields of date and time.
    void Append(QString& out, QDate date, QTime time) const;
    QString Text(QDate date, QTime time = QTime(0, 0)) const;
    // Reads the fields from text at pos, moving pos past them. Lenient as a person writes:
    // numbers with or without leading zeros, in the locale's digits or plain ones, two- or
    // four-digit years, names and literals in any letter case, blanks where the pattern has
    // them, the seconds (and what follows them) may be missing. Fields the pattern does not
    // have keep the values they had. False when the text does not follow the pattern.
    bool Read(QStringView text, qsizetype& pos, QDate* date, QTime* time) const;

    const QVector<Piece>& Pieces() const { return pieces_; }
    // The text of number in the locale's digits, at least width digits.
    QString Number(int number, int width) const;
    // True when the locale writes numbers with the digits 0 to 9.
    bool PlainDigits() const { return plainDigits_; }

private:
    QString inDigits(const QString& plain) const;
    bool readNumber(QStringView text, qsizetype& pos, int maxDigits, int* value, int* digits) const;

    QVector<Piece> pieces_;
    QString digits_[10];
    bool plainDigits_ = true;
    QString monthNames_[2][13]; // [0] short, [1] long
    QString dayNames_[2][8];
};

// The general date-time text of a locale (short date, a blank, long time; a time of exactly
// midnight is left out), written and read.
class GeneralDateFormat {
public:
    explicit GeneralDateFormat(const QLocale& locale = QLocale());

    // The general text; an invalid date-time gives an empty text.
    QString Text(const QDateTime& when) const;
    // Date, a blank and time, midnight included.
    QString DateAndTime(const QDateTime& when) const;
    // A date-time text of the locale (a date alone means midnight); with timeAlone a time
    // alone is taken too and gets the date 30 December 1899. Invalid when it is none.
    QDateTime Read(QStringView text, bool timeAlone = false) const;

    const DatePattern& Date() const { return date_; }
    const DatePattern& Time() const { return time_; }
    const QLocale& Locale() const { return locale_; }

private:
    QLocale locale_;
    DatePattern date_;
    DatePattern time_;
};

// The general format of a locale, compiled once for as long as the same locale is asked
// for again.
const GeneralDateFormat& GeneralFormatOf(const QLocale& locale);
