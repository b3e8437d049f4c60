#include "data/dataset.h"
#include "tests/support/default_locale.h"
#include "text/date_math.h"

#include <gtest/gtest.h>

namespace {
DataSet WithSamples(const QString& unit, qint32 step, const QVector<double>& res) {
    DataSet d;
    d.StartDate = NaiveDateTime(2012, 2, 28, 23, 30, 0);
    d.SampleStepUnit = unit;
    d.SampleStep = step;
    d.NumSamples = static_cast<qint32>(res.size());
    d.DataRes = QVector<double>{0.0} + res;
    return d;
}

TEST(SampleTime, StartPlusWholeStepsInTheUnit) {
    struct Case {
        const char* unit;
        qint32 step;
        qint32 i;
        QDateTime expected;
    };
    const Case cases[] = {
        {"s", 5, 1, NaiveDateTime(2012, 2, 28, 23, 30, 0)},
        {"s", 5, 3, NaiveDateTime(2012, 2, 28, 23, 30, 10)},
        {"n", 45, 2, NaiveDateTime(2012, 2, 29, 0, 15, 0)}, // over midnight into a leap day
        {"h", 2, 13, NaiveDateTime(2012, 2, 29, 23, 30, 0)},
        {"d", 1, 3, NaiveDateTime(2012, 3, 1, 23, 30, 0)}, // over the month's end
        {"d", 99, 9349, NaiveDateTime(2012, 2, 28, 23, 30, 0).addDays(99LL * 9348)},
    };
    for (const Case& c : cases) {
        const DataSet d = WithSamples(QString::fromLatin1(c.unit), c.step, {1.0});
        EXPECT_EQ(SampleTime(d, c.i), c.expected) << c.unit << c.i;
    }
}

TEST(SampleTime, EndIsOneStepPastTheLastSample) {
    const DataSet d = WithSamples(QStringLiteral("n"), 10, {1.0, 2.0, 3.0});
    EXPECT_EQ(DataEndTime(d), NaiveDateTime(2012, 2, 29, 0, 0, 0));
}

TEST(SampleTime, TextOfEverySampleWithMidnightLeftOut) {
    const DefaultLocale cLocale{QLocale::c()};
    DataSet d = WithSamples(QStringLiteral("n"), 30, {1.0, 2.0, 3.0});
    EXPECT_EQ(SampleTimeTexts(d), (QVector<QString>{"", "28 Feb 2012 23:30:00", "29 Feb 2012",
                                                    "29 Feb 2012 00:30:00"}));
    EXPECT_EQ(SampleTimeText(d, 2), QStringLiteral("29 Feb 2012"));
}

TEST(SampleStep, SecondsFromOneSampleToTheNextAndTheArraysTheRowsRead) {
    const struct {
        const char* unit;
        qint32 step;
        qint64 seconds;
    } cases[] = {{"s", 5, 5}, {"n", 45, 2700}, {"h", 2, 7200}, {"d", 3, 259200}};
    for (const auto& c : cases)
        EXPECT_EQ(SampleStepSeconds(WithSamples(QString::fromLatin1(c.unit), c.step, {1.0})),
                  c.seconds)
            << c.unit;
    DataSet twice = WithSamples(QStringLiteral("n"), 10, {1.0});
    twice.IntervalMultiplier = 2;
    EXPECT_EQ(SampleStepSeconds(twice), 1200);
    EXPECT_ANY_THROW(SampleStepSeconds(WithSamples(QStringLiteral("m"), 1, {1.0})));
    EXPECT_ANY_THROW(SampleStepSeconds(WithSamples(QString(), 1, {1.0})));

    DataSet whole = WithSamples(QStringLiteral("s"), 1, {1.0, 2.0});
    whole.DataX = whole.DataY = whole.DataZ = {0, 1, 2};
    EXPECT_NO_THROW(CheckSampleArrays(whole));
    for (QVector<float> DataSet::*array : {&DataSet::DataX, &DataSet::DataY, &DataSet::DataZ}) {
        DataSet shortOne = whole;
        (shortOne.*array).resize(2);
        EXPECT_ANY_THROW(CheckSampleArrays(shortOne));
    }
    DataSet shortRes = whole;
    shortRes.DataRes.resize(2);
    EXPECT_ANY_THROW(CheckSampleArrays(shortRes));
}

TEST(RecomputeStatistics, FiguresAndMedianOverTheAvailableSamples) {
    DataSet d = WithSamples(QStringLiteral("s"), 1, {2.0, -1.0, 4.0, 1.0, -1.0});
    d.MedianValue = 99.0; // left from an earlier data set
    RecomputeStatistics(d);
    EXPECT_TRUE(d.StatisticsPresent);
    EXPECT_FLOAT_EQ(d.ResMin, 1.0f);
    EXPECT_FLOAT_EQ(d.ResMax, 4.0f);
    EXPECT_FLOAT_EQ(d.ResMean, 7.0f / 3.0f);
    EXPECT_TRUE(d.MedianPresent);
    EXPECT_DOUBLE_EQ(d.MedianValue, 2.0);
    EXPECT_EQ(d.MedianIndex, 4); // after the two gaps and the 1.0
    EXPECT_EQ(d.MedianSampleNumber, 1);
    // The value order is made when it is first needed.
    EXPECT_TRUE(d.SortedIndex.isEmpty());
    SortByValue(d);
    EXPECT_EQ(d.SortedIndex, (QVector<qint32>{0, 5, 2, 4, 1, 3})); // the Shell sort's tie order
    EXPECT_EQ(d.SortedIndex[d.MedianIndex], d.MedianSampleNumber);
}

TEST(RecomputeStatistics, EmptyDataSetHasNoStatisticsAndNoError) {
    DataSet d = WithSamples(QStringLiteral("s"), 1, {});
    d.ResMax = 5.0f;
    d.StatisticsPresent = d.MedianPresent = true;
    RecomputeStatistics(d);
    EXPECT_FALSE(d.StatisticsPresent);
    EXPECT_FALSE(d.MedianPresent);
    EXPECT_EQ(d.ResMax, 0.0f);
    SortByValue(d);
    EXPECT_EQ(d.SortedRes.size(), 1);
}

TEST(RecomputeStatistics, ReadsNoFurtherThanTheSampleCount) {
    // A station import keeps room for 20000 samples whatever the count.
    DataSet d = WithSamples(QStringLiteral("s"), 5, {1.0, 3.0});
    d.DataRes.resize(20001);
    d.NumSamples = 2;
    RecomputeStatistics(d);
    SortByValue(d);
    EXPECT_EQ(d.SortedRes.size(), 3);
    EXPECT_DOUBLE_EQ(d.MedianValue, 2.0);
    // A count beyond the array is bounded by the array.
    d.NumSamples = 30000;
    EXPECT_EQ(Resultants(d).size(), 20000u);
}
} // namespace
