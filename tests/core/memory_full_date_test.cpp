#include "core/options.h"
#include "text/date_math.h"

#include <gtest/gtest.h>

namespace {
class MemoryFullDate : public ::testing::Test {
protected:
    void SetUp() override { saved_ = Options(); }
    void TearDown() override { Options() = saved_; }
    OptionsRecord saved_;
};
} // namespace

TEST_F(MemoryFullDate, MemorySizesAndUnits) {
    struct Case {
        qint32 memory;
        qint32 samples;
    };
    const Case sizes[] = {{4096, 571}, {8192, 1157}, {32768, 4667}, {65536, 9349}};
    const QDateTime start = NaiveDateTime(2024, 3, 1, 10, 0, 0);
    for (const Case& c : sizes) {
        EXPECT_EQ(SamplesThatFit(c.memory), c.samples) << c.memory;
        Options().MemorySize = c.memory;
        EXPECT_EQ(CalculateMemoryFullDate(start, 1, QStringLiteral("s")), start.addSecs(c.samples));
        EXPECT_EQ(CalculateMemoryFullDate(start, 1, QStringLiteral("n")),
                  start.addSecs(60LL * c.samples));
        EXPECT_EQ(CalculateMemoryFullDate(start, 1, QStringLiteral("h")),
                  start.addSecs(3600LL * c.samples));
        EXPECT_EQ(CalculateMemoryFullDate(start, 1, QStringLiteral("d")), start.addDays(c.samples));
    }
}

TEST_F(MemoryFullDate, StepAndMultiplierMultiplyTheCount) {
    Options().MemorySize = 4096;
    const QDateTime start = NaiveDateTime(2024, 3, 1);
    EXPECT_EQ(CalculateMemoryFullDate(start, 30, QStringLiteral("s")), start.addSecs(571 * 30));
    EXPECT_EQ(CalculateMemoryFullDate(start, 30, QStringLiteral("s"), 2), start.addSecs(571 * 60));
}

TEST_F(MemoryFullDate, CountsBeyond32BitsAndDatesPastTheCalendarAreNoDate) {
    Options().MemorySize = 65536;
    const QDateTime start = NaiveDateTime(2024, 3, 1);
    // 9349 x 300000 does not fit 32 bits.
    EXPECT_FALSE(CalculateMemoryFullDate(start, 300000, QStringLiteral("s")).isValid());
    // 9349 x 99 x 9 days runs past the year 9999.
    EXPECT_FALSE(CalculateMemoryFullDate(start, 99, QStringLiteral("d"), 9).isValid());
    EXPECT_FALSE(CalculateMemoryFullDate(start, 1, QStringLiteral("x")).isValid());
}

TEST_F(MemoryFullDate, DaylightSavingChangeDoesNotShiftTheClockTime) {
    // 29 to 30 March 2025 holds the spring change in Europe: a naive date keeps 10:00.
    Options().MemorySize = 4096; // 571 samples
    const QDateTime start = NaiveDateTime(2025, 3, 29, 10, 0, 0);
    EXPECT_EQ(CalculateMemoryFullDate(start, 1, QStringLiteral("d")),
              NaiveDateTime(2026, 10, 21, 10, 0, 0));
    EXPECT_EQ(CalculateMemoryFullDate(start, 1, QStringLiteral("h")),
              NaiveDateTime(2025, 4, 22, 5, 0, 0));
}
