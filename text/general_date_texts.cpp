#include "text/general_date_texts.h"

#include "text/display_texts.h"

#include <QDateTime>
#include <QTime>

#include <algorithm>

namespace {
// A quoted literal of a date-time pattern starting at i (on the quote); i ends past it.
// Two quotes stand for one quote, inside a literal or outside.
QString quotedLiteral(const QString& pattern, qsizetype& i) {
    ++i;
    if (i == pattern.size())
        return QString();
    if (pattern.at(i) == u'\'') {
        ++i;
        return QStringLiteral("'");
    }
    QString text;
    while (i < pattern.size()) {
        if (pattern.at(i) == u'\'') {
            if (i + 1 < pattern.size() && pattern.at(i + 1) == u'\'') {
                text += u'\'';
                i += 2;
            } else {
                break;
            }
        } else {
            text += pattern.at(i++);
        }
    }
    if (i < pattern.size())
        ++i;
    return text;
}

// True when the pattern shows a day period (an unquoted "a" or "A"): its hours run 1..12.
bool hasDayPeriod(const QString& pattern) {
    for (qsizetype i = 0; i < pattern.size();) {
        if (pattern.at(i) == u'\'') {
            quotedLiteral(pattern, i);
            continue;
        }
        if (pattern.at(i) == u'a' || pattern.at(i) == u'A')
            return true;
        ++i;
    }
    return false;
}

qsizetype runLength(const QString& pattern, qsizetype i) {
    qsizetype run = 1;
    while (i + run < pattern.size() && pattern.at(i + run) == pattern.at(i))
        ++run;
    return run;
}
} // namespace

GeneralDateTexts::GeneralDateTexts(const QLocale& locale)
    : GeneralDateTexts(locale, ShortDatePattern(locale), LongTimePattern(locale)) {}

GeneralDateTexts::GeneralDateTexts(const QLocale& locale, const QString& datePattern,
                                   const QString& timePattern)
    : locale_(locale), datePattern_(datePattern), timePattern_(timePattern) {
    for (int v = 0; v < 60; ++v) {
        oneDigit_[v] = locale_.toString(QTime(0, v), QStringLiteral("m"));
        twoDigits_[v] = locale_.toString(QTime(0, v), QStringLiteral("mm"));
    }
    const bool twelveHour = hasDayPeriod(timePattern_);
    const QString& p = timePattern_;
    for (qsizetype i = 0; i < p.size();) {
        Piece piece;
        if (p.at(i) == u'\'') {
            piece.text = quotedLiteral(p, i);
            pieces_.append(piece);
            continue;
        }
        const QChar c = p.at(i);
        qsizetype run = runLength(p, i);
        switch (c.unicode()) {
        case 'h':
        case 'H':
        case 'm':
        case 's':
            run = std::min<qsizetype>(run, 2);
            piece.kind = c == u'm' ? Piece::Minute : c == u's' ? Piece::Second : Piece::Hour;
            piece.twoDigits = run == 2;
            // 'H' keeps 24 hours even in a pattern with a day period.
            piece.twelveHour = c == u'h' && twelveHour;
            break;
        case 'a':
        case 'A': {
            run = i + 1 < p.size() && (p.at(i + 1) == u'p' || p.at(i + 1) == u'P') ? 2 : 1;
            const QString token = p.mid(i, run);
            piece.kind = Piece::DayPeriod;
            piece.text = locale_.toString(QTime(0, 0), token);
            piece.pm = locale_.toString(QTime(12, 0), token);
            break;
        }
        case 'z':
            // Sample times have no milliseconds.
            run = run >= 3 ? 3 : 1;
            piece.text = locale_.toString(QTime(0, 0), p.mid(i, run));
            break;
        default:
            piece.text = QString(run, c);
            break;
        }
        pieces_.append(piece);
        i += run;
    }
    // Every hour, minute and second value, against the locale's own texts.
    fast_ = true;
    const QDate day(2026, 12, 9);
    for (int k = 0; k < 120 && fast_; ++k) {
        const int second = (k % 24) * 3600 + (k % 60) * 60 + (k * 7 + 13) % 60;
        fast_ = Text(day, second) == slowText(day, second);
    }
    haveDay_ = false;
}

QString GeneralDateTexts::slowText(QDate date, int secondOfDay) const {
    const QString dateText = locale_.toString(date, datePattern_);
    if (secondOfDay == 0)
        return dateText;
    return dateText + u' ' + locale_.toString(QTime(0, 0).addSecs(secondOfDay), timePattern_);
}

void GeneralDateTexts::appendTime(QVarLengthArray<QChar, 96>& out, int hour, int minute,
                                  int second) const {
    auto add = [&out](const QString& text) { out.append(text.constData(), text.size()); };
    for (const Piece& piece : pieces_) {
        switch (piece.kind) {
        case Piece::Literal:
            add(piece.text);
            break;
        case Piece::Hour: {
            int shown = hour;
            if (piece.twelveHour) {
                if (shown > 12)
                    shown -= 12;
                else if (shown == 0)
                    shown = 12;
            }
            add(piece.twoDigits ? twoDigits_[shown] : oneDigit_[shown]);
            break;
        }
        case Piece::Minute:
            add(piece.twoDigits ? twoDigits_[minute] : oneDigit_[minute]);
            break;
        case Piece::Second:
            add(piece.twoDigits ? twoDigits_[second] : oneDigit_[second]);
            break;
        case Piece::DayPeriod:
            add(hour < 12 ? piece.text : piece.pm);
            break;
        }
    }
}

QString GeneralDateTexts::Text(QDate date, int secondOfDay) {
    if (!fast_)
        return slowText(date, secondOfDay);
    const qint64 day = date.toJulianDay();
    if (!haveDay_ || day != lastDay_) {
        lastDateText_ = locale_.toString(date, datePattern_);
        lastDay_ = day;
        haveDay_ = true;
    }
    if (secondOfDay == 0)
        return lastDateText_;
    // Built in place and copied once into the text.
    QVarLengthArray<QChar, 96> text;
    text.append(lastDateText_.constData(), lastDateText_.size());
    text.append(QChar(u' '));
    appendTime(text, secondOfDay / 3600, secondOfDay / 60 % 60, secondOfDay % 60);
    return QString(text.constData(), text.size());
}
