#include "data/upload/memory_image.h"
#include "image_builder.h"
#include "tests/support/default_locale.h"
#include "text/date_math.h"

#include <gtest/gtest.h>

namespace {
const QDateTime Now2026 = NaiveDateTime(2026, 12, 10, 9, 0, 0);

TEST(MemoryImage, SampleValuesOfBothRangesWithTheirTies) {
    struct Case {
        int raw;
        bool high;
        float value;
    };
    const Case cases[] = {
        {0, false, 0.0f},
        {3, false, 0.0f},
        {4, false, 0.01f},
        {64, false, 0.12f},
        {192, false, 0.38f},
        {320, false, 0.62f},
        {256, false, 0.5f},
        {257, false, 0.5f},
        {1024, false, 2.0f},
        {0x0103, false, 0.51f}, // a high byte set: the low-range floor does not apply
        {0, true, 0.0f},
        {1, true, 0.2f},
        {3, true, 0.59f},
        {16, true, 3.12f},
        {48, true, 9.38f},
        {1024, true, 200.0f},
        // Raw values are unsigned: a set top bit is a large value, never a negative one.
        {0x8000, false, 64.0f},
        {0xFFFF, true, 12799.8f},
    };
    for (const Case& c : cases)
        EXPECT_EQ(
            SampleValue(static_cast<quint8>(c.raw >> 8), static_cast<quint8>(c.raw & 0xFF), c.high),
            c.value)
            << c.raw << (c.high ? " high" : " low");
}

TEST(MemoryImage, ResultantOfTheSinglePrecisionComponents) {
    EXPECT_EQ(Resultant(3.0f, 4.0f, 0.0f), 5.0);
    EXPECT_EQ(Resultant(0.5f, 0.5f, 0.5f), 0.87);
    EXPECT_EQ(Resultant(0.01f, 0.0f, 0.0f), 0.01);
    EXPECT_EQ(Resultant(200.0f, 200.0f, 200.0f), 346.41);
}

TEST(MemoryImage, StampYearNearNowAndFieldsCarried) {
    struct Case {
        std::array<quint8, 5> stamp;
        QDateTime now;
        QDateTime expected;
    };
    const Case cases[] = {
        {{0x30, 0x20, 0x10, 0x45, 0x07},
         NaiveDateTime(2013, 8, 1),
         NaiveDateTime(2013, 7, 5, 10, 20, 30)},
        // Two bits of year: the latest year not after now with the same bits.
        {{0x30, 0x20, 0x10, 0x45, 0x07}, Now2026, NaiveDateTime(2025, 7, 5, 10, 20, 30)},
        {{0x00, 0x00, 0x00, 0xC1, 0x01}, Now2026, NaiveDateTime(2023, 1, 1)},
        {{0x00, 0x00, 0x00, 0x81, 0x01}, Now2026, NaiveDateTime(2026, 1, 1)},
        // Hour 24 is the next day; day 0 the month's last day before; month 0 December before.
        {{0x05, 0x00, 0x24, 0x81, 0x03}, Now2026, NaiveDateTime(2026, 3, 2, 0, 0, 5)},
        {{0x00, 0x00, 0x00, 0x00, 0x03}, NaiveDateTime(2012, 6, 1), NaiveDateTime(2012, 2, 29)},
        {{0x00, 0x00, 0x00, 0x71, 0x02}, NaiveDateTime(2013, 6, 1), NaiveDateTime(2013, 3, 3)},
        {{0x00, 0x00, 0x00, 0x81, 0x00}, Now2026, NaiveDateTime(2025, 12, 1)},
        {{0x99, 0x99, 0x10, 0x81, 0x01}, Now2026, NaiveDateTime(2026, 1, 1, 11, 40, 39)},
    };
    for (const Case& c : cases)
        EXPECT_EQ(StampDateTime(c.stamp.data(), c.now), c.expected)
            << c.expected.toString(Qt::ISODate).toStdString();
}

TEST(MemoryImage, HeaderFieldsBecomeTheDataSet) {
    const DefaultLocale cLocale{QLocale::c()}; // the texts below are the C locale's
    ImageBuilder b;
    b.Set(7, {0xF3}).Set(8, {0x15}).Set(20, {3}); // unit code 3 (bits 0-2): minutes, step 15
    b.SetIds("KL720 n.12\xE8", "Site \xFF"
                               "A");
    b.Add(1024, 0, 0, 0).Add(0, 2048, 0, 0).Add(0, 0, 4, 7);
    const UnpackedImage u = UnpackMemoryImage(b.Image(), NaiveDateTime(2013, 8, 1));
    ASSERT_EQ(u.Refusal, ImageRefusal::None);
    const DataSet& d = u.Data;
    EXPECT_TRUE(d.DataPresent);
    EXPECT_FALSE(d.DataSaved);
    EXPECT_EQ(d.DataSourceName, QStringLiteral("Upload"));
    EXPECT_TRUE(d.CurrentFileName.isEmpty());
    EXPECT_EQ(d.StopReason, 3);
    EXPECT_EQ(d.SampleStepUnit, QStringLiteral("n"));
    EXPECT_EQ(d.SampleStep, 15);
    EXPECT_EQ(d.NumSamples, 3);
    EXPECT_EQ(d.IDShort, QStringLiteral("KL720 n.12è     "));
    EXPECT_EQ(d.IDLong, QStringLiteral("Site ÿA").leftJustified(48));
    EXPECT_EQ(d.StartDate, NaiveDateTime(2013, 7, 5, 10, 20, 30));
    EXPECT_EQ(d.DataEndDate, NaiveDateTime(2013, 7, 5, 11, 5, 30));
    EXPECT_EQ(d.StopDate, NoStopDate());
    EXPECT_EQ(d.DataX, (QVector<float>{0.0f, 2.0f, 0.0f, 0.0f}));
    EXPECT_EQ(d.DataY, (QVector<float>{0.0f, 0.0f, 4.0f, 0.0f}));
    EXPECT_EQ(d.DataZ, (QVector<float>{0.0f, 0.0f, 0.0f, 0.78f}));
    EXPECT_EQ(d.DataRes, (QVector<double>{0.0, 2.0, 4.0, 0.78}));
    EXPECT_EQ(SampleTimeTexts(d), (QVector<QString>{"", "5 Jul 2013 10:20:30",
                                                    "5 Jul 2013 10:35:30", "5 Jul 2013 10:50:30"}));
}

TEST(MemoryImage, OptionBitTakesTheSecondStamp) {
    ImageBuilder b;
    b.Set(9, {0x01}).Set(10, {0x00, 0x00, 0x08, 0x86, 0x12}).Add(4, 4, 4, 0);
    const UnpackedImage u = UnpackMemoryImage(b.Image(), Now2026);
    ASSERT_EQ(u.Refusal, ImageRefusal::None);
    EXPECT_EQ(u.Data.StartDate, NaiveDateTime(2026, 12, 6, 8, 0, 0));
}

TEST(MemoryImage, StopTimeFromTheProgrammedStopAddress) {
    struct Case {
        int stopAddress;
        QDateTime expected; // invalid: the data's end
    };
    const QDateTime start = NaiveDateTime(2025, 7, 5, 10, 20, 30);
    const Case cases[] = {
        {0, NoStopDate()},
        {50, NoStopDate()}, // below the header: no records, no stop
        {96 + 7 * 10, start.addSecs(10)},
        {0xFFFF, start.addSecs(9348)},
        {-1, QDateTime()},
    };
    for (const Case& c : cases) {
        ImageBuilder b;
        b.Add(4, 4, 4, 0).Add(4, 4, 4, 0);
        b.SetStop(c.stopAddress < 0 ? 96 + 14 : c.stopAddress);
        const UnpackedImage u = UnpackMemoryImage(b.Image(), Now2026);
        ASSERT_EQ(u.Refusal, ImageRefusal::None);
        EXPECT_EQ(u.Data.StopDate, c.expected.isValid() ? c.expected : u.Data.DataEndDate)
            << c.stopAddress;
    }
}

TEST(MemoryImage, SampleCountBoundedByTheWholeRecordsReceived) {
    struct Case {
        const char* name;
        int records;        // records built
        int address;        // write address in the header (0: just after the records)
        qsizetype truncate; // image bytes kept (0: all)
        qint32 expected;
    };
    const Case cases[] = {
        {"AddressAfterRecords", 3, 0, 0, 3},
        {"PartialLastRecordNotRead", 3, 96 + 7 * 3 + 4, 0, 3}, // rounds to 4, only 3 came
        {"TruncatedTransfer", 10, 0, 96 + 7 * 4 + 3, 4},
        {"AddressBelowWhatCame", 5, 96 + 7 * 2, 0, 2},
    };
    for (const Case& c : cases) {
        ImageBuilder b;
        for (int i = 0; i < c.records; ++i)
            b.Add(4 * (i + 1), 0, 0, 0);
        if (c.address)
            b.SetAddress(c.address);
        if (c.truncate)
            b.Truncate(c.truncate);
        const UnpackedImage u = UnpackMemoryImage(b.Image(), Now2026);
        ASSERT_EQ(u.Refusal, ImageRefusal::None) << c.name;
        EXPECT_EQ(u.Data.NumSamples, c.expected) << c.name;
        EXPECT_EQ(u.Data.DataRes.size(), c.expected + 1) << c.name;
        EXPECT_EQ(u.Data.DataX.last(),
                  static_cast<float>(std::nearbyint(4.0 * c.expected / 512 * 100) / 100))
            << c.name;
    }
}

TEST(MemoryImage, ImagesThatCannotBeADataSetAreRefused) {
    struct Case {
        const char* name;
        ImageBuilder image;
        ImageRefusal why;
    };
    auto withRecord = [] { return ImageBuilder().Add(4, 4, 4, 0); };
    const Case cases[] = {
        {"Empty", ImageBuilder().Truncate(0), ImageRefusal::TooShort},
        {"ShortHeader", withRecord().Truncate(95), ImageRefusal::TooShort},
        {"MarkerByte1", withRecord().Set(29, {'W'}), ImageRefusal::NoMarker},
        {"MarkerByte2", withRecord().Set(30, {'y'}), ImageRefusal::NoMarker},
        {"MarkerByte3", withRecord().Set(31, {0}), ImageRefusal::NoMarker},
        {"EmptyMemory", ImageBuilder(), ImageRefusal::NoSamples},
        {"AddressBelowHeader", withRecord().SetAddress(10), ImageRefusal::NoSamples},
        {"AddressWithoutRecords", ImageBuilder().SetAddress(96 + 7 * 5), ImageRefusal::NoSamples},
        {"Unit0", withRecord().Set(7, {0}), ImageRefusal::BadUnit},
        {"Unit1", withRecord().Set(7, {1}), ImageRefusal::BadUnit},
        {"Unit6", withRecord().Set(7, {6}), ImageRefusal::BadUnit},
        {"Unit7", withRecord().Set(7, {0xFF}), ImageRefusal::BadUnit},
        {"Step0", withRecord().Set(8, {0x00}), ImageRefusal::BadStep},
        {"StepNotBcd", withRecord().Set(8, {0x0A}), ImageRefusal::BadStep},
        {"StepHighNibble", withRecord().Set(8, {0xA5}), ImageRefusal::BadStep},
    };
    for (const Case& c : cases) {
        const UnpackedImage u = UnpackMemoryImage(c.image.Image(), Now2026);
        EXPECT_EQ(u.Refusal, c.why) << c.name;
        EXPECT_FALSE(u.Data.DataPresent) << c.name;
        EXPECT_EQ(u.Data.NumSamples, 0) << c.name;
    }
}

TEST(MemoryImage, LargestImageTheLengthAllows) {
    ImageBuilder b;
    while (b.Image().size() + 7 <= 65535 - 3)
        b.Add(0x0400, 0x0400, 0x0400, 7);
    const UnpackedImage u = UnpackMemoryImage(b.Image(), Now2026);
    ASSERT_EQ(u.Refusal, ImageRefusal::None);
    EXPECT_EQ(u.Data.NumSamples, (65532 - 96) / 7);
    EXPECT_EQ(u.Data.DataRes.last(), 346.41);
}
} // namespace
