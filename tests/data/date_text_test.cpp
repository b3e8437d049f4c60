#include "data/dates/date_math.h"
#include "data/dates/date_text.h"

#include <gtest/gtest.h>

namespace {
struct TextCase {
    const char* locale;
    QDateTime when;
    const char* text;
};

TEST(GeneralDateText, ShortDateBlankLongTimeAndMidnightLeftOut) {
    const TextCase cases[] = {
        {"C", NaiveDateTime(2026, 12, 9, 7, 44, 47), "9 Dec 2026 07:44:47"},
        {"C", NaiveDateTime(2026, 12, 9), "9 Dec 2026"},
        {"C", NaiveDateTime(2026, 12, 9, 0, 0, 1), "9 Dec 2026 00:00:01"},
        // The locale's two-digit year keeps its century; no time zone is shown.
        {"it_IT", NaiveDateTime(2026, 12, 9, 7, 44, 47), "09/12/2026 07:44:47"},
        {"en_US", NaiveDateTime(2026, 12, 9, 19, 4, 5), "12/9/2026 7:04:05 PM"},
        {"de_DE", NaiveDateTime(2013, 7, 5), "05.07.2013"},
    };
    for (const TextCase& c : cases) {
        const QLocale locale(QString::fromLatin1(c.locale));
        EXPECT_EQ(GeneralDateText(c.when, locale), QString::fromUtf8(c.text)) << c.locale;
    }
}

TEST(GeneralDateText, ReadsBackWhatItWrites) {
    for (const char* name : {"C", "it_IT", "en_US", "de_DE", "en_GB"}) {
        const QLocale locale(QString::fromLatin1(name));
        for (const QDateTime& when :
             {NaiveDateTime(2026, 3, 29, 2, 30, 0), NaiveDateTime(2012, 2, 29),
              NaiveDateTime(2099, 12, 31, 23, 59, 59), NaiveDateTime(2001, 1, 1, 1, 1, 1)}) {
            const QDateTime read = ReadGeneralDateText(GeneralDateText(when, locale), locale);
            EXPECT_EQ(read, when) << name << " " << when.toString(Qt::ISODate).toStdString();
            EXPECT_EQ(read.timeSpec(), Qt::UTC);
        }
    }
}

TEST(GeneralDateText, TextsThatAreNoDateReadAsInvalid) {
    const QLocale locale(QStringLiteral("it_IT"));
    for (const char* text : {"", "31/02/2026", "09/12/2026 25:00:00", "hello", "09/12/2026 x"})
        EXPECT_FALSE(ReadGeneralDateText(QString::fromLatin1(text), locale).isValid()) << text;
}
} // namespace
