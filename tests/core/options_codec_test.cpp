#include "core/options.h"

#include <QtEndian>

#include <gtest/gtest.h>

#include <limits>

namespace {
// A record whose every field holds a value of its own, so that a field written at the
// wrong place shows as a wrong byte.
OptionsRecord distinctRecord() {
    OptionsRecord r;
    r.CommPort = 7;
    r.Language = 1;
    r.ConnectOnStart = true;
    r.SeriesColor = {0x00FF0000, 0x000000FF, 0x0000FFFF, 0x00FF00FF};
    r.GraphColor5 = 0x00112233;
    r.GraphColor4 = 0x00445566;
    r.GraphColor6 = 0x00778899;
    r.Spare1 = -2;
    r.DrawingColor = 0x00ABCDEF;
    r.Spare2 = 0xFF;
    r.LowRangeColor = 0xC000;
    r.HighRangeColor = 0x00FEDCBA;
    r.WindowState = 2;
    for (int i = 0; i < 5; ++i)
        r.MRU[i] = QStringLiteral("/data/session%1.log").arg(i).leftJustified(OptionsTextLength);
    r.LastFolder = QStringLiteral("/home/misure").leftJustified(OptionsTextLength);
    r.InfoPaneDocked = false;
    r.InfoPaneVisible = true;
    r.ShowWarningsOnLoad = false;
    r.OpenGraphTeOnLoad = true;
    r.OpenGraphStOnLoad = true;
    r.OpenSourceOnLoad = false;
    r.WarnOnDate = true;
    r.Threshold = 0.2f;
    r.ThresholdColor = 0x00102030;
    r.MemorySize = 65536;
    r.DefaultsMade = false;
    return r;
}

QByteArray at(const QByteArray& bytes, int offset, int count) {
    return bytes.mid(offset, count);
}
QByteArray hex(const char* text) {
    return QByteArray::fromHex(text);
}

void expectSameRecord(const OptionsRecord& a, const OptionsRecord& b) {
    EXPECT_EQ(a.CommPort, b.CommPort);
    EXPECT_EQ(a.Language, b.Language);
    EXPECT_EQ(a.ConnectOnStart, b.ConnectOnStart);
    EXPECT_EQ(a.SeriesColor, b.SeriesColor);
    EXPECT_EQ(a.GraphColor5, b.GraphColor5);
    EXPECT_EQ(a.GraphColor4, b.GraphColor4);
    EXPECT_EQ(a.GraphColor6, b.GraphColor6);
    EXPECT_EQ(a.Spare1, b.Spare1);
    EXPECT_EQ(a.DrawingColor, b.DrawingColor);
    EXPECT_EQ(a.Spare2, b.Spare2);
    EXPECT_EQ(a.LowRangeColor, b.LowRangeColor);
    EXPECT_EQ(a.HighRangeColor, b.HighRangeColor);
    EXPECT_EQ(a.WindowState, b.WindowState);
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(a.MRU[i], b.MRU[i]) << "MRU " << i;
    EXPECT_EQ(a.LastFolder, b.LastFolder);
    EXPECT_EQ(a.InfoPaneDocked, b.InfoPaneDocked);
    EXPECT_EQ(a.InfoPaneVisible, b.InfoPaneVisible);
    EXPECT_EQ(a.ShowWarningsOnLoad, b.ShowWarningsOnLoad);
    EXPECT_EQ(a.OpenGraphTeOnLoad, b.OpenGraphTeOnLoad);
    EXPECT_EQ(a.OpenGraphStOnLoad, b.OpenGraphStOnLoad);
    EXPECT_EQ(a.OpenSourceOnLoad, b.OpenSourceOnLoad);
    EXPECT_EQ(a.WarnOnDate, b.WarnOnDate);
    EXPECT_EQ(a.Threshold, b.Threshold);
    EXPECT_EQ(a.ThresholdColor, b.ThresholdColor);
    EXPECT_EQ(a.MemorySize, b.MemorySize);
    EXPECT_EQ(a.DefaultsMade, b.DefaultsMade);
}
} // namespace

