#include "stats/data_stats.h"
#include "stats/live_stats.h"
#include "tests/support/fake_ui.h"

#include <gtest/gtest.h>

#include <vector>

namespace {
struct DataStatsCase {
    const char* name;
    std::vector<double> samples;
    bool present;
    float min, max, mean;
};

void PrintTo(const DataStatsCase& c, std::ostream* os) {
    *os << c.name;
}

class DataStatsTable : public ::testing::TestWithParam<DataStatsCase> {};

TEST_P(DataStatsTable, FiguresOverTheAvailableSamples) {
    const DataStatsCase& c = GetParam();
    const ResultantFigures f = CalculateStats(c.samples);
    EXPECT_EQ(f.Present, c.present);
    EXPECT_FLOAT_EQ(f.Min, c.min);
    EXPECT_FLOAT_EQ(f.Max, c.max);
    EXPECT_FLOAT_EQ(f.Mean, c.mean);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DataStatsTable,
    ::testing::Values(DataStatsCase{"OneSample", {1.25}, true, 1.25f, 1.25f, 1.25f},
                      DataStatsCase{"Plain", {0.5, 2.0, 1.0, 0.5}, true, 0.5f, 2.0f, 1.0f},
                      // The gaps neither lower the mean nor become the minimum.
                      DataStatsCase{"GapsLeftOut", {-1.0, 3.0, -1.0, 1.0}, true, 1.0f, 3.0f, 2.0f},
                      // A first sample of 0 is no reading: it does not pin the minimum.
                      DataStatsCase{
                          "FirstZeroDoesNotPinMin", {0.0, 2.0, 4.0}, true, 2.0f, 4.0f, 2.0f},
                      DataStatsCase{"AllZero", {0.0, 0.0}, true, 0.0f, 0.0f, 0.0f},
                      DataStatsCase{"Empty", {}, false, 0.0f, 0.0f, 0.0f},
                      DataStatsCase{"OnlyGaps", {-1.0, -1.0}, false, 0.0f, 0.0f, 0.0f}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DataStats, CountIsOfAvailableSamples) {
    EXPECT_EQ(CalculateStats(std::vector<double>{-1.0, 0.0, 2.0}).AvailableCount, 2);
}

TEST(DataStats, ComparesInSinglePrecisionAndSumsInDouble) {
    // 1e8 + 1 and 1e8 are equal in single precision: the maximum stays the first of them.
    const ResultantFigures f = CalculateStats(std::vector<double>{1e8, 1e8 + 1, 1e8 + 3});
    EXPECT_EQ(f.Max, static_cast<float>(1e8 + 3));
    EXPECT_EQ(f.Mean, static_cast<float>((3e8 + 4) / 3));
}

TEST(DataStats, AValueBeyondSinglePrecisionGivesNoFiguresAndAReport) {
    FakeUi ui;
    const ResultantFigures f = CalculateStats(std::vector<double>{1.0, 5.9e38, 2.0});
    EXPECT_FALSE(f.Present);
    EXPECT_EQ(f.Max, 0.0f);
    ASSERT_EQ(ui.standardCalls.size(), 1);
    EXPECT_TRUE(ui.standardCalls[0].text.contains(QStringLiteral("CalculateStats")));
}

TEST(LiveStats, FirstReadingSetsAllThreeThenTheyRun) {
    LiveFigures f{9.0f, 9.0f, 9.0f}; // left over from an earlier run
    std::vector<double> readings{2.0};
    CalculateLiveStats(f, readings);
    EXPECT_FLOAT_EQ(f.RtMax, 2.0f);
    EXPECT_FLOAT_EQ(f.RtMin, 2.0f);
    EXPECT_FLOAT_EQ(f.RtMean, 2.0f);

    readings.push_back(4.0);
    CalculateLiveStats(f, readings);
    readings.push_back(0.0); // a live 0 may become the minimum
    CalculateLiveStats(f, readings);
    EXPECT_FLOAT_EQ(f.RtMax, 4.0f);
    EXPECT_FLOAT_EQ(f.RtMin, 0.0f);
    EXPECT_FLOAT_EQ(f.RtMean, 2.0f);
}

TEST(LiveStats, NoReadingsChangeNothing) {
    LiveFigures f{1.0f, 2.0f, 3.0f};
    CalculateLiveStats(f, {});
    EXPECT_FLOAT_EQ(f.RtMax, 1.0f);
    EXPECT_FLOAT_EQ(f.RtMin, 2.0f);
    EXPECT_FLOAT_EQ(f.RtMean, 3.0f);
}
} // namespace
