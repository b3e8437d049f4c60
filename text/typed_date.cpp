#include "text/typed_date.h"

#include "text/date_pattern.h"

#include <QRegularExpression>

namespace {
// Reads the whole text with pattern; an invalid date when anything is left over.
QDate readWhole(QStringView text, const QString& pattern, const QLocale& locale) {
    const DatePattern reader(pattern, locale);
    QDate date(2000, 1, 1);
    qsizetype pos = 0;
    if (!reader.Read(text, pos, &date, nullptr) || pos != text.size())
        return QDate();
    return date;
}
} // namespace

QString DropDateWords(const QString& text) {
    static const QRegularExpression de(QStringLiteral(" de "),
                                       QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression of(QStringLiteral(" of "),
                                       QRegularExpression::CaseInsensitiveOption);
    QString cleaned = text;
    cleaned.replace(de, QStringLiteral(" "));
    cleaned.replace(of, QStringLiteral(" "));
    return cleaned;
}

QDate ReadTypedDate(const QString& text, const QLocale& locale) {
    const QString body = DropDateWords(text).simplified();
    if (body.isEmpty())
        return QDate();
    // The month field of the long form takes a full name, a short one or a number.
    for (const QString& pattern : {ShortDatePattern(locale), QStringLiteral("d MMMM yyyy")}) {
        const QDate date = readWhole(body, pattern, locale);
        if (date.isValid())
            return date;
    }
    return QDate();
}

QString ShortDateText(QDate date, const QLocale& locale) {
    return date.isValid() ? DatePattern(ShortDatePattern(locale), locale).Text(date) : QString();
}

QString LongDateText(QDate date, const QLocale& locale) {
    return date.isValid() ? DatePattern(QStringLiteral("d MMMM yyyy"), locale).Text(date)
                          : QString();
}
