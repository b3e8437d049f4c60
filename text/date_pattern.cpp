#include "text/date_pattern.h"

#include <algorithm>
#include <memory>
#include <utility>

namespace {
// One token of a pattern: a run of a field letter, or literal text.
struct Token {
    QChar letter; // 0 for literal text
    int run = 0;
    QString text;
};

bool isFieldLetter(QChar c) {
    switch (c.unicode()) {
    case 'd':
    case 'M':
    case 'y':
    case 'h':
    case 'H':
    case 'm':
    case 's':
    case 'z':
    case 'a':
    case 'A':
    case 't':
    case 'B':
        return true;
    default:
        return false;
    }
}

// Splits a pattern the way Qt reads it: quoted text is literal, two quotes stand for one.
QVector<Token> tokens(const QString& pattern) {
    QVector<Token> out;
    auto literal = [&out](const QString& text) {
        if (text.isEmpty())
            return;
        if (!out.isEmpty() && out.back().letter.isNull())
            out.back().text += text;
        else
            out.append(Token{QChar(), 0, text});
    };
    const qsizetype n = pattern.size();
    for (qsizetype i = 0; i < n;) {
        const QChar c = pattern.at(i);
        if (c == u'\'') {
            if (i + 1 < n && pattern.at(i + 1) == u'\'') {
                literal(QStringLiteral("'"));
                i += 2;
                continue;
            }
            QString text;
            qsizetype j = i + 1;
            while (j < n) {
                if (pattern.at(j) == u'\'') {
                    if (j + 1 < n && pattern.at(j + 1) == u'\'') {
                        text += u'\'';
                        j += 2;
                        continue;
                    }
                    break;
                }
                text += pattern.at(j++);
            }
            literal(text);
            i = j + 1;
            continue;
        }
        if (!isFieldLetter(c)) {
            literal(QString(c));
            ++i;
            continue;
        }
        int run = 1;
        while (i + run < n && pattern.at(i + run) == c)
            ++run;
        if (c == u'a' || c == u'A') {
            // "AP" / "ap" is one token, as is a lone "A" / "a".
            const bool pair = i + 1 < n && (pattern.at(i + 1) == u'p' || pattern.at(i + 1) == u'P');
            out.append(Token{c, pair ? 2 : 1, pattern.mid(i, pair ? 2 : 1)});
            i += pair ? 2 : 1;
            continue;
        }
        out.append(Token{c, run, QString()});
        i += run;
    }
    return out;
}

QString quoted(const QString& text) {
    bool plain = true;
    for (QChar c : text)
        if (c.isLetter() || c == u'\'')
            plain = false;
    if (plain)
        return text;
    QString escaped = text;
    escaped.replace(QStringLiteral("'"), QStringLiteral("''"));
    return u'\'' + escaped + u'\'';
}

QString patternOf(const QVector<Token>& list) {
    QString out;
    for (const Token& token : list) {
        if (token.letter.isNull())
            out += quoted(token.text);
        else if (token.letter == u'a' || token.letter == u'A')
            out += token.text;
        else
            out += QString(token.run, token.letter);
    }
    return out;
}

bool isBlank(QChar c) {
    return c == u' ' || c == u'\t' || c == QChar(0x00A0) || c == QChar(0x202F) ||
           c == QChar(0x2009);
}

// Marks of writing direction: they show nothing and are skipped when reading.
bool isIgnorable(QChar c) {
    return c == QChar(0x200E) || c == QChar(0x200F) || c == QChar(0x061C);
}

void skipIgnorable(QStringView text, qsizetype& pos) {
    while (pos < text.size() && isIgnorable(text.at(pos)))
        ++pos;
}

void skipBlanks(QStringView text, qsizetype& pos) {
    while (pos < text.size() && (isBlank(text.at(pos)) || isIgnorable(text.at(pos))))
        ++pos;
}

// A literal of the pattern: its blanks take any number of blanks (none included), the rest
// matches in any letter case.
bool readLiteral(QStringView text, qsizetype& pos, const QString& literal) {
    qsizetype p = pos;
    for (qsizetype i = 0; i < literal.size(); ++i) {
        const QChar c = literal.at(i);
        if (isIgnorable(c))
            continue;
        if (isBlank(c)) {
            skipBlanks(text, p);
            continue;
        }
        skipIgnorable(text, p);
        if (p >= text.size() || text.at(p).toCaseFolded() != c.toCaseFolded())
            return false;
        ++p;
    }
    pos = p;
    return true;
}

// The longest of the names at pos, in any letter case; its index or -1.
int readName(QStringView text, qsizetype& pos, const QVector<std::pair<QString, int>>& names) {
    skipIgnorable(text, pos);
    int best = -1;
    qsizetype bestLength = 0;
    for (const auto& [name, index] : names) {
        if (name.isEmpty() || name.size() <= bestLength)
            continue;
        if (text.mid(pos).startsWith(name, Qt::CaseInsensitive)) {
            best = index;
            bestLength = name.size();
        }
    }
    if (best >= 0)
        pos += bestLength;
    return best;
}

const QString plainDigit[10] = {QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("2"),
                                QStringLiteral("3"), QStringLiteral("4"), QStringLiteral("5"),
                                QStringLiteral("6"), QStringLiteral("7"), QStringLiteral("8"),
                                QStringLiteral("9")};
} // namespace

