#include "stats/median.h"

#include "tests/support/fake_ui.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <vector>

namespace {
// The arrays as a loader hands them over: position 0 holds (0, 0), position i sample i.
struct Sorted {
    std::vector<double> res;
    std::vector<qint32> index;
    explicit Sorted(const std::vector<double>& samples) : res{0.0}, index{0} {
        for (std::size_t i = 0; i < samples.size(); ++i) {
            res.push_back(samples[i]);
            index.push_back(static_cast<qint32>(i + 1));
        }
    }
};

// The Shell sort written out plainly over every position, the placeholder included.
void ReferenceShellSort(std::vector<double>& res, std::vector<qint32>& index) {
    const long count = static_cast<long>(res.size());
    long h = 0;
    while (h <= count)
        h = 3 * h + 1;
    do {
        h /= 3;
        for (long i = h; i < count; ++i) {
            const double v = res[i];
            const qint32 k = index[i];
            long j = i;
            while (j - h >= 0 && res[j - h] > v) {
                res[j] = res[j - h];
                index[j] = index[j - h];
                j -= h;
            }
            res[j] = v;
            index[j] = k;
        }
    } while (h > 1);
}

struct MedianCase {
    const char* name;
    std::vector<double> samples;
    bool present;
    qint32 index;
    double value;
};

void PrintTo(const MedianCase& c, std::ostream* os) {
    *os << c.name;
}

class MedianTable : public ::testing::TestWithParam<MedianCase> {};

TEST_P(MedianTable, MedianOverTheAvailableSamples) {
    const MedianCase& c = GetParam();
    Sorted s(c.samples);
    const MedianResult m = CalculateMediana(s.res, s.index);
    EXPECT_EQ(m.Present, c.present);
    EXPECT_EQ(m.Index, c.index);
    EXPECT_DOUBLE_EQ(m.Value, c.value);
    // The placeholder never enters the samples.
    EXPECT_EQ(s.index[0], 0);
    EXPECT_EQ(s.res[0], 0.0);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MedianTable,
    ::testing::Values(MedianCase{"One", {2.5}, true, 1, 2.5},
                      MedianCase{"TwoEven", {1.0, 3.0}, true, 1, 2.0},
                      MedianCase{"ThreeOdd", {1.0, 5.0, 3.0}, true, 2, 3.0},
                      MedianCase{"FourEven", {4.0, 1.0, 3.0, 2.0}, true, 2, 2.5},
                      MedianCase{"AllEqual", {0.7, 0.7, 0.7, 0.7, 0.7}, true, 3, 0.7},
                      MedianCase{"Zeros", {0.0, 0.0, 1.0}, true, 2, 0.0},
                      // The two gaps sort first; the median is of 4 and 5, at positions 3, 4.
                      MedianCase{"GapsEven", {-1.0, 5.0, -1.0, 4.0}, true, 3, 4.5},
                      MedianCase{"GapsOdd", {-1.0, 2.0, 9.0, 1.0}, true, 3, 2.0},
                      MedianCase{"OnlyGap", {-1.0}, false, 0, 0.0},
                      MedianCase{"Empty", {}, false, 0, 0.0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Median, GapsSortFirstAndThePlaceholderStays) {
    Sorted s({3.0, -1.0, 2.0, -1.0});
    CalculateMediana(s.res, s.index);
    EXPECT_EQ(s.res, (std::vector<double>{0.0, -1.0, -1.0, 2.0, 3.0}));
    EXPECT_EQ(s.index[0], 0);
    EXPECT_EQ(s.index[3], 3);
    EXPECT_EQ(s.index[4], 1);
}

TEST(Median, EqualValuesKeepTheShellSortOrder) {
    // The value-ordered table shows this order, and the median row follows it.
    Sorted s({3.0, 1.0, 1.0, 1.0, 1.0});
    const MedianResult m = CalculateMediana(s.res, s.index);
    std::vector<double> res{0.0, 3.0, 1.0, 1.0, 1.0, 1.0};
    std::vector<qint32> index{0, 1, 2, 3, 4, 5};
    ReferenceShellSort(res, index);
    EXPECT_EQ(s.index, index);
    EXPECT_EQ(m.Index, 3);
    EXPECT_EQ(s.index[static_cast<std::size_t>(m.Index)], index[3]);
}

TEST(Median, SameOrderAsThePlainShellSortOnManyTies) {
    // Resultants of two decimals repeat often; every tie must come out in the same order.
    for (const int n : {2, 3, 4, 13, 14, 40, 41, 1000, 20000, 150000}) {
        std::mt19937 random(static_cast<unsigned>(n));
        std::uniform_int_distribution<int> hundredths(0, 300);
        std::vector<double> samples;
        for (int i = 0; i < n; ++i)
            samples.push_back(hundredths(random) / 100.0);
        Sorted s(samples);
        Sorted expected(samples);
        SortResultants(s.res, s.index);
        ReferenceShellSort(expected.res, expected.index);
        ASSERT_EQ(s.index, expected.index) << n;
        ASSERT_EQ(s.res, expected.res) << n;
    }
}

// The median found without sorting equals the one of the sorted arrays: value, position and
// the sample the Shell sort leaves there, also among many equal values and gaps.
TEST(Median, SelectionGivesTheSortsValuePositionAndSample) {
    struct Case {
        const char* name;
        std::vector<double> samples;
    };
    std::vector<Case> cases{
        {"Empty", {}},
        {"OnlyGaps", {-1.0, -1.0}},
        {"One", {2.5}},
        {"AllEqual", std::vector<double>(37, 0.7)},
        {"TiesAroundTheMedian", {3.0, 1.0, 1.0, 1.0, 1.0, 2.0, 1.0, 0.0, 1.0}},
        {"EvenWithTies", {2.0, 1.0, 2.0, 1.0, 2.0, 1.0}},
        {"GapsAmongTies", {-1.0, 0.5, 0.5, -1.0, 0.5, 0.25, -1.0, 0.5}},
        {"NegativeZero", {0.0, -0.0, 1.0, 0.0, -0.0, 2.0, -0.0}},
        {"NaN", {0.5, 1.0, std::nan(""), 0.5, 2.0}},
        {"Infinity", {INFINITY, 1.0, INFINITY, 1.0, INFINITY}},
    };
    for (const int n : {2, 3, 4, 13, 14, 40, 41, 1000, 20000, 150000}) {
        for (const int distinct : {3, 300}) {
            std::mt19937 random(static_cast<unsigned>(n * distinct));
            std::uniform_int_distribution<int> hundredths(0, distinct);
            Case c{"Random", {}};
            for (int i = 0; i < n; ++i)
                c.samples.push_back(i % 97 == 5 ? -1.0 : hundredths(random) / 100.0);
            cases.push_back(c);
        }
    }
    for (const Case& c : cases) {
        Sorted s(c.samples);
        const MedianResult sorted = CalculateMediana(s.res, s.index);
        const MedianResult selected = CalculateMediana(std::span<const double>(c.samples));
        const std::string what = std::string(c.name) + " " + std::to_string(c.samples.size());
        EXPECT_EQ(selected.Present, sorted.Present) << what;
        EXPECT_EQ(selected.Index, sorted.Index) << what;
        EXPECT_EQ(selected.Sample, sorted.Sample) << what;
        EXPECT_EQ(selected.Sample, s.index[static_cast<std::size_t>(sorted.Index)]) << what;
        EXPECT_EQ(std::signbit(selected.Value), std::signbit(sorted.Value)) << what;
        if (!(std::isnan(selected.Value) && std::isnan(sorted.Value)))
            EXPECT_DOUBLE_EQ(selected.Value, sorted.Value) << what;
    }
}

TEST(Median, ArraysOfDifferentSizesAreReportedAndGiveNoMedian) {
    FakeUi ui;
    std::vector<double> res{0.0, 1.0, 2.0};
    std::vector<qint32> index{0, 1};
    EXPECT_FALSE(CalculateMediana(res, index).Present);
    ASSERT_EQ(ui.standardCalls.size(), 1);
    EXPECT_TRUE(ui.standardCalls[0].text.contains(QStringLiteral("CalculateMediana")));
}
} // namespace