TEST(OptionsCodec, FieldsLieAtTheirFileOffsets) {
    const QByteArray bytes = OptionsToBytes(distinctRecord());
    ASSERT_EQ(bytes.size(), 24658);

    struct Case {
        int offset;
        const char* expected;
        const char* field;
    };
    const Case cases[] = {
        {0, "07", "CommPort"},
        {1, "01", "Language"},
        {2, "ffff", "ConnectOnStart"},
        {4, "0000ff00", "SeriesColor(0), blue"},
        {8, "ff000000", "SeriesColor(1), red"},
        {12, "ffff0000", "SeriesColor(2)"},
        {16, "ff00ff00", "SeriesColor(3)"},
        {20, "33221100", "GraphColor5"},
        {24, "66554400", "GraphColor4"},
        {28, "99887700", "GraphColor6"},
        {32, "feffffff", "Spare1"},
        {36, "efcdab00", "DrawingColor"},
        {40, "ff000000", "Spare2"},
        {44, "00c00000", "LowRangeColor"},
        {48, "badcfe00", "HighRangeColor"},
        {52, "0200", "WindowState"},
        {24630, "0000", "InfoPaneDocked"},
        {24632, "ffff", "InfoPaneVisible"},
        {24634, "0000", "ShowWarningsOnLoad"},
        {24636, "ffff", "OpenGraphTeOnLoad"},
        {24638, "ffff", "OpenGraphStOnLoad"},
        {24640, "0000", "OpenSourceOnLoad"},
        {24642, "ffff", "WarnOnDate"},
        {24644, "cdcc4c3e", "Threshold 0.2"},
        {24648, "30201000", "ThresholdColor"},
        {24652, "00000100", "MemorySize 65536"},
        {24656, "0000", "DefaultsMade"},
    };
    for (const Case& c : cases) {
        const QByteArray want = hex(c.expected);
        EXPECT_EQ(at(bytes, c.offset, want.size()).toHex(), want.toHex()) << c.field;
    }

    // The fixed texts: each starts at its offset and is padded with blanks to 4096 bytes.
    const int textOffsets[] = {54, 4150, 8246, 12342, 16438};
    for (int i = 0; i < 5; ++i) {
        const QByteArray name = QStringLiteral("/data/session%1.log").arg(i).toUtf8();
        EXPECT_EQ(at(bytes, textOffsets[i], name.size()), name) << "MRU " << i;
        EXPECT_EQ(at(bytes, textOffsets[i] + name.size(), 4096 - name.size()),
                  QByteArray(4096 - name.size(), ' '))
            << "MRU " << i;
    }
    EXPECT_EQ(at(bytes, 20534, 12), QByteArray("/home/misure"));
    EXPECT_EQ(bytes.at(20534 + 4095), ' ');
}

TEST(OptionsCodec, ReadingBackGivesEveryFieldUnchanged) {
    const OptionsRecord written = distinctRecord();
    OptionsRecord read;
    ASSERT_TRUE(OptionsFromBytes(OptionsToBytes(written), read));
    expectSameRecord(read, written);

    OptionsRecord defaults;
    SetDefaultOptions(defaults);
    ASSERT_TRUE(OptionsFromBytes(OptionsToBytes(defaults), read));
    expectSameRecord(read, defaults);
}

TEST(OptionsCodec, AnyNonZeroBooleanReadsAsTrue) {
    QByteArray bytes = OptionsToBytes(distinctRecord());
    bytes[24630] = 1; // InfoPaneDocked as 1 instead of -1
    bytes[24631] = 0;
    OptionsRecord read;
    ASSERT_TRUE(OptionsFromBytes(bytes, read));
    EXPECT_TRUE(read.InfoPaneDocked);
    EXPECT_EQ(at(OptionsToBytes(read), 24630, 2).toHex(), QByteArray("ffff"));
}

TEST(OptionsCodec, TextsAreUtf8CutAtACharacterBoundary) {
    OptionsRecord r = distinctRecord();
    // 4095 blanks' worth of ASCII and then a two-byte character that does not fit.
    r.LastFolder = QString(4095, u'a') + QStringLiteral("è");
    const QByteArray bytes = OptionsToBytes(r);
    ASSERT_EQ(bytes.size(), 24658);
    EXPECT_EQ(at(bytes, 20534, 4096), QByteArray(4095, 'a') + ' ');
    EXPECT_EQ(at(bytes, 24630, 2).toHex(), QByteArray("0000")) << "the next field moved";

    r.MRU[1] = QStringLiteral("/dati/misure_città.log");
    OptionsRecord read;
    ASSERT_TRUE(OptionsFromBytes(OptionsToBytes(r), read));
    EXPECT_EQ(read.MRU[1].trimmed(), QStringLiteral("/dati/misure_città.log"));
    EXPECT_EQ(read.MRU[1].size(), 4096);
}

