#include "shell/about/about_texts.h"
#include "shell/about/access_code.h"

#include <gtest/gtest.h>

#include <limits>

TEST(AboutTexts, MemoryLabelInKilobits) {
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    const QLocale italian(QLocale::Italian, QLocale::Italy);
    struct Case {
        qint32 bytes;
        const QLocale* locale;
        const char* text;
    };
    const Case cases[] = {
        {4096, &english, "Memory : 32 Kbit"},
        {8192, &english, "Memory : 64 Kbit"},
        {32768, &english, "Memory : 256 Kbit"},
        {65536, &english, "Memory : 512 Kbit"},
        {65536, &italian, "Memory : 512 Kbit"},
        {100, &english, "Memory : 0.78125 Kbit"},
        {100, &italian, "Memory : 0,78125 Kbit"},
        {0, &english, "Memory : 0 Kbit"},
        // Sizes whose bit count does not fit 32 bits (a damaged options file).
        {std::numeric_limits<qint32>::max(), &english, "Memory : 16777215.9921875 Kbit"},
        {std::numeric_limits<qint32>::min(), &english, "Memory : -16777216 Kbit"},
        {268435456, &italian, "Memory : 2097152 Kbit"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(AboutMemoryText(QStringLiteral("Memory"), c.bytes, *c.locale),
                  QString::fromUtf8(c.text))
            << c.bytes;
}

TEST(AboutTexts, VersionLabel) {
    EXPECT_EQ(AboutVersionText(QStringLiteral("Version"), 1, 2, 3),
              QStringLiteral("KL720 Version : 1.2.3"));
    EXPECT_EQ(AboutVersionText(QStringLiteral("Versione %1"), 10, 0, 7),
              QStringLiteral("KL720 Versione %1 : 10.0.7"));
}

TEST(AccessCode, KeySequences) {
    struct Case {
        const char* keys;
        int count;
    };
    const Case cases[] = {
        {"", 0},
        {"quoxbet", 7},
        {"quox", 4},
        {"xquoxbet", 7},     // a wrong key before the code
        {"quoxzbet", 0},     // a wrong letter in between: "bet" alone matches nothing
        {"quoxzquoxbet", 7}, // typed again from the first letter after the wrong one
        {"qquoxbet", 0},     // the second "q" mismatches and is not taken as a first letter
        {"quoxbetx", 7},     // a key after the whole code leaves it complete
        {"quoxbet\r", 7},    // Enter on the OK button, too
        {"quoxbetquoxbet", 7},
        {"QUOXBET", 0}, // the code is lower case
        {"quoxbe", 6},
    };
    for (const Case& c : cases) {
        AccessCode code;
        for (const char* k = c.keys; *k; ++k)
            code.Press(QLatin1Char(*k));
        EXPECT_EQ(code.Count(), c.count) << c.keys;
        EXPECT_EQ(code.Complete(), c.count == 7) << c.keys;
    }
}
