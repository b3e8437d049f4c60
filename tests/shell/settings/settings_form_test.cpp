#include "shell/settings/settings_form.h"

#include <QLocale>

#include <gtest/gtest.h>

namespace {
const QLocale italian(QLocale::Italian, QLocale::Italy);
const QLocale english(QLocale::English, QLocale::UnitedStates);

// A record whose every field the dialog edits differs from its default and from the others.
OptionsRecord unusualRecord() {
    OptionsRecord r;
    SetDefaultOptions(r);
    r.Language = 1;
    r.ConnectOnStart = true;
    r.OpenSourceOnLoad = false;
    r.OpenGraphTeOnLoad = false;
    r.OpenGraphStOnLoad = true;
    r.ShowWarningsOnLoad = false;
    r.WarnOnDate = true;
    r.SeriesColor = {0x010203, 0x040506, 0x070809, 0x0A0B0C};
    r.GraphColor4 = 0x0D0E0F;
    r.GraphColor5 = 0x101112;
    r.GraphColor6 = 0x131415;
    r.ThresholdColor = 0x161718;
    r.Threshold = 0.25f;
    r.MemorySize = 8192;
    return r;
}

// The file offsets at which two records differ.
std::vector<int> changedOffsets(const OptionsRecord& a, const OptionsRecord& b) {
    const QByteArray x = OptionsToBytes(a), y = OptionsToBytes(b);
    std::vector<int> offsets;
    for (int i = 0; i < x.size(); ++i)
        if (x[i] != y[i])
            offsets.push_back(i);
    return offsets;
}
} // namespace

TEST(SettingsForm, ShowingAndStoringBackChangesNoByteOfTheRecord) {
    OptionsRecord defaults;
    SetDefaultOptions(defaults);
    for (const OptionsRecord& stored : {defaults, unusualRecord()}) {
        for (const QLocale& locale : {italian, english}) {
            OptionsRecord back = stored;
            EXPECT_FALSE(ApplySettings(SettingsFromOptions(stored, locale), back, locale));
            EXPECT_TRUE(changedOffsets(stored, back).empty()) << locale.name().toStdString();
        }
    }
}

TEST(SettingsForm, EachColourBoxWritesItsOwnFieldOfTheRecord) {
    // Box order: traces x, y, z, resultant, histogram bars, time graph, statistics graph,
    // threshold line. The file keeps the graph colours in the order 5, 4, 6.
    const int fileOffset[ColorBoxCount] = {4, 8, 12, 16, 24, 20, 28, 24648};
    for (int box = 0; box < ColorBoxCount; ++box) {
        OptionsRecord stored;
        SetDefaultOptions(stored);
        SettingsForm form = SettingsFromOptions(stored);
        form.Colors[static_cast<size_t>(box)] = 0x5A3C1E; // blue 5A, green 3C, red 1E
        OptionsRecord changed = stored;
        ApplySettings(form, changed);
        const std::vector<int> offsets = changedOffsets(stored, changed);
        ASSERT_FALSE(offsets.empty()) << "box " << box;
        EXPECT_EQ(offsets.front(), fileOffset[box]) << "box " << box;
        EXPECT_LE(offsets.back(), fileOffset[box] + 3) << "box " << box;
        EXPECT_EQ(ColorField(changed, box), 0x5A3C1Eu);
        // As the record stores it: red in the low byte.
        EXPECT_EQ(static_cast<quint8>(OptionsToBytes(changed)[fileOffset[box]]), 0x1E);
    }
}

TEST(SettingsForm, ThresholdOptions) {
    struct Case {
        float stored;
        int option;
        const char* italianText;
        const char* englishText;
    };
    const Case cases[] = {
        {0.2f, 0, "", ""},
        {0.5f, 1, "", ""},
        {100.0f, 2, "", ""},
        {0.25f, 3, "0,25", "0.25"},
        {0.2000001f, 3, "0,2000001", "0.2000001"},
        {0.0f, 3, "0", "0"},
        {199.5f, 3, "199,5", "199.5"},
        {0.3f, 3, "0,3", "0.3"}, // the single-precision value, not 0.300000011920929
    };
    for (const Case& c : cases) {
        OptionsRecord r;
        SetDefaultOptions(r);
        r.Threshold = c.stored;
        EXPECT_EQ(SettingsFromOptions(r, italian).ThresholdOption, c.option) << c.stored;
        EXPECT_EQ(SettingsFromOptions(r, italian).ThresholdText, QString::fromUtf8(c.italianText));
        EXPECT_EQ(SettingsFromOptions(r, english).ThresholdText, QString::fromUtf8(c.englishText));
        // What is shown reads back as the value stored.
        OptionsRecord back = r;
        ApplySettings(SettingsFromOptions(r, italian), back, italian);
        EXPECT_EQ(back.Threshold, c.stored);
    }
}