TEST(OptionsCodec, TextsThatAreNotUtf8ReadAsWindows1252) {
    QByteArray bytes = OptionsToBytes(distinctRecord());
    const QByteArray old = "C:\\Misure\\citt\xe0 \x80.log";
    bytes.replace(4150, old.size(), old);
    OptionsRecord read;
    ASSERT_TRUE(OptionsFromBytes(bytes, read));
    EXPECT_EQ(read.MRU[1].trimmed(), QStringLiteral("C:\\Misure\\città €.log"));
}

TEST(OptionsCodec, ZeroBytesInATextReadAsBlanks) {
    QByteArray bytes = OptionsToBytes(distinctRecord());
    bytes.replace(20534, 4096, QByteArray("/tmp") + QByteArray(4092, '\0'));
    OptionsRecord read;
    ASSERT_TRUE(OptionsFromBytes(bytes, read));
    EXPECT_EQ(read.LastFolder.trimmed(), QStringLiteral("/tmp"));
}

TEST(OptionsCodec, OnlyARecordOfTheExactSizeIsRead) {
    const QByteArray good = OptionsToBytes(distinctRecord());
    for (int size : {0, 54, 24657, 24659, 49316}) {
        QByteArray bytes = good.left(size);
        if (size > good.size())
            bytes = good + QByteArray(size - good.size(), '\0');
        OptionsRecord read = distinctRecord();
        read.CommPort = 3;
        EXPECT_FALSE(OptionsFromBytes(bytes, read)) << size;
        EXPECT_EQ(read.CommPort, 3) << "record changed by a refused read of " << size;
    }
}

TEST(OptionsRecordTest, OutOfRangeFieldsTakeTheirDefaults) {
    struct Case {
        const char* what;
        void (*spoil)(OptionsRecord&);
        bool (*isDefault)(const OptionsRecord&);
    };
    const Case cases[] = {
        {"port 0", [](OptionsRecord& r) { r.CommPort = 0; },
         [](const OptionsRecord& r) { return r.CommPort == 1; }},
        {"port 11", [](OptionsRecord& r) { r.CommPort = 11; },
         [](const OptionsRecord& r) { return r.CommPort == 1; }},
        {"language 2", [](OptionsRecord& r) { r.Language = 2; },
         [](const OptionsRecord& r) { return r.Language == 0; }},
        {"language 7", [](OptionsRecord& r) { r.Language = 7; },
         [](const OptionsRecord& r) { return r.Language == 0; }},
        {"window state 3", [](OptionsRecord& r) { r.WindowState = 3; },
         [](const OptionsRecord& r) { return r.WindowState == 0; }},
        {"window state -1", [](OptionsRecord& r) { r.WindowState = -1; },
         [](const OptionsRecord& r) { return r.WindowState == 0; }},
        {"memory 0", [](OptionsRecord& r) { r.MemorySize = 0; },
         [](const OptionsRecord& r) { return r.MemorySize == 65536; }},
        {"memory 12345", [](OptionsRecord& r) { r.MemorySize = 12345; },
         [](const OptionsRecord& r) { return r.MemorySize == 65536; }},
        {"threshold -1", [](OptionsRecord& r) { r.Threshold = -1.0f; },
         [](const OptionsRecord& r) { return r.Threshold == 0.2f; }},
        {"threshold 250", [](OptionsRecord& r) { r.Threshold = 250.0f; },
         [](const OptionsRecord& r) { return r.Threshold == 0.2f; }},
        {"threshold NaN",
         [](OptionsRecord& r) { r.Threshold = std::numeric_limits<float>::quiet_NaN(); },
         [](const OptionsRecord& r) { return r.Threshold == 0.2f; }},
    };
    for (const Case& c : cases) {
        OptionsRecord r = distinctRecord();
        c.spoil(r);
        EXPECT_TRUE(DefaultOutOfRangeOptions(r)) << c.what;
        EXPECT_TRUE(c.isDefault(r)) << c.what;
        OptionsRecord untouched = distinctRecord();
        c.spoil(untouched);
        c.spoil(r); // only the spoilt field may differ
        EXPECT_EQ(OptionsToBytes(r), OptionsToBytes(untouched)) << c.what;
    }

    OptionsRecord edges = distinctRecord();
    edges.CommPort = 10;
    edges.WindowState = 1;
    edges.MemorySize = 4096;
    edges.Threshold = 200.0f;
    EXPECT_FALSE(DefaultOutOfRangeOptions(edges));
}
