#include "text/date_math.h"
#include "text/display_texts.h"

#include "tests/support/c_numeric_locale.h"

#include <gtest/gtest.h>

namespace {
const QLocale Italian(QLocale::Italian, QLocale::Italy);
const QLocale American(QLocale::English, QLocale::UnitedStates);
} // namespace

TEST(DisplayTexts, GeneralDateHasAFourDigitYearAndNoZoneName) {
    const QDateTime when = NaiveDateTime(2026, 12, 9, 7, 44, 47);
    EXPECT_EQ(GeneralDateText(when, Italian), QStringLiteral("09/12/2026 07:44:47"));
    EXPECT_EQ(GeneralDateText(when, American), QStringLiteral("12/9/2026 7:44:47 AM"));
    EXPECT_EQ(GeneralDateText(when, QLocale::c()), QStringLiteral("9 Dec 2026 07:44:47"));
}

TEST(DisplayTexts, GeneralDateLeavesOutMidnight) {
    EXPECT_EQ(GeneralDateText(NaiveDateTime(2026, 1, 2), Italian), QStringLiteral("02/01/2026"));
    EXPECT_EQ(GeneralDateText(NaiveDateTime(2026, 1, 2, 0, 0, 1), Italian),
              QStringLiteral("02/01/2026 00:00:01"));
    EXPECT_EQ(GeneralDateText(QDateTime(), Italian), QString());
}

TEST(DisplayTexts, RoundedFiguresRoundTheirDecimalTextHalvesToEven) {
    struct Case {
        double value;
        int decimals;
        const char* rounded;
    };
    const Case doubles[] = {
        {0.0, 2, "0"},
        {1234.5, 2, "1234.5"},
        {0.25, 1, "0.2"},
        {0.35, 1, "0.4"},
        {2.675, 2, "2.68"},
        {0.125, 2, "0.12"},
        {-0.001, 2, "0"},
        {12.0, 1, "12"},
        {-3.75, 1, "-3.8"},
        {9.96, 1, "10"},
        {0.005, 2, "0"},
        {0.0051, 2, "0.01"},
        {123456789.0, 1, "123456789"},
        {1e-9, 1, "0"},
    };
    for (const Case& c : doubles)
        EXPECT_EQ(RoundedText(c.value, c.decimals, QLocale::c()), QLatin1String(c.rounded))
            << c.value;
    // Single-precision values round as they read, not as their binary neighbour.
    EXPECT_EQ(RoundedText(0.15f, 1, QLocale::c()), QStringLiteral("0.2"));
    EXPECT_EQ(RoundedText(1234.25, 1, Italian), QStringLiteral("1234,2"));
}

// The C library's number locale is the user's once the application object starts; the
// figures must not follow it (under "," a "." text would read back cut at the point).
TEST(DisplayTexts, RoundedFiguresIgnoreTheCLibrarysNumberLocale) {
    const CNumericLocale italianNumbers("it_IT.UTF-8");
    ASSERT_TRUE(italianNumbers.Applied()) << "it_IT.UTF-8 is missing: scripts/deps makes it";
    struct Case {
        double value;
        int decimals;
        const char* c;
        const char* italian;
    };
    const Case cases[] = {
        {0.5, 2, "0.5", "0,5"},     {285.59, 2, "285.59", "285,59"},
        {24.5, 1, "24.5", "24,5"},  {1.5, 1, "1.5", "1,5"},
        {0.25, 1, "0.2", "0,2"},    {2.675, 2, "2.68", "2,68"},
        {-3.75, 1, "-3.8", "-3,8"}, {9.96, 1, "10", "10"},
        {-0.001, 2, "0", "0"},      {1234.25, 1, "1234.2", "1234,2"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(RoundedText(c.value, c.decimals, QLocale::c()).toStdString(), c.c) << c.value;
        EXPECT_EQ(RoundedText(c.value, c.decimals, Italian).toStdString(), c.italian) << c.value;
        EXPECT_EQ(RoundedText(static_cast<float>(c.value), c.decimals, QLocale::c()).toStdString(),
                  c.c)
            << c.value;
    }
}
