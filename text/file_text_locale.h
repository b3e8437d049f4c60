#pragma once

#include "text/date_pattern.h"
#include "text/pattern_number.h"

#include <QByteArray>
#include <QChar>
#include <QDateTime>
#include <QLocale>
#include <QString>
#include <QStringView>

// The date-time and number texts of the session files in one locale (the user's, unless a
// caller pins another). Dates are the locale's general date text (GeneralDateFormat, the
// same as on screen): short date with a four-digit year, a blank and the long time without
// a time zone; a time of exactly midnight gives the date alone and the zero date
// (30 December 1899) the time alone.
class FileTextLocale {
public:
    explicit FileTextLocale(const QLocale& locale = QLocale::system());

    QString DateTimeText(const QDateTime& when) const;
    QString DateText(QDate date) const;
    QString TimeText(QTime time) const;
    // Reads a date-time text of this locale, DateTimeText's or one a person writes (with or
    // without leading zeros and seconds, two- or four-digit years; a date alone means
    // midnight, a time alone the zero date), else one of the texts no locale misreads
    // (ReadUnmistakableDateTime: ISO dates, month names, a 24-hour time after the locale's
    // numeric date); false when it is no valid date-time, and at once for a text longer
    // than MaxDateTimeTextLength.
    bool ParseDateTime(QStringView text, QDateTime* when) const;

    // The decimal separator of the numbers in files: the locale's when it is "," and "."
    // otherwise, because the reader takes only those two.
    char DecimalSeparator() const { return decimal_; }

private:
    GeneralDateFormat format_;
    char decimal_ = '.';
};

// Longer than any date-time text of any locale (names of months and days included).
inline constexpr qsizetype MaxDateTimeTextLength = 100;

// The zero date, 30 December 1899: date-times with this date part are times of day alone.
QDate ZeroDate();

// Appends value with two decimals and at least one integer digit ("0.00"): the value is
// taken to its type's seven significant digits first and then rounded half away from zero,
// so 0.125 gives 0.13 and 2.675 gives 2.68. A value that rounds to zero has no sign.
void AppendTwoDecimals(QByteArray& out, float value, char decimal);
// The same into a buffer of at least TwoDecimalsMaxLength characters; returns the end.
char* WriteTwoDecimals(char* out, float value, char decimal);
// The same taken the long way, through the seven significant digits for every value.
char* WriteTwoDecimalsBySignificantDigits(char* out, float value, char decimal);
inline constexpr int TwoDecimalsMaxLength = PatternNumberRoom;

// The number at the start of a text, the way the basic language's Val reads it: leading
// blanks skipped, optional sign, digits, "." and digits, an exponent (E or D); it stops at
// the first character that cannot continue the number, and no digits give 0. With
// commaIsPoint a "," counts as the decimal point. A number beyond the double range raises
// the overflow error.
double Val(QStringView text, bool commaIsPoint = false);
// The same over Latin-1 text (such as the plain-ASCII bytes of a file).
double Val(QLatin1StringView text, bool commaIsPoint = false);

// A file's bytes as text: UTF-8 when they are valid UTF-8 (a leading byte-order mark is
// dropped), else Windows-1252, so files written in the older 8-bit code page still read.
QString DecodeFileText(const QByteArray& bytes);
