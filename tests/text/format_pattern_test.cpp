#include "text/format_pattern.h"

#include <gtest/gtest.h>

namespace {
const QLocale Italian(QLocale::Italian, QLocale::Italy);
} // namespace

TEST(FormatPattern, HalvesOfTheDecimalTextRoundAwayFromZero) {
    struct Case {
        double value;
        const char* pattern;
        const char* text;
    };
    const Case cases[] = {
        {0.125, "#0.00", "0.13"},
        {2.675, "#0.00", "2.68"},
        {6.25, "0.0", "6.3"},
        {0.25, "#0.0", "0.3"},
        {-0.125, "#0.00", "-0.13"},
        {-3.75, "0.0", "-3.8"},
        {1.005, "0.00", "1.01"},
        {0.135, "#0.00", "0.14"},
        {0.0, "#0.00", "0.00"},
        {1234.5, "#0.00", "1234.50"},
        {9.995, "#0.00", "10.00"},
        {0.5, "#.0000", ".5000"},
        {0.0, "#.0000", ".0000"},
        {0.00005, "#.0000", ".0001"},
        {-0.5, "#.0000", "-.5000"},
        {-0.00004, "#.0000", ".0000"},
        {-0.001, "#0.00", "0.00"},
        {1.23, "  #0.00", "  1.23"},
        {-1.0, "  #0.00", "  -1.00"},
        {1.23, "#0.00 ", "1.23 "},
        {0.004999, "#0.00", "0.00"},
        {12.0, "0.0", "12.0"},
        {123456789.0, "0.0", "123456789.0"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FormatPattern(c.value, QString::fromLatin1(c.pattern), QLocale::c()),
                  QLatin1String(c.text))
            << c.value << " " << c.pattern;
}

TEST(FormatPattern, SinglesRoundAsTheirSevenDigitsRead) {
    // The single nearest 2.675 is 2.6749999523; its own text is 2.675.
    EXPECT_EQ(FormatPattern(2.675f, u"#0.00", QLocale::c()), QStringLiteral("2.68"));
    EXPECT_EQ(FormatPattern(0.125f, u"#0.00", QLocale::c()), QStringLiteral("0.13"));
    EXPECT_EQ(FormatPattern(0.35f, u"0.0", QLocale::c()), QStringLiteral("0.4"));
    EXPECT_EQ(FormatPattern(6.25f, u"0.0", QLocale::c()), QStringLiteral("6.3"));
    EXPECT_EQ(FormatPattern(0.3f, u"#0.00", QLocale::c()), QStringLiteral("0.30"));
    EXPECT_EQ(FormatPattern(0.15f, u"#0.0", QLocale::c()), QStringLiteral("0.2"));
}

TEST(FormatPattern, TheLocaleGivesSeparatorDigitsAndSignButNoGroups) {
    EXPECT_EQ(FormatPattern(1234.5, u"#0.00", Italian), QStringLiteral("1234,50"));
    EXPECT_EQ(FormatPattern(-0.125, u"#0.00", Italian), QStringLiteral("-0,13"));
    const QLocale arabic(QLocale::Arabic, QLocale::Egypt);
    EXPECT_EQ(FormatPattern(1.5, u"#0.00", arabic),
              arabic.toString(1) + arabic.decimalPoint() + arabic.toString(5) + arabic.toString(0));
    EXPECT_EQ(FormatPatternAscii(0.125, u"0.00 ", u','), QStringLiteral("0,13 "));
}
