#include "platform/chart/chart_axis.h"
#include "platform/chart/chart_format.h"
#include "platform/chart/chart_thin.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>

TEST(ChartFormat, Patterns) {
    struct Case {
        double value;
        const char* pattern;
        const char* text;
    };
    const QLocale c(QLocale::C);
    for (const Case& k :
         {Case{1.5, "#0.00#", "1.50"}, Case{1.2346, "#0.00#", "1.235"}, Case{0, "#0.00#", "0.00"},
          Case{1234.5, "#0.00#", "1234.50"}, Case{12.3, "#0.0#", "12.3"},
          Case{12.345, "#0.0#", "12.35"}, Case{2.5, "0.##", "2.5"}, Case{3, "0.##", "3"},
          Case{0.126, "0.##", "0.13"}, Case{-0.0001, "#0.00", "0.00"}, Case{-1.5, "#0.00", "-1.50"},
          Case{0.0001, "", "0.0001"}}) {
        EXPECT_EQ(FormatChartValue(k.value, QString::fromLatin1(k.pattern), c),
                  QString::fromLatin1(k.text))
            << k.value << " " << k.pattern;
    }
    EXPECT_EQ(FormatChartValue(1.5, QStringLiteral("#0.00#"), QLocale(QLocale::Italian)),
              QStringLiteral("1,50"));
}

TEST(ChartAxis, SaneRanges) {
    struct Case {
        double min, max;
        bool log;
        double saneMin, saneMax;
    };
    for (const Case& k : {
             Case{0, 10, false, 0, 10},
             Case{10, 0, false, 0, 10},        // crossed: swapped
             Case{2, 2, false, 1.9, 2.1},      // one value: centred
             Case{0, 0, false, -0.5, 0.5},     // all zero
             Case{0, 10, true, 0.0001, 10},    // log from 0
             Case{0.0001, 5, true, 0.0001, 5}, // the time graph's log axis
             Case{0.0001, 0.0001, true, 0.0001, 0.001},
             Case{-3, -1, true, 0.0001, 1}, // log, nothing above 0
             Case{0, 0.00005, true, 0.000005, 0.00005},
             Case{NAN, INFINITY, false, 0, 1},
         }) {
        const AxisRange r = SaneAxisRange(k.min, k.max, k.log);
        EXPECT_NEAR(r.min, k.saneMin, 1e-12) << k.min << ".." << k.max << " log " << k.log;
        EXPECT_NEAR(r.max, k.saneMax, 1e-12) << k.min << ".." << k.max << " log " << k.log;
        EXPECT_GT(r.max, r.min);
    }
}

TEST(ChartAxis, ValueToPixelAndBack) {
    struct Case {
        double min, max;
        bool log;
        double value, pixel;
    };
    // Pixel 500 at the minimum, 100 at the maximum (a value axis grows upwards).
    for (const Case& k :
         {Case{0, 10, false, 0, 500}, Case{0, 10, false, 10, 100}, Case{0, 10, false, 2.5, 400},
          Case{0, 10, false, 12.5, 0}, Case{-10, 10, false, 0, 300}, Case{0.01, 100, true, 1, 300},
          Case{0.01, 100, true, 0.1, 400}, Case{0.01, 100, true, 100, 100},
          Case{0.0001, 1, true, 0.01, 300}}) {
        const AxisScale scale(AxisRange{k.min, k.max}, k.log, 500, 100);
        EXPECT_NEAR(scale.ToPixel(k.value), k.pixel, 1e-9) << k.value;
        EXPECT_NEAR(scale.ToValue(k.pixel), k.value, 1e-9 * std::max(1.0, k.value)) << k.pixel;
    }
    // On a logarithmic axis a value at or below zero sits on the minimum.
    const AxisScale log(AxisRange{0.01, 100}, true, 500, 100);
    EXPECT_DOUBLE_EQ(log.ToPixel(0), 500);
    EXPECT_DOUBLE_EQ(log.ToPixel(-1), 500);
    // A degenerate range still maps without dividing by zero.
    const AxisScale flat(AxisRange{3, 3}, false, 500, 100);
    EXPECT_TRUE(std::isfinite(flat.ToPixel(3)));
    EXPECT_DOUBLE_EQ(flat.ToPixel(3), 300);
}

TEST(ChartAxis, NiceSteps) {
    for (auto [raw, nice] : {std::pair{0.7, 1.0},
                             {1.0, 1.0},
                             {1.2, 2.0},
                             {3.0, 5.0},
                             {0.3, 0.5},
                             {7.0, 10.0},
                             {0.02, 0.02},
                             {0.021, 0.05},
                             {150.0, 200.0}})
        EXPECT_DOUBLE_EQ(NiceStep(raw), nice) << raw;
}

