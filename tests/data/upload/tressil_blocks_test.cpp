#include "data/upload/tressil_blocks.h"

#include "link/block_exchange.h"
#include "tests/support/tressil_memory.h"
#include "text/date_math.h"

#include <gtest/gtest.h>

namespace {
const QDateTime Ten = NaiveDateTime(2026, 12, 9, 10, 0, 0);

std::vector<TressilMemory::Sample> flat(int count, quint8 x = 100) {
    return std::vector<TressilMemory::Sample>(static_cast<size_t>(count), {x, 0, 0, 0});
}
} // namespace

TEST(TressilBlocks, ConvertsRawValuesOnBothRanges) {
    const struct {
        quint8 raw;
        bool high;
        float value;
    } cases[] = {
        {0, false, 0.0f},   {1, false, 0.0f},   {3, false, 0.0f},
        {4, false, 0.01f},  {64, false, 0.12f}, // 0.125 rounds half to even
        {255, false, 0.5f}, {0, true, 0.0f},    {3, true, 0.59f},
        {255, true, 49.8f}, {128, true, 25.0f},
    };
    for (const auto& c : cases)
        EXPECT_EQ(BlockSampleValue(c.raw, c.high), c.value) << int(c.raw) << ' ' << c.high;
}

TEST(TressilBlocks, TheCountIsTheReplysLeadingNumber) {
    const struct {
        const char* reply;
        qint32 count;
    } cases[] = {{"0012\r\n", 12},
                 {"   7xyz", 7},
                 {"abc", 0},
                 {"", 0},
                 {"12 34", 12},
                 {"-3", 0},
                 {"99999999999999", 2147483647}};
    for (const auto& c : cases)
        EXPECT_EQ(LeadingBlockCount(QByteArray(c.reply)), c.count) << c.reply;
}

TEST(TressilBlocks, UnpacksBlocksWithTheirGaps) {
    BlockUnpacker unpacker;
    ASSERT_EQ(
        unpacker.SpacchettaBlocco(0, TressilMemory::Block(5, Ten, {{4, 4, 4, 7}, {4, 4, 4, 0}})),
        BlockRefusal::None);
    DataSet& data = unpacker.Data();
    EXPECT_EQ(data.NumSamples, 2);
    EXPECT_EQ(data.DataX[1], 0.78f); // 4 x 200 / 1024 on the high range
    EXPECT_EQ(data.DataRes[1], 1.35);
    EXPECT_EQ(data.DataRes[2], 0.02); // sqrt(3) x 0.01
    EXPECT_EQ(unpacker.NextSampleTime(), Ten.addSecs(10 * 60));
    // With a step of 5 minutes a gap of 20 minutes is 4 missing samples, so the times of
    // the block's samples stay start + (i - 1) x step.
    ASSERT_EQ(unpacker.SpacchettaBlocco(2, TressilMemory::Block(5, Ten.addSecs(30 * 60), flat(1))),
              BlockRefusal::None);
    EXPECT_EQ(data.NumSamples, 2 + 4 + 1);
    EXPECT_EQ(SampleTime(data, 7), Ten.addSecs(30 * 60));
    EXPECT_EQ(data.DataX[3], -1.0f);
    EXPECT_EQ(data.DataRes[6], -1.0);
}

TEST(TressilBlocks, RefusesWhatNoBlockHolds) {
    BlockUnpacker unpacker;
    EXPECT_EQ(unpacker.SpacchettaBlocco(0, TressilMemory::Block(1, Ten, flat(3), 1001)),
              BlockRefusal::TooManySamples);
    EXPECT_FALSE(unpacker.Started());
    // A first block of step 0 would give every sample the same time.
    EXPECT_EQ(unpacker.SpacchettaBlocco(0, TressilMemory::Block(0, Ten, flat(3))),
              BlockRefusal::NoStep);
    EXPECT_FALSE(unpacker.Started());
    ASSERT_EQ(unpacker.SpacchettaBlocco(0, TressilMemory::Block(1, Ten, flat(3))),
              BlockRefusal::None);
    // The step comes from the first block alone: a later block's is not read.
    EXPECT_EQ(unpacker.SpacchettaBlocco(2, TressilMemory::Block(0, Ten.addSecs(3 * 60), flat(1))),
              BlockRefusal::None);
    EXPECT_EQ(unpacker.Data().SampleStep, 1);
    EXPECT_EQ(unpacker.SpacchettaBlocco(6, QByteArray(100, '\0')), BlockRefusal::Short);
}