QString ShortDatePattern(const QLocale& locale) {
    QVector<Token> list = tokens(locale.dateFormat(QLocale::ShortFormat));
    for (Token& token : list)
        if (token.letter == u'y')
            token.run = 4;
    return patternOf(list);
}

QString LongTimePattern(const QLocale& locale) {
    QVector<Token> list = tokens(locale.timeFormat(QLocale::LongFormat));
    static const QString before = QStringLiteral(" \u00A0\u202F([,");
    static const QString after = QStringLiteral(" \u00A0\u202F)],");
    for (qsizetype i = 0; i < list.size();) {
        if (list[i].letter == u'B') {
            list[i] = Token{u'A', 2, QStringLiteral("AP")};
            continue;
        }
        if (list[i].letter != u't') {
            ++i;
            continue;
        }
        if (i > 0 && list[i - 1].letter.isNull()) {
            QString& text = list[i - 1].text;
            while (!text.isEmpty() && before.contains(text.back()))
                text.chop(1);
        }
        if (i + 1 < list.size() && list[i + 1].letter.isNull()) {
            QString& text = list[i + 1].text;
            while (!text.isEmpty() && after.contains(text.front()))
                text.remove(0, 1);
        }
        list.remove(i);
    }
    list.removeIf([](const Token& t) { return t.letter.isNull() && t.text.isEmpty(); });
    // Blanks at either end of what is left belong to nothing.
    if (!list.isEmpty() && list.front().letter.isNull())
        while (!list.front().text.isEmpty() && isBlank(list.front().text.front()))
            list.front().text.remove(0, 1);
    if (!list.isEmpty() && list.back().letter.isNull())
        while (!list.back().text.isEmpty() && isBlank(list.back().text.back()))
            list.back().text.chop(1);
    return patternOf(list);
}