namespace {
// True when step is 1, 2 or 5 times a power of ten.
bool IsRoundStep(double step) {
    const double power = std::pow(10.0, std::floor(std::log10(step) + 1e-9));
    const double factor = step / power;
    return std::abs(factor - 1) < 1e-9 || std::abs(factor - 2) < 1e-9 ||
           std::abs(factor - 5) < 1e-9;
}
} // namespace

TEST(ChartAxis, TicksStepRoundlyFromAGivenIncrementUpToWhatLeavesRoom) {
    struct Case {
        AxisRange range;
        double increment;
        double pixels;
        double spacing;
        double step; // of the ticks shown
        double first;
    };
    const Case cases[] = {
        // The time graph: 0 to a tenth above 94.06 uT, the increment a thirtieth of the
        // range (3.12): in 150 pixels at 20 apart the step is 20, not 4 x 3.12 = 12.48.
        {{0, 103.4}, 93.6 / 30, 150, 20, 20, 0},
        {{0, 103.4}, 93.6 / 30, 1000, 20, 5, 0},
        // Room for every increment: a round one is kept, another rounded up.
        {{0, 1}, 0.1, 1000, 20, 0.1, 0},
        {{0, 1.5}, 0.15, 1000, 20, 0.2, 0},
        // The RF graph: 12 to 18 plus a tenth, from 0.
        {{0, 18.6}, 6.0 / 30, 300, 20, 2, 0},
        // No increment: the round step that fits.
        {{0, 7}, 0, 300, 30, 1, 0},
        // Ticks start at the first multiple of the step in the range.
        {{0.33, 0.97}, 0.01, 200, 20, 0.1, 0.4},
    };
    for (const Case& c : cases) {
        const std::vector<double> ticks =
            ValueAxisTicks(c.range, c.increment, false, c.pixels, c.spacing);
        ASSERT_GE(ticks.size(), 2u) << c.range.max << " " << c.pixels;
        EXPECT_NEAR(ticks[1] - ticks[0], c.step, c.step * 1e-9) << c.range.max << " " << c.pixels;
        EXPECT_NEAR(ticks.front(), c.first, 1e-9) << c.range.max;
        for (size_t k = 1; k < ticks.size(); ++k) {
            EXPECT_TRUE(IsRoundStep(ticks[k] - ticks[k - 1])) << ticks[k] - ticks[k - 1];
            EXPECT_GE((ticks[k] - ticks[k - 1]) / (c.range.max - c.range.min) * c.pixels,
                      c.spacing - 1e-9);
        }
        EXPECT_LE(ticks.back(), c.range.max + 1e-9);
    }
}

TEST(ChartFormat, EveryLabelOfALinearAxisShowsTheSameDecimals) {
    ChartAxis axis;
    axis.ValueFormat = QStringLiteral("#0.00#");
    const QLocale c = QLocale::c();
    EXPECT_EQ(AxisLabelTexts(axis, {0, 20, 40}, c),
              (std::vector<QString>{"0.00", "20.00", "40.00"}));
    EXPECT_EQ(AxisLabelTexts(axis, {0, 0.005, 0.01, 0.015}, c),
              (std::vector<QString>{"0.000", "0.005", "0.010", "0.015"}));
    axis.ValueFormat = QStringLiteral("#0.#");
    EXPECT_EQ(AxisLabelTexts(axis, {1, 1.5, 2}, c), (std::vector<QString>{"1.0", "1.5", "2.0"}));
    EXPECT_EQ(AxisLabelTexts(axis, {1, 1.5}, QLocale(QLocale::Italian)),
              (std::vector<QString>{"1,0", "1,5"}));
    // A logarithmic axis's decades keep their own digits.
    axis.ValueFormat = QStringLiteral("#0.00#");
    axis.Logarithmic = true;
    EXPECT_EQ(AxisLabelTexts(axis, {0.001, 0.1, 10}, c),
              (std::vector<QString>{"0.001", "0.10", "10.00"}));
}

TEST(ChartAxis, LogarithmicTicks) {
    const std::vector<double> decades = ValueAxisTicks({0.0001, 5}, 0, true, 100, 20);
    EXPECT_EQ(decades, (std::vector<double>{0.0001, 0.001, 0.01, 0.1, 1}));
    const std::vector<double> sparse = ValueAxisTicks({0.0001, 5}, 0, true, 40, 20);
    EXPECT_EQ(sparse, (std::vector<double>{0.0001, 0.1})); // every third decade
    const std::vector<double> rich = ValueAxisTicks({1, 100}, 0, true, 400, 20);
    EXPECT_EQ(rich, (std::vector<double>{1, 2, 5, 10, 20, 50, 100}));
    // Less than a decade: falls back to plain steps.
    const std::vector<double> narrow = ValueAxisTicks({2, 4}, 0, true, 200, 40);
    EXPECT_GE(narrow.size(), 2u);
}