TEST(SettingsForm, CustomThresholdIsReadInTheLocaleAndKeptWithinItsBounds) {
    struct Case {
        const QLocale* locale;
        const char* text;
        float value;
    };
    const Case cases[] = {
        {&italian, "1,5", 1.5f},
        {&english, "1.5", 1.5f},
        {&italian, "", 0.0f},
        {&english, "  ", 0.0f},
        {&italian, "250", 200.0f},
        {&english, "200", 200.0f},
        {&english, "99999999999999999999", 200.0f},
        {&italian, ",", 0.0f},
        {&italian, ",5", 0.5f},
        {&english, "7.", 7.0f},
    };
    for (const Case& c : cases) {
        SettingsForm form;
        form.ThresholdOption = CustomThresholdOption;
        form.ThresholdText = QString::fromUtf8(c.text);
        OptionsRecord r;
        SetDefaultOptions(r);
        ApplySettings(form, r, *c.locale);
        EXPECT_EQ(r.Threshold, c.value) << c.text;
    }
}

TEST(SettingsForm, ThresholdKeyFilterAndBound) {
    struct Case {
        const QLocale* locale;
        const char* typed;
        bool accepted;
        const char* shown;
    };
    const Case cases[] = {
        {&english, "1,5", true, "1.5"}, {&italian, "1.5", true, "1,5"},
        {&italian, "1,5", true, "1,5"}, {&english, "12", true, "12"},
        {&english, "1a", false, ""},    {&english, "-1", false, ""},
        {&english, "1.2.3", false, ""}, {&italian, "1,2.", false, ""},
        {&english, "1e5", false, ""},   {&english, "\u0661", false, ""}, // Arabic-Indic one
        {&english, "", true, ""},
    };
    for (const Case& c : cases) {
        QString text = QString::fromUtf8(c.typed);
        EXPECT_EQ(FilterThresholdText(text, *c.locale), c.accepted) << c.typed;
        if (c.accepted)
            EXPECT_EQ(text, QString::fromUtf8(c.shown)) << c.typed;
    }
    EXPECT_EQ(BoundThresholdText(QStringLiteral("250"), italian), QStringLiteral("200"));
    EXPECT_EQ(BoundThresholdText(QStringLiteral("200,5"), italian), QStringLiteral("200"));
    EXPECT_EQ(BoundThresholdText(QStringLiteral("200"), english), QStringLiteral("200"));
    EXPECT_EQ(BoundThresholdText(QStringLiteral("12.5"), english), QStringLiteral("12.5"));
    EXPECT_EQ(BoundThresholdText(QString(), english), QString());
}

TEST(SettingsForm, ListsSelectOnlyOfferedValuesAndKeepAStrangeStoredOne) {
    struct Case {
        quint8 language;
        qint32 memory;
        int languageItem;
        int memoryItem;
    };
    const Case cases[] = {
        {0, 4096, 0, 0},    {1, 8192, 1, 1},  {0, 32768, 0, 2},    {1, 65536, 1, 3},
        {2, 12345, -1, -1}, {255, 0, -1, -1}, {7, -65536, -1, -1},
    };
    for (const Case& c : cases) {
        OptionsRecord stored;
        SetDefaultOptions(stored);
        stored.Language = c.language;
        stored.MemorySize = c.memory;
        const SettingsForm form = SettingsFromOptions(stored);
        EXPECT_EQ(form.Language, c.languageItem);
        EXPECT_EQ(form.MemoryItem, c.memoryItem);
        // Nothing picked: the stored values stay, whatever they are.
        OptionsRecord back = stored;
        EXPECT_FALSE(ApplySettings(form, back));
        EXPECT_EQ(back.Language, c.language);
        EXPECT_EQ(back.MemorySize, c.memory);
        // Picked: the picked value is stored.
        SettingsForm picked = form;
        picked.Language = 1;
        picked.MemoryItem = 2;
        EXPECT_EQ(ApplySettings(picked, back), c.language != 1);
        EXPECT_EQ(back.Language, 1);
        EXPECT_EQ(back.MemorySize, 32768);
    }
}
