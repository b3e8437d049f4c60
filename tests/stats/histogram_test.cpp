#include "stats/histogram.h"
#include "tests/support/default_locale.h"

#include <QStringList>

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace {
QStringList Labels(const HistogramClasses& h) {
    QStringList labels;
    for (int k = 1; k <= h.ClassNumber; ++k)
        labels << h.ClassLabel[static_cast<std::size_t>(k)];
    return labels;
}

// The class (1-based) into which each of the values falls, one value at a time.
std::vector<int> ClassesOf(const std::vector<double>& values, float min, float max, int count) {
    std::vector<int> found;
    for (const double v : values) {
        HistogramClasses h;
        EXPECT_TRUE(DoStatistics(h, std::vector<double>{v}, min, max, count));
        int cls = 0;
        for (int k = 1; k <= h.ClassNumber; ++k)
            if (h.ClassCount[static_cast<std::size_t>(k)] > 0)
                cls = k;
        found.push_back(cls);
    }
    return found;
}

TEST(Histogram, FromZeroTheFirstClassStartsAtZero) {
    const DefaultLocale cLocale{QLocale::c()}; // the texts below are the C locale's
    HistogramClasses h;
    ASSERT_TRUE(DoStatistics(h, std::vector<double>{0.5}, 0.0f, 1.0f, 11));
    EXPECT_EQ(h.ClassNumber, 11);
    const QStringList labels = Labels(h);
    EXPECT_EQ(labels.first(), QStringLiteral("0.00-0.10"));
    EXPECT_EQ(labels.at(2), QStringLiteral("0.20-0.30"));
    EXPECT_EQ(labels.at(9), QStringLiteral("0.90-1.00"));
    EXPECT_EQ(labels.last(), QStringLiteral(">1.00"));
}

// A sample equal to a bound as its label shows it belongs to the class above it, one at the
// upper limit to ">", and one a hundredth below a bound to the class below it, however the
// single-precision width lies against the decimal bound.
TEST(Histogram, ASampleOnABoundBelongsToTheClassAboveIt) {
    struct Case {
        float min, max;
        int classes;
        double step; // the classes' width as the labels show it
    };
    const Case cases[] = {
        {0.0f, 1.0f, 11, 0.1},  {0.0f, 2.0f, 11, 0.2},   {0.0f, 0.7f, 8, 0.1},
        {0.0f, 0.1f, 11, 0.01}, {0.0f, 0.09f, 10, 0.01}, {0.0f, 50.0f, 11, 5.0},
        {0.5f, 2.5f, 6, 0.5},   {0.2f, 1.2f, 7, 0.2},    {1.0f, 3.7f, 11, 0.3},
        {0.3f, 2.7f, 10, 0.3},
    };
    for (const Case& c : cases) {
        const int low = c.min > 0.0f ? 1 : 0;
        const int bounded = c.classes - low - 1;
        for (int j = 0; j <= bounded; ++j) {
            // The bound's decimal value, and the one a hundredth below, as two-decimal
            // samples hold them.
            const double hundredths = std::round((double(c.min) + j * c.step) * 100.0);
            const double bound = hundredths / 100.0, below = (hundredths - 1.0) / 100.0;
            const std::string what = std::to_string(c.min) + ".." + std::to_string(c.max) +
                                     " bound " + std::to_string(bound);
            if (bound > 0.0) // samples of 0 are counted nowhere
                EXPECT_EQ(ClassesOf({bound}, c.min, c.max, c.classes),
                          (std::vector<int>{j + 1 + low}))
                    << what;
            if (below > 0.0 && (j > 0 || low == 1))
                EXPECT_EQ(ClassesOf({below}, c.min, c.max, c.classes), (std::vector<int>{j + low}))
                    << what << " less a hundredth";
        }
    }
    // Far above the top and between the bounds.
    EXPECT_EQ(ClassesOf({1.5, 0.05, 0.95, 1.01}, 0.0f, 1.0f, 11),
              (std::vector<int>{11, 1, 10, 11}));
}

TEST(Histogram, AboveZeroAClassGathersTheValuesBelowTheMinimum) {
    const DefaultLocale cLocale{QLocale::c()}; // the texts below are the C locale's
    HistogramClasses h;
    ASSERT_TRUE(DoStatistics(h, std::vector<double>{1.0}, 0.5f, 2.5f, 6));
    EXPECT_EQ(Labels(h), (QStringList{"<0.5", "0.5-1.0", "1.0-1.5", "1.5-2.0", "2.0-2.5", ">2.5"}));
    EXPECT_EQ(ClassesOf({0.3, 0.5, 1.0, 2.5, 9.0}, 0.5f, 2.5f, 6),
              (std::vector<int>{1, 2, 3, 6, 6}));
}

// The window's lower limit starts at the data set's minimum, kept in single precision; a
// sample equal to it is not below it, whichever way the limit was rounded.
TEST(Histogram, ASampleAtTheLowerLimitIsNotCountedBelowIt) {
    for (const double minimum : {0.46, 0.14, 0.45, 2.34, 97.46}) {
        const float limit = static_cast<float>(minimum);
        EXPECT_EQ(ClassesOf({minimum}, limit, limit + 10.0f, 6), (std::vector<int>{2})) << minimum;
        EXPECT_EQ(ClassesOf({minimum - 0.01}, limit, limit + 10.0f, 6), (std::vector<int>{1}))
            << minimum << " less a hundredth";
    }
}

TEST(Histogram, SharesAreOfAllSamplesTheUncountedIncluded) {
    const DefaultLocale cLocale{QLocale::c()}; // the texts below are the C locale's
    HistogramClasses h;
    // 0 and the gap are counted nowhere.
    ASSERT_TRUE(DoStatistics(h, std::vector<double>{0.0, -1.0, 0.25, 0.75}, 0.0f, 1.0f, 3));
    EXPECT_EQ(Labels(h), (QStringList{"0.0-0.5", "0.5-1.0", ">1.0"}));
    EXPECT_DOUBLE_EQ(h.ClassCount[1], 25.0);
    EXPECT_DOUBLE_EQ(h.ClassCount[2], 25.0);
    EXPECT_DOUBLE_EQ(h.ClassCount[3], 0.0);
}

TEST(Histogram, ManySamplesAndFarOutliersAreCounted) {
    std::vector<double> samples(40000, 0.005);
    samples.push_back(400.0); // far above the top with classes 0.01 wide
    HistogramClasses h;
    ASSERT_TRUE(DoStatistics(h, samples, 0.0f, 0.1f, 11));
    EXPECT_DOUBLE_EQ(h.ClassCount[1], 40000.0 / 40001.0 * 100.0);
    EXPECT_DOUBLE_EQ(h.ClassCount[11], 1.0 / 40001.0 * 100.0);
}

TEST(Histogram, RefusalsLeaveThePreviousClasses) {
    HistogramClasses h;
    const std::vector<double> samples{0.5, 1.5};
    ASSERT_TRUE(DoStatistics(h, samples, 0.0f, 2.0f, 5));
    const HistogramClasses before = h;
    EXPECT_FALSE(DoStatistics(h, samples, 0.0f, 2.0f, 12));
    EXPECT_FALSE(DoStatistics(h, samples, 0.0f, 2.0f, 2)); // would divide by zero with min 0
    EXPECT_FALSE(DoStatistics(h, samples, 1.0f, 1.0f, 5));
    EXPECT_FALSE(DoStatistics(h, samples, 2.0f, 1.0f, 5));
    EXPECT_FALSE(DoStatistics(h, {}, 0.0f, 2.0f, 5));
    EXPECT_EQ(h.ClassNumber, before.ClassNumber);
    EXPECT_EQ(h.ClassLabel, before.ClassLabel);
    EXPECT_EQ(h.ClassCount, before.ClassCount);
}

} // namespace

TEST(Histogram, LabelsRoundHalvesAwayFromZeroAsTheirPatternDoes) {
    const DefaultLocale cLocale{QLocale::c()}; // the texts below are the C locale's
    struct Case {
        float min, max;
        int classes;
        std::vector<const char*> labels;
    };
    const Case cases[] = {
        // Classes 0.25 wide: "#0.0" shows 0.25 as 0.3 and 0.75 as 0.8.
        {0.0f, 0.5f, 3, {"0.0-0.3", "0.3-0.5", ">0.5"}},
        {0.0f, 1.5f, 3, {"0.0-0.8", "0.8-1.5", ">1.5"}},
        // Classes 0.025 wide: "#0.00" shows 0.125 as 0.13.
        {0.1f, 0.15f, 4, {"<0.10", "0.10-0.13", "0.13-0.15", ">0.15"}},
    };
    for (const Case& c : cases) {
        HistogramClasses h;
        ASSERT_TRUE(DoStatistics(h, std::vector<double>{0.2}, c.min, c.max, c.classes));
        QStringList expected;
        for (const char* label : c.labels)
            expected << QLatin1String(label);
        EXPECT_EQ(Labels(h), expected) << c.min << " " << c.max;
    }
}