DatePattern::DatePattern(const QString& pattern, const QLocale& locale) {
    for (int d = 0; d < 10; ++d) {
        digits_[d] = locale.toString(QTime(0, d), QStringLiteral("m"));
        if (digits_[d] != plainDigit[d])
            plainDigits_ = false;
    }
    for (int m = 1; m <= 12; ++m) {
        monthNames_[0][m] = locale.toString(QDate(2001, m, 1), QStringLiteral("MMM"));
        monthNames_[1][m] = locale.toString(QDate(2001, m, 1), QStringLiteral("MMMM"));
    }
    for (int d = 1; d <= 7; ++d) {
        const QDate day = QDate(2001, 1, 1).addDays(d - 1); // a Monday
        dayNames_[0][d] = locale.toString(day, QStringLiteral("ddd"));
        dayNames_[1][d] = locale.toString(day, QStringLiteral("dddd"));
    }
    const QVector<Token> list = tokens(pattern);
    bool twelveHour = false;
    for (const Token& token : list)
        if (token.letter == u'a' || token.letter == u'A' || token.letter == u'B')
            twelveHour = true;
    for (const Token& token : list) {
        auto add = [this](Piece piece) {
            if (piece.kind == Piece::Literal && !pieces_.isEmpty() &&
                pieces_.back().kind == Piece::Literal)
                pieces_.back().text += piece.text;
            else
                pieces_.append(std::move(piece));
        };
        Piece piece;
        if (token.letter.isNull()) {
            piece.text = token.text;
            add(piece);
            continue;
        }
        int run = token.run;
        switch (token.letter.unicode()) {
        case 'd':
        case 'M':
            piece.kind = token.letter == u'd' ? (run >= 3 ? Piece::DayName : Piece::Day)
                                              : (run >= 3 ? Piece::MonthName : Piece::Month);
            piece.width = std::min(run, 4);
            add(piece);
            if (run > 4)
                add(Piece{Piece::Literal, 1, false, QString(run - 4, token.letter), QString()});
            break;
        case 'y':
            // As Qt reads years: four letters, else two, a lone letter is literal text.
            while (run > 0) {
                const int take = run >= 4 ? 4 : run >= 2 ? 2 : 0;
                if (take == 0) {
                    add(Piece{Piece::Literal, 1, false, QStringLiteral("y"), QString()});
                    break;
                }
                add(Piece{Piece::Year, take, false, QString(), QString()});
                run -= take;
            }
            break;
        case 'h':
        case 'H':
        case 'm':
        case 's':
            piece.kind = token.letter == u'm'   ? Piece::Minute
                         : token.letter == u's' ? Piece::Second
                                                : Piece::Hour;
            piece.width = std::min(run, 2);
            piece.twelveHour = token.letter == u'h' && twelveHour;
            add(piece);
            for (int extra = run - 2; extra > 0; extra -= 2) {
                Piece again = piece;
                again.width = std::min(extra, 2);
                add(again);
            }
            break;
        case 'z':
            piece.kind = Piece::Millisecond;
            piece.width = run >= 3 ? 3 : 1;
            add(piece);
            break;
        case 'a':
        case 'A':
        case 'B': {
            const QString key = token.letter == u'B' ? QStringLiteral("AP") : token.text;
            piece.kind = Piece::DayPeriod;
            piece.text = locale.toString(QTime(0, 0), key);
            piece.pm = locale.toString(QTime(12, 0), key);
            add(piece);
            break;
        }
        case 't':
            break; // the times are naive: no zone to show
        }
    }
}

QString DatePattern::Number(int number, int width) const {
    return inDigits(QString::number(number).rightJustified(width, u'0'));
}

QString DatePattern::inDigits(const QString& plain) const {
    if (plainDigits_)
        return plain;
    QString out;
    for (QChar c : plain)
        out += c >= u'0' && c <= u'9' ? digits_[c.unicode() - '0'] : QString(c);
    return out;
}

void DatePattern::Append(QString& out, QDate date, QTime time) const {
    for (const Piece& piece : pieces_) {
        switch (piece.kind) {
        case Piece::Literal:
            out += piece.text;
            break;
        case Piece::Day:
            out += Number(date.day(), piece.width);
            break;
        case Piece::DayName:
            out += dayNames_[piece.width == 4 ? 1 : 0][date.dayOfWeek()];
            break;
        case Piece::Month:
            out += Number(date.month(), piece.width);
            break;
        case Piece::MonthName:
            out += monthNames_[piece.width == 4 ? 1 : 0][date.month()];
            break;
        case Piece::Year:
            out += piece.width == 2 ? Number(date.year() % 100, 2) : Number(date.year(), 4);
            break;
        case Piece::Hour: {
            int hour = time.hour();
            if (piece.twelveHour)
                hour = hour % 12 == 0 ? 12 : hour % 12;
            out += Number(hour, piece.width);
            break;
        }
        case Piece::Minute:
            out += Number(time.minute(), piece.width);
            break;
        case Piece::Second:
            out += Number(time.second(), piece.width);
            break;
        case Piece::Millisecond:
            if (piece.width == 3) {
                out += Number(time.msec(), 3);
            } else {
                QString ms = QString::number(time.msec()).rightJustified(3, u'0');
                while (ms.size() > 1 && ms.endsWith(u'0'))
                    ms.chop(1);
                out += inDigits(ms);
            }
            break;
        case Piece::DayPeriod:
            out += time.hour() < 12 ? piece.text : piece.pm;
            break;
        }
    }
}

