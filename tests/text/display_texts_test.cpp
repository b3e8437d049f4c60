#include "text/date_math.h"
#include "text/display_texts.h"

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
