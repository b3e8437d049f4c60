#include "text/typed_date.h"

#include <QLocale>

#include <gtest/gtest.h>

namespace {
TEST(TypedDate, JoiningWordsBecomeBlanks) {
    const struct {
        const char* typed;
        const char* cleaned;
    } cases[] = {
        {"5 de marzo de 2013", "5 marzo 2013"},
        {"5 OF March 2013", "5 March 2013"},
        {"5 De Marzo dE 2013", "5 Marzo 2013"},
        {"Deborah of", "Deborah of"},  // only whole words between blanks
        {"5 de de 2013", "5 de 2013"}, // the second "de" shares its blank
        {"5 de of 2013", "5 2013"},    // " de " first, then " of " in the result
        {"5/3/2013", "5/3/2013"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DropDateWords(QString::fromUtf8(c.typed)), QString::fromUtf8(c.cleaned))
            << c.typed;
}

TEST(TypedDate, ReadsTheLocalesShortDateAndTheWrittenOutDate) {
    const struct {
        const char* locale;
        const char* typed;
        QDate date; // invalid: no date
    } cases[] = {
        {"it_IT", "05/03/2013", QDate(2013, 3, 5)},
        {"it_IT", "5/3/13", QDate(2013, 3, 5)},
        {"it_IT", "5 marzo 2013", QDate(2013, 3, 5)},
        {"it_IT", "5 de MARZO de 2013", QDate(2013, 3, 5)},
        {"it_IT", "5 mar 2013", QDate(2013, 3, 5)},
        {"it_IT", "  29 febbraio 2012 ", QDate(2012, 2, 29)},
        {"it_IT", "5 3 2013", QDate(2013, 3, 5)},
        {"it_IT", "1/1/30", QDate(1930, 1, 1)}, // two-digit years: 1930..2029
        {"it_IT", "1/1/29", QDate(2029, 1, 1)},
        {"en_US", "3/5/2013", QDate(2013, 3, 5)}, // the locale's order: month first
        {"en_US", "5 of March 2013", QDate(2013, 3, 5)},
        {"es_ES", "5 de marzo de 2013", QDate(2013, 3, 5)},
        // No date: never a swapped day and month, nor a bare time, nor trailing words.
        {"it_IT", "31/02/2013", QDate()},
        {"en_US", "13/5/2013", QDate()},
        {"it_IT", "29 febbraio 2013", QDate()},
        {"it_IT", "10:30", QDate()},
        {"it_IT", "05/03/2013 10:30", QDate()},
        {"it_IT", "5 marzo 2013 x", QDate()},
        {"it_IT", "marzo", QDate()},
        {"it_IT", "oggi", QDate()},
        {"it_IT", "", QDate()},
        {"it_IT", " de ", QDate()},
    };
    for (const auto& c : cases) {
        const QLocale locale(QString::fromLatin1(c.locale));
        EXPECT_EQ(ReadTypedDate(QString::fromUtf8(c.typed), locale), c.date)
            << c.locale << " \"" << c.typed << "\"";
    }
}

TEST(TypedDate, TextsReadBack) {
    for (const char* name : {"it_IT", "en_US", "de_DE", "es_ES", "C"}) {
        const QLocale locale(QString::fromLatin1(name));
        for (const QDate date : {QDate(2013, 3, 5), QDate(2001, 12, 31), QDate(2029, 1, 1)}) {
            EXPECT_EQ(ReadTypedDate(ShortDateText(date, locale), locale), date) << name;
            EXPECT_EQ(ReadTypedDate(LongDateText(date, locale), locale), date) << name;
        }
    }
    const QLocale italian(QStringLiteral("it_IT"));
    EXPECT_EQ(ShortDateText(QDate(2013, 3, 5), italian), QStringLiteral("05/03/2013"));
    EXPECT_EQ(LongDateText(QDate(2013, 3, 5), italian), QStringLiteral("5 marzo 2013"));
    EXPECT_EQ(ShortDateText(QDate(), italian), QString());
}
} // namespace