// Every gap up to a year is filled, in whole minutes and then whole steps; beyond a year
// (only a corrupt date gets there) the block is refused.
TEST(TressilBlocks, FillsEveryGapUpToAYearByWholeMinutes) {
    const QDateTime halfPast = Ten.addSecs(30); // next samples due at half past a minute
    const qint64 year = 366 * 24 * 60;
    const struct {
        const char* what;
        qint32 step;
        qint64 gapSeconds; // from the next sample time to the block's
        qint64 fillers;    // -1: refused
    } cases[] = {
        {"40 s, across a minute's turn", 1, 40, 0},
        {"59 s", 1, 59, 0},
        {"61 s", 1, 61, 1},
        {"7 minutes", 1, 7 * 60, 7},
        {"22 minutes of 5-minute steps", 5, 22 * 60, 4},
        {"a block before its time", 1, -300, 0},
        {"a weekend off", 1, 3 * 24 * 3600, 3 * 24 * 60},
        {"a day and a minute", 1, (24 * 60 + 1) * 60, 24 * 60 + 1},
        {"a year", 1, year * 60, year},
        {"a year and a minute", 1, (year + 1) * 60, -1},
        {"a year and a minute of hourly steps", 60, (year + 1) * 60, -1},
    };
    for (const auto& c : cases) {
        BlockUnpacker unpacker;
        ASSERT_EQ(unpacker.SpacchettaBlocco(0, TressilMemory::Block(c.step, halfPast, flat(3))),
                  BlockRefusal::None);
        const QDateTime next = unpacker.NextSampleTime();
        ASSERT_EQ(next, halfPast.addSecs(3 * 60 * c.step));
        const BlockRefusal refusal = unpacker.SpacchettaBlocco(
            2, TressilMemory::Block(c.step, next.addSecs(c.gapSeconds), flat(2, 50)));
        if (c.fillers < 0) {
            EXPECT_EQ(refusal, BlockRefusal::GapTooLong) << c.what;
            EXPECT_EQ(unpacker.Data().NumSamples, 3) << c.what;
            continue;
        }
        ASSERT_EQ(refusal, BlockRefusal::None) << c.what;
        const DataSet& data = unpacker.Data();
        ASSERT_EQ(data.NumSamples, 3 + c.fillers + 2) << c.what;
        for (qint64 i = 4; i <= 3 + c.fillers; ++i)
            ASSERT_EQ(data.DataRes[i], -1.0) << c.what << " filler " << i;
        EXPECT_NE(data.DataRes[4 + c.fillers], -1.0) << c.what;
    }
}

// A run of blocks each a long way after the last fills no more than a year of one-minute
// samples in all.
TEST(TressilBlocks, TheWholeDownloadFillsAtMostAYearOfSamples) {
    BlockUnpacker unpacker;
    ASSERT_EQ(unpacker.SpacchettaBlocco(0, TressilMemory::Block(1, Ten, flat(1))),
              BlockRefusal::None);
    const qint64 gap = 200 * 24 * 60;
    ASSERT_EQ(unpacker.SpacchettaBlocco(
                  2, TressilMemory::Block(1, unpacker.NextSampleTime().addSecs(gap * 60), flat(1))),
              BlockRefusal::None);
    EXPECT_EQ(unpacker.Data().NumSamples, 1 + gap + 1);
    EXPECT_EQ(unpacker.SpacchettaBlocco(
                  4, TressilMemory::Block(1, unpacker.NextSampleTime().addSecs(gap * 60), flat(1))),
              BlockRefusal::GapTooLong);
    EXPECT_EQ(unpacker.Data().NumSamples, 1 + gap + 1);
}

TEST(TressilBlocks, ABadDateTakesTheZeroDateAndSaysSo) {
    QByteArray block = TressilMemory::Block(1, Ten, flat(2));
    block[8] = 13; // month 13
    BlockUnpacker unpacker;
    bool badDate = false;
    ASSERT_EQ(unpacker.SpacchettaBlocco(0, block, &badDate), BlockRefusal::None);
    EXPECT_TRUE(badDate);
    EXPECT_EQ(unpacker.Data().StartDate, QDateTime(QDate(1899, 12, 30), QTime(0, 0), Qt::UTC));
    // A good block after it lies decades away: far more than a year of fillers.
    EXPECT_EQ(unpacker.SpacchettaBlocco(2, TressilMemory::Block(1, Ten, flat(2))),
              BlockRefusal::GapTooLong);
}