QString DatePattern::Text(QDate date, QTime time) const {
    QString out;
    Append(out, date, time);
    return out;
}

bool DatePattern::readNumber(QStringView text, qsizetype& pos, int maxDigits, int* value,
                             int* digits) const {
    skipIgnorable(text, pos);
    int number = 0;
    int count = 0;
    while (count < maxDigits && pos < text.size()) {
        int digit = -1;
        qsizetype length = 1;
        const QChar c = text.at(pos);
        if (c >= u'0' && c <= u'9') {
            digit = c.unicode() - '0';
        } else if (!plainDigits_) {
            for (int d = 0; d < 10 && digit < 0; ++d)
                if (!digits_[d].isEmpty() && text.mid(pos).startsWith(digits_[d])) {
                    digit = d;
                    length = digits_[d].size();
                }
        }
        if (digit < 0)
            break;
        number = number * 10 + digit;
        ++count;
        pos += length;
    }
    *value = number;
    if (digits)
        *digits = count;
    return count > 0;
}

bool DatePattern::Read(QStringView text, qsizetype& pos, QDate* date, QTime* time) const {
    qsizetype p = pos;
    int day = date ? date->day() : 1;
    int month = date ? date->month() : 1;
    int year = date ? date->year() : 2000;
    int hour = time ? time->hour() : 0;
    int minute = time ? time->minute() : 0;
    int second = time ? time->second() : 0;
    int msec = 0;
    int period = -1; // 0 morning, 1 afternoon
    bool twelveHour = false;
    bool anyDate = false;
    bool anyTime = false;
    bool noSeconds = false;
    for (qsizetype i = 0; i < pieces_.size(); ++i) {
        const Piece& piece = pieces_[i];
        switch (piece.kind) {
        case Piece::Literal: {
            const bool beforeSeconds =
                i + 1 < pieces_.size() && pieces_[i + 1].kind == Piece::Second;
            const bool afterMissingSeconds =
                noSeconds && i > 0 && pieces_[i - 1].kind == Piece::Second;
            if (readLiteral(text, p, piece.text) || afterMissingSeconds)
                break;
            if (!beforeSeconds)
                return false;
            // No seconds: leave out the literal, the seconds and their fractions.
            second = 0;
            ++i;
            while (i + 1 < pieces_.size() && pieces_[i + 1].kind == Piece::Millisecond)
                ++i;
            break;
        }
        case Piece::Day:
            if (!readNumber(text, p, 2, &day, nullptr))
                return false;
            anyDate = true;
            break;
        case Piece::Month:
            if (!readNumber(text, p, 2, &month, nullptr))
                return false;
            anyDate = true;
            break;
        case Piece::Year: {
            int digits = 0;
            if (!readNumber(text, p, 4, &year, &digits))
                return false;
            if (digits <= 2)
                year += year < 30 ? 2000 : 1900; // the window of two-digit years
            anyDate = true;
            break;
        }
        case Piece::DayName: {
            QVector<std::pair<QString, int>> names;
            for (int k = 0; k < 2; ++k)
                for (int d = 1; d <= 7; ++d)
                    names.append({dayNames_[k][d], d});
            if (readName(text, p, names) < 0)
                return false;
            break;
        }
        case Piece::MonthName: {
            QVector<std::pair<QString, int>> names;
            for (int k = 0; k < 2; ++k)
                for (int m = 1; m <= 12; ++m)
                    names.append({monthNames_[k][m], m});
            const int m = readName(text, p, names);
            if (m < 0 && !readNumber(text, p, 2, &month, nullptr))
                return false;
            if (m > 0)
                month = m;
            anyDate = true;
            break;
        }
        case Piece::Hour:
            if (!readNumber(text, p, 2, &hour, nullptr))
                return false;
            twelveHour = twelveHour || piece.twelveHour;
            anyTime = true;
            break;
        case Piece::Minute:
            if (!readNumber(text, p, 2, &minute, nullptr))
                return false;
            anyTime = true;
            break;
        case Piece::Second:
            if (!readNumber(text, p, 2, &second, nullptr)) {
                second = 0;
                noSeconds = true;
            }
            anyTime = true;
            break;
        case Piece::Millisecond: {
            int digits = 0;
            if (readNumber(text, p, 3, &msec, &digits))
                for (; digits < 3; ++digits)
                    msec *= 10;
            break;
        }
        case Piece::DayPeriod: {
            const QVector<std::pair<QString, int>> names = {{piece.text, 0},
                                                            {piece.pm, 1},
                                                            {QStringLiteral("AM"), 0},
                                                            {QStringLiteral("PM"), 1}};
            period = readName(text, p, names);
            if (period < 0)
                return false;
            anyTime = true;
            break;
        }
        }
    }
    if (period >= 0 || twelveHour) {
        if (period >= 0 && (hour < 1 || hour > 12))
            return false;
        if (period == 0 && hour == 12)
            hour = 0;
        else if (period == 1 && hour < 12)
            hour += 12;
    }
    if (anyDate) {
        const QDate read(year, month, day);
        if (!read.isValid() || !date)
            return false;
        *date = read;
    }
    if (anyTime) {
        const QTime read(hour, minute, second, msec);
        if (!read.isValid() || !time)
            return false;
        *time = read;
    }
    pos = p;
    return true;
}

