#include "text/date_math.h"
#include "text/date_pattern.h"
#include "text/date_text.h"
#include "text/display_texts.h"
#include "text/file_text_locale.h"

#include <QLocale>

#include <gtest/gtest.h>

namespace {
QList<QLocale> everyLocale() {
    return QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript,
                                    QLocale::AnyTerritory);
}

std::string nameOf(const QLocale& locale) {
    return locale.name().toStdString() + " (" +
           locale.timeFormat(QLocale::LongFormat).toStdString() + ")";
}
} // namespace

TEST(DatePatternEveryLocale, GeneralTextKeepsNothingOfTheTimeZone) {
    const QDateTime when = NaiveDateTime(2026, 12, 9, 19, 4, 7);
    for (const QLocale& locale : everyLocale()) {
        const QString text = GeneralDateText(when, locale);
        const QString time =
            text.mid(locale.toString(when.date(), ShortDatePattern(locale)).size());
        EXPECT_FALSE(time.contains(u'(') || time.contains(u')') || time.contains(u'[') ||
                     time.contains(u']') || time.contains(QStringLiteral("UTC")))
            << nameOf(locale) << " " << text.toStdString();
        EXPECT_FALSE(text.endsWith(u',') || text.endsWith(u' '))
            << nameOf(locale) << " " << text.toStdString();
    }
}

TEST(DatePatternEveryLocale, EverySessionFileTextReadsBackToTheSecond) {
    const QDateTime times[] = {
        NaiveDateTime(2026, 12, 9, 7, 44, 47),
        NaiveDateTime(2026, 12, 9, 19, 4, 7),
        NaiveDateTime(2026, 1, 2),
        NaiveDateTime(2026, 6, 30, 12, 0, 0),
        NaiveDateTime(2026, 6, 30, 0, 0, 1),
        NaiveDateTime(2001, 1, 1, 1, 1, 1),
        NaiveDateTime(1999, 12, 31, 23, 59, 59),
        QDateTime(ZeroDate(), QTime(15, 30, 0), Qt::UTC),
    };
    for (const QLocale& locale : everyLocale()) {
        const FileTextLocale text(locale);
        for (const QDateTime& when : times) {
            const QString written = text.DateTimeText(when);
            QDateTime read;
            ASSERT_TRUE(text.ParseDateTime(written, &read))
                << nameOf(locale) << " " << written.toStdString();
            ASSERT_EQ(read, when) << nameOf(locale) << " " << written.toStdString();
            // The screen's reader takes the screen's text in the same locale.
            if (when.date() != ZeroDate())
                ASSERT_EQ(ReadGeneralDateText(GeneralDateText(when, locale), locale), when)
                    << nameOf(locale);
        }
    }
}

TEST(DatePatternReading, TakesTheDateTimeTextsAPersonWrites) {
    struct Case {
        const char* locale;
        const char* text;
        QDateTime when;
    };
    const QDateTime full = NaiveDateTime(2026, 12, 9, 7, 44, 47);
    const Case cases[] = {
        {"it_IT", "09/12/2026 07:44:47", full},
        {"it_IT", "9/12/2026 7:44:47", full},
        {"it_IT", "09/12/26 07:44:47", full},
        {"it_IT", "09/12/2026 07:44", NaiveDateTime(2026, 12, 9, 7, 44)},
        {"it_IT", "  09/12/2026   07:44:47 ", full},
        {"it_IT", "09/12/2026", NaiveDateTime(2026, 12, 9)},
        {"it_IT", "01/01/01 01:01:01", NaiveDateTime(2001, 1, 1, 1, 1, 1)},
        {"de_DE", "9.12.2026 7:44:47", full},
        {"de_DE", "09.12.26 07:44", NaiveDateTime(2026, 12, 9, 7, 44)},
        {"en_US", "12/9/2026 7:44:47 PM", NaiveDateTime(2026, 12, 9, 19, 44, 47)},
        {"en_US", "12/09/2026 07:44 am", NaiveDateTime(2026, 12, 9, 7, 44)},
        {"en_US", "12/9/2026 12:00:00 AM", NaiveDateTime(2026, 12, 9, 0, 0, 0)},
        {"C", "9 Dec 2026 07:44:47", full},
        {"C", "9 december 2026 7:44:47", full},
    };
    for (const Case& c : cases) {
        const QLocale locale{QLatin1String(c.locale)};
        EXPECT_EQ(ReadGeneralDateText(QLatin1String(c.text), locale), c.when)
            << c.locale << " " << c.text;
        QDateTime read;
        EXPECT_TRUE(FileTextLocale(locale).ParseDateTime(QString::fromLatin1(c.text), &read) &&
                    read == c.when)
            << c.locale << " " << c.text;
    }
}

TEST(DatePatternReading, RefusesWhatIsNoDateTime) {
    const QLocale italian(QStringLiteral("it_IT"));
    for (const char* text : {"", "abc", "31/02/2026 07:44:47", "09/13/2026", "09/12/2026 25:00:00",
                             "09/12/2026 07:61", "09/12/2026 07:44:47 x", "09-12-2026 07:44:47x",
                             "09/12/2026 7", "09/12/2026 07:44:47 PM"}) {
        EXPECT_FALSE(ReadGeneralDateText(QLatin1String(text), italian).isValid()) << text;
        QDateTime read;
        EXPECT_FALSE(FileTextLocale(italian).ParseDateTime(QString::fromLatin1(text), &read))
            << text;
    }
}

TEST(DatePattern, PatternsOfTheScreenAndTheFilesAreTheSame) {
    for (const char* name : {"it_IT", "ca_ES", "zh_TW", "nds_DE", "sq_AL", "en_US"}) {
        const QLocale locale{QLatin1String(name)};
        const QDateTime when = NaiveDateTime(2026, 12, 9, 19, 4, 7);
        EXPECT_EQ(FileTextLocale(locale).DateTimeText(when), GeneralDateText(when, locale)) << name;
    }
    EXPECT_EQ(LongTimePattern(QLocale(QStringLiteral("ca_ES"))), QStringLiteral("H:mm:ss"));
    // A flexible day period shows the morning and afternoon texts, not a letter B.
    EXPECT_EQ(LongTimePattern(QLocale(QStringLiteral("zh_TW"))), QStringLiteral("APh:mm:ss"));
    EXPECT_EQ(ShortDatePattern(QLocale(QStringLiteral("it_IT"))), QStringLiteral("dd/MM/yyyy"));
}
