#include "text/date_math.h"
#include "text/date_text.h"

#include <gtest/gtest.h>

namespace {
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