TEST(ChartAxis, PointTickSteps) {
    for (auto [perPoint, extent, step] : {std::tuple{10.0, 5.0, 1},
                                          {1.0, 60.0, 100},
                                          {0.08, 60.0, 1000},
                                          {30.0, 60.0, 2},
                                          {0.0, 60.0, 1}})
        EXPECT_EQ(PointTickStep(perPoint, extent), step) << perPoint << " " << extent;
}

namespace {
// Column c holds points 10c .. 10c + 9 on this scale.
AxisScale TenPerPixel(qint32 points) {
    return AxisScale(AxisRange{0, double(points)}, false, 0, points / 10.0);
}
} // namespace

TEST(ChartThin, KeepsFirstLowestHighestAndLastOfEachColumn) {
    ChartValues v(30, 5);
    v[3] = 1;  // lowest of column 0
    v[7] = 9;  // highest of column 0
    v[12] = 8; // column 1: highest
    v[18] = 0; // column 1: lowest
    const std::vector<qint32> kept = ThinLineIndexes(v, 0, 29, TenPerPixel(30));
    EXPECT_EQ(kept, (std::vector<qint32>{0, 3, 7, 9, 10, 12, 18, 19, 20, 29}));
}

TEST(ChartThin, GapsBreakAndAreNeverBridged) {
    ChartValues v(30, 5);
    for (int i = 12; i < 28; ++i)
        v[i] = NAN;
    const std::vector<qint32> kept = ThinLineIndexes(v, 0, 29, TenPerPixel(30));
    EXPECT_EQ(kept, (std::vector<qint32>{0, 9, 10, 11, ThinBreak, 28, 29}));
    EXPECT_EQ(AllLineIndexes(v, 8, 29), (std::vector<qint32>{8, 9, 10, 11, ThinBreak, 28, 29}));
    ChartValues allGaps(5, NAN);
    EXPECT_TRUE(ThinLineIndexes(allGaps, 0, 4, TenPerPixel(5)).empty() ||
                ThinLineIndexes(allGaps, 0, 4, TenPerPixel(5)) == std::vector<qint32>{ThinBreak});
}

TEST(ChartThin, SeriesKeepsItsThinnedPointsOnlyForTheSameValuesRangeAndPixels) {
    ChartValues v(30, 5);
    v[3] = 1;
    ChartSeries series;
    series.SetValues(v);
    const AxisScale scale = TenPerPixel(30);
    const std::vector<qint32> first = ThinnedSeriesIndexes(series, 0, 29, scale);
    EXPECT_EQ(first, ThinLineIndexes(v, 0, 29, scale));
    EXPECT_EQ(ThinnedSeriesIndexes(series, 0, 29, scale), first);
    // Another visible range, other pixels, other values: thinned again.
    EXPECT_EQ(ThinnedSeriesIndexes(series, 10, 29, scale), ThinLineIndexes(v, 10, 29, scale));
    const AxisScale wider(AxisRange{0, 30}, false, 0, 6);
    EXPECT_EQ(ThinnedSeriesIndexes(series, 0, 29, wider), ThinLineIndexes(v, 0, 29, wider));
    v[15] = 9;
    series.SetValues(v);
    EXPECT_EQ(ThinnedSeriesIndexes(series, 0, 29, scale), ThinLineIndexes(v, 0, 29, scale));
    series.AddPoint(0.5);
    EXPECT_EQ(ThinnedSeriesIndexes(series, 0, 30, scale),
              ThinLineIndexes(series.Values(), 0, 30, scale));
    EXPECT_NE(ThinnedSeriesIndexes(series, 0, 29, scale), first);
}

TEST(ChartThin, SparseDataKeepsEveryPoint) {
    ChartValues v{1, 4, 2, 8, 3};
    const AxisScale wide(AxisRange{0, 4}, false, 0, 400);
    EXPECT_EQ(ThinLineIndexes(v, 0, 4, wide), AllLineIndexes(v, 0, 4));
}