GeneralDateFormat::GeneralDateFormat(const QLocale& locale)
    : locale_(locale), date_(ShortDatePattern(locale), locale),
      time_(LongTimePattern(locale), locale) {}

QString GeneralDateFormat::Text(const QDateTime& when) const {
    if (!when.isValid())
        return QString();
    QString out = date_.Text(when.date());
    if (when.time() != QTime(0, 0)) {
        out += u' ';
        time_.Append(out, when.date(), when.time());
    }
    return out;
}

QString GeneralDateFormat::DateAndTime(const QDateTime& when) const {
    if (!when.isValid())
        return QString();
    QString out = date_.Text(when.date());
    out += u' ';
    time_.Append(out, when.date(), when.time());
    return out;
}

QDateTime GeneralDateFormat::Read(QStringView text, bool timeAlone) const {
    qsizetype begin = 0;
    skipBlanks(text, begin);
    qsizetype end = text.size();
    while (end > begin && (isBlank(text.at(end - 1)) || isIgnorable(text.at(end - 1))))
        --end;
    const QStringView body = text.sliced(begin, end - begin);
    if (body.isEmpty())
        return QDateTime();
    QDate date(2000, 1, 1);
    QTime time(0, 0);
    qsizetype pos = 0;
    if (date_.Read(body, pos, &date, nullptr)) {
        skipBlanks(body, pos);
        if (pos == body.size())
            return QDateTime(date, QTime(0, 0), Qt::UTC);
        if (time_.Read(body, pos, nullptr, &time) && pos == body.size())
            return QDateTime(date, time, Qt::UTC);
    }
    if (timeAlone) {
        pos = 0;
        time = QTime(0, 0);
        if (time_.Read(body, pos, nullptr, &time) && pos == body.size())
            return QDateTime(QDate(1899, 12, 30), time, Qt::UTC);
    }
    return QDateTime();
}

const GeneralDateFormat& GeneralFormatOf(const QLocale& locale) {
    thread_local std::unique_ptr<GeneralDateFormat> last;
    if (!last || !(last->Locale() == locale) ||
        last->Locale().dateFormat(QLocale::ShortFormat) != locale.dateFormat(QLocale::ShortFormat))
        last = std::make_unique<GeneralDateFormat>(locale);
    return *last;
}