TEST(ChartThin, AMillionPointsBecomeAtMostFourAColumn) {
    ChartValues v(1000000);
    for (size_t i = 0; i < v.size(); ++i)
        v[i] = std::sin(i * 0.001) + (i % 7) * 0.01;
    const AxisScale scale(AxisRange{0, 999999}, false, 0, 1600);
    const std::vector<qint32> kept = ThinLineIndexes(v, 0, 999999, scale);
    EXPECT_LE(kept.size(), 4u * 1601);
    EXPECT_EQ(kept.front(), 0);
    EXPECT_EQ(kept.back(), 999999);
}

namespace {
// The thinning written out plainly: each column's unbroken runs point by point, with the
// first of equal lowest and highest values.
std::vector<qint32> PlainThin(const ChartValues& v, const AxisScale& scale) {
    std::vector<qint32> out;
    const qint32 n = qint32(v.size());
    auto column = [&](qint32 i) { return std::floor(scale.ToPixel(i)); };
    for (qint32 start = 0, end = 0; start < n; start = end) {
        for (end = start + 1; end < n && column(end) == column(start);)
            ++end;
        for (qint32 k = start; k < end;) {
            if (std::isnan(v[size_t(k)])) {
                if (!out.empty() && out.back() != ThinBreak)
                    out.push_back(ThinBreak);
                ++k;
                continue;
            }
            qint32 first = k, low = k, high = k;
            for (; k < end && !std::isnan(v[size_t(k)]); ++k) {
                low = v[size_t(k)] < v[size_t(low)] ? k : low;
                high = v[size_t(k)] > v[size_t(high)] ? k : high;
            }
            std::vector<qint32> picks{first, low, high, k - 1};
            std::sort(picks.begin(), picks.end());
            picks.erase(std::unique(picks.begin(), picks.end()), picks.end());
            out.insert(out.end(), picks.begin(), picks.end());
        }
    }
    return out;
}
} // namespace

// Columns of many points, with ties (two decimals), zeros of both signs, infinities and
// gaps anywhere in a column, come out as the point-by-point thinning has them.
TEST(ChartThin, DenseColumnsAsThePlainWay) {
    std::mt19937 random(77);
    for (const qint32 perColumn : {9, 10, 13, 64, 625}) {
        ChartValues v(size_t(perColumn) * 300);
        for (size_t i = 0; i < v.size(); ++i) {
            v[i] = float(random() % 50) / 100.0f;
            const unsigned special = random() % 400;
            if (special == 0)
                v[i] = NAN;
            else if (special == 1)
                v[i] = -0.0f;
            else if (special == 2)
                v[i] = INFINITY;
            else if (special == 3)
                v[i] = -INFINITY;
        }
        const qint32 n = qint32(v.size());
        const AxisScale scale(AxisRange{0, double(n)}, false, 0, double(n) / perColumn);
        EXPECT_EQ(ThinLineIndexes(v, 0, n - 1, scale), PlainThin(v, scale)) << perColumn;
    }
}

namespace {
// The runs written out plainly: each column's unbroken runs point by point.
std::vector<ThinRun> PlainRuns(const ChartValues& v, qint32 from, qint32 to,
                               const AxisScale& scale) {
    std::vector<ThinRun> out;
    const qint32 n = to + 1;
    auto column = [&](qint32 i) { return std::floor(scale.ToPixel(i)); };
    bool gap = false;
    for (qint32 start = from, end = from; start < n; start = end) {
        for (end = start + 1; end < n && column(end) == column(start);)
            ++end;
        for (qint32 k = start; k < end;) {
            if (std::isnan(v[size_t(k)])) {
                gap = true;
                ++k;
                continue;
            }
            ThinRun run;
            run.first = k;
            run.joined = !gap && !out.empty();
            run.low = run.high = v[size_t(k)];
            for (; k < end && !std::isnan(v[size_t(k)]); ++k) {
                run.low = std::min(run.low, v[size_t(k)]);
                run.high = std::max(run.high, v[size_t(k)]);
            }
            run.last = k - 1;
            run.firstValue = v[size_t(run.first)];
            run.lastValue = v[size_t(run.last)];
            out.push_back(run);
            gap = false;
        }
    }
    return out;
}

bool SameRuns(const std::vector<ThinRun>& a, const std::vector<ThinRun>& b) {
    auto same = [](float x, float y) { return x == y || (std::isnan(x) && std::isnan(y)); };
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (a[i].first != b[i].first || a[i].last != b[i].last || a[i].joined != b[i].joined ||
            !same(a[i].firstValue, b[i].firstValue) || !same(a[i].lastValue, b[i].lastValue) ||
            !same(a[i].low, b[i].low) || !same(a[i].high, b[i].high))
            return false;
    }
    return true;
}
} // namespace

// A very dense line's columns: the lowest and highest of every run, even of one sample
// standing out, and every gap breaking the line, as the point-by-point way has them.
TEST(ChartThin, RunsKeepEachColumnsLowestHighestAndGaps) {
    ChartValues v(30, 5);
    v[3] = 1;   // column 0: one low sample
    v[17] = 40; // column 1: one sample spike
    for (int i = 22; i < 25; ++i)
        v[i] = NAN;    // column 2: a gap inside it
    v.resize(50, NAN); // columns 3 and 4: no value at all
    v.resize(70, 6);
    const AxisScale scale = TenPerPixel(70);
    const std::vector<ThinRun> runs = ThinLineRuns(v, 0, 69, scale);
    ASSERT_EQ(runs.size(), 6u);
    EXPECT_EQ(runs[0].low, 1);
    EXPECT_EQ(runs[1].high, 40);
    EXPECT_EQ(runs[1].low, 5);
    EXPECT_TRUE(runs[1].joined);
    EXPECT_EQ(runs[2].last, 21);
    EXPECT_EQ(runs[3].first, 25);
    EXPECT_FALSE(runs[3].joined); // the gap inside column 2
    EXPECT_EQ(runs[4].first, 50);
    EXPECT_FALSE(runs[4].joined); // the gap over columns 3 and 4
    EXPECT_EQ(runs[4].firstValue, 6);
    EXPECT_TRUE(runs[5].joined);

    std::mt19937 random(78);
    for (const qint32 perColumn : {9, 10, 13, 64, 625}) {
        ChartValues w(size_t(perColumn) * 300);
        for (size_t i = 0; i < w.size(); ++i) {
            w[i] = float(random() % 50) / 100.0f;
            const unsigned special = random() % 400;
            if (special == 0)
                w[i] = NAN;
            else if (special == 1)
                w[i] = -0.0f;
            else if (special == 2)
                w[i] = INFINITY;
            else if (special == 3)
                w[i] = -INFINITY;
        }
        const qint32 n = qint32(w.size());
        const AxisScale wide(AxisRange{0, double(n)}, false, 0, double(n) / perColumn);
        EXPECT_TRUE(SameRuns(ThinLineRuns(w, 0, n - 1, wide), PlainRuns(w, 0, n - 1, wide)))
            << perColumn;
        EXPECT_TRUE(SameRuns(ThinLineRuns(w, 100, n - 50, wide), PlainRuns(w, 100, n - 50, wide)))
            << perColumn;
    }
}

TEST(ChartThin, SeriesKeepsItsRunsOnlyForTheSameValuesRangeAndPixels) {
    ChartValues v(30, 5);
    v[3] = 1;
    ChartSeries series;
    series.SetValues(v);
    const AxisScale scale = TenPerPixel(30);
    const auto first = ThinnedSeriesRuns(series, 0, 29, scale);
    EXPECT_TRUE(SameRuns(*first, ThinLineRuns(v, 0, 29, scale)));
    EXPECT_EQ(ThinnedSeriesRuns(series, 0, 29, scale), first); // the same, kept
    EXPECT_NE(ThinnedSeriesRuns(series, 10, 29, scale), first);
    EXPECT_TRUE(
        SameRuns(*ThinnedSeriesRuns(series, 10, 29, scale), ThinLineRuns(v, 10, 29, scale)));
    v[15] = 9;
    series.SetValues(v);
    EXPECT_TRUE(
        SameRuns(*ThinnedSeriesRuns(series, 10, 29, scale), ThinLineRuns(v, 10, 29, scale)));
    // The points of a line drawn point by point and its runs are kept apart.
    EXPECT_EQ(ThinnedSeriesIndexes(series, 0, 29, scale), ThinLineIndexes(v, 0, 29, scale));
    EXPECT_TRUE(SameRuns(*ThinnedSeriesRuns(series, 0, 29, scale), ThinLineRuns(v, 0, 29, scale)));
}

TEST(ChartFormat, SmallValuesOfALogarithmicAxisKeepTheirDigits) {
    ChartAxis axis;
    axis.ValueFormat = QStringLiteral("#0.00#");
    const QLocale c(QLocale::C);
    EXPECT_EQ(AxisLabelText(axis, 0.0002, c), QStringLiteral("0.00")); // linear: the pattern
    axis.Logarithmic = true;
    EXPECT_EQ(AxisLabelText(axis, 0.0002, c), QStringLiteral("0.0002"));
    EXPECT_EQ(AxisLabelText(axis, 0.0005, c), QStringLiteral("0.0005"));
    EXPECT_EQ(AxisLabelText(axis, 0.05, c), QStringLiteral("0.05"));
    EXPECT_EQ(AxisLabelText(axis, 20, c), QStringLiteral("20.00"));
}
