#include "platform/bgr_color.h"
#include "platform/chart/chart_layout.h"
#include "platform/chart/chart_model.h"
#include "platform/chart/chart_paint.h"
#include "stats/histogram.h"
#include "tests/support/default_locale.h"
#include "tests/support/event_scope.h"
#include "tests/views/graphs/graphs_fixture.h"
#include "views/graphs/graph_builders.h"
#include "views/graphs/graph_hooks.h"
#include "views/graphs/time_label.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <cmath>

namespace {
class GraphBuilders : public testing::Test {
protected:
    ChartModel Build(GraphKind kind, const DataSet& data, GraphSwitches switches = {},
                     const HistogramClasses& classes = HistogramClasses(),
                     const GraphProgress& progress = GraphProgress()) {
        ChartModel chart;
        SetupChart(chart, kind, options, switches);
        FillChart(chart, kind, data, options, classes, switches, progress);
        return chart;
    }
    TaggedTexts texts;
    OptionsRecord options = GraphOptions();
};
} // namespace

TEST_F(GraphBuilders, TimeEvolutionSeriesTitlesColoursAndAxes) {
    GraphSwitches switches;
    switches.hidden = {false, true, false, false};
    const ChartModel chart =
        Build(GraphKind::TimeEvolution, MakeSamples({{0.1f, 0.2f, 0.3f, 0.37}}), switches);
    ASSERT_EQ(chart.SeriesCount(), 4);
    const char* titles[4] = {"T3038", "T3039", "T3040", "T3041"};
    for (int k = 0; k < 4; ++k) {
        EXPECT_EQ(chart.Series(k).Title, QString::fromLatin1(titles[k]));
        EXPECT_EQ(chart.Series(k).Color, BgrColor(options.SeriesColor[k]));
        EXPECT_EQ(chart.Series(k).Kind(), ChartSeriesKind::Line);
        EXPECT_EQ(chart.Series(k).Active, k != 1);
    }
    EXPECT_EQ(chart.Series(0).Color, QColor(255, 0, 0)); // red in the low byte
    EXPECT_EQ(chart.LeftAxis.Title, QStringLiteral("T3033"));
    EXPECT_EQ(chart.LeftAxis.ValueFormat, QStringLiteral("#0.00#"));
    EXPECT_FALSE(chart.LeftAxis.Logarithmic);
    EXPECT_EQ(chart.PanelColor, BgrColor(options.GraphColor5));
    EXPECT_EQ(chart.TitleLines, QStringList{QStringLiteral("T3034")});
    EXPECT_TRUE(chart.TitleVisible);
    EXPECT_FALSE(chart.LegendVisible);
    EXPECT_TRUE(chart.ZoomEnabled);
    EXPECT_TRUE(chart.AfterDraw);
}

TEST_F(GraphBuilders, SamplesNotAvailableAreGapsInAllFourSeries) {
    const DataSet data = MakeSamples(
        {{0.1f, 0.2f, 0.3f, 0.37}, {-1, -1, -1, -1}, {0, 0, 0, 0}, {0.5f, 0.0f, 0.1f, 0.51}});
    const ChartModel chart = Build(GraphKind::TimeEvolution, data);
    for (int k = 0; k < 4; ++k) {
        ASSERT_EQ(chart.Series(k).Count(), 4) << k; // gaps keep their place
        EXPECT_FALSE(chart.Series(k).IsGap(0));
        EXPECT_TRUE(chart.Series(k).IsGap(1));
        EXPECT_TRUE(chart.Series(k).IsGap(2)); // a resultant of 0 is a gap too
        EXPECT_FALSE(chart.Series(k).IsGap(3));
    }
    EXPECT_FLOAT_EQ(chart.Series(0).Value(0), 0.1f);
    EXPECT_FLOAT_EQ(chart.Series(1).Value(3), 0.0f); // a component of 0 is a value
    EXPECT_FLOAT_EQ(chart.Series(3).Value(3), 0.51f);
    // The RF graph plots every sample, whatever its resultant.
    const ChartModel rf = Build(GraphKind::Rf, data);
    ASSERT_EQ(rf.SeriesCount(), 1);
    EXPECT_EQ(rf.Series(0).Title, QStringLiteral("T54"));
    EXPECT_EQ(rf.Series(0).Count(), 4);
    EXPECT_DOUBLE_EQ(rf.Series(0).Value(1), -10);
    EXPECT_EQ(rf.LeftAxis.ValueFormat, QStringLiteral("#0.0#"));
}

TEST_F(GraphBuilders, ValueRanges) {
    struct Case {
        const char* name;
        GraphKind kind;
        bool log;
        float resMin, resMax;
        double min, max, step;
    };
    for (const Case& c : {
             Case{"linear", GraphKind::TimeEvolution, false, 0.2f, 0.5f, 0, 0.53, 0.01},
             Case{"logarithmic", GraphKind::TimeEvolution, true, 0.2f, 0.5f, 0.0001, 0.53, 0},
             Case{"equal figures", GraphKind::TimeEvolution, false, 0.4f, 0.4f, 0, 0.4, 0},
             Case{"rf", GraphKind::Rf, false, 0, 0, 0, 32, 20.0 / 30},
         }) {
        SCOPED_TRACE(c.name);
        DataSet data = MakeSamples({{0.1f, 0.2f, 0.3f, 0.37}});
        data.ResMin = c.resMin;
        data.ResMax = c.resMax;
        GraphSwitches switches;
        switches.logarithmic = c.log;
        const ChartModel chart = Build(c.kind, data, switches);
        EXPECT_FALSE(chart.LeftAxis.Automatic);
        EXPECT_EQ(chart.LeftAxis.Logarithmic, c.log);
        EXPECT_NEAR(chart.LeftAxis.Minimum, c.min, 1e-6);
        EXPECT_NEAR(chart.LeftAxis.Maximum, c.max, 1e-6);
        EXPECT_NEAR(chart.LeftAxis.Increment, c.step, 1e-6);
    }
}

TEST_F(GraphBuilders, TimeLabelsPutDateAndTimeOnTwoLines) {
    const DefaultLocale cLocale{QLocale::c()}; // the times below are the C locale's
    DataSet data =
        MakeSamples({{0.1f, 0.2f, 0.3f, 0.4}, {-1, -1, -1, -1}, {0.1f, 0.2f, 0.3f, 0.4}});
    data.StartDate = data.StartDate.addSecs(-60); // 07:43:47
    data.SampleStep = 2;
    const ChartModel chart = Build(GraphKind::TimeEvolution, data);
    const QString first = chart.LabelOf(0);
    EXPECT_EQ(first.count(u'\r'), 1) << first.toStdString();
    EXPECT_TRUE(first.endsWith(QStringLiteral("07:43:47"))) << first.toStdString();
    EXPECT_TRUE(chart.LabelOf(1).endsWith(QStringLiteral("07:45:47"))); // a gap keeps its time
    EXPECT_TRUE(chart.LabelOf(2).endsWith(QStringLiteral("07:47:47")));
    // Midnight: the date alone, one line.
    const QString midnight = ChartTimeLabel(QDateTime(QDate(2026, 12, 10), QTime(0, 0), Qt::UTC));
    EXPECT_FALSE(midnight.contains(u'\r'));
    EXPECT_FALSE(midnight.isEmpty());
    // The break sits between date and time, also where the date holds blanks.
    const QString italian = [] {
        const DefaultLocale italy(QLocale(QLocale::Italian, QLocale::Italy));
        return ChartTimeLabel(QDateTime(QDate(2026, 12, 9), QTime(7, 44, 47), Qt::UTC));
    }();
    EXPECT_EQ(italian, QStringLiteral("09/12/2026\r07:44:47"));
    const QString american = [] {
        const DefaultLocale america(QLocale(QLocale::English, QLocale::UnitedStates));
        return ChartTimeLabel(QDateTime(QDate(2026, 12, 9), QTime(7, 44, 47), Qt::UTC));
    }();
    EXPECT_EQ(american, QStringLiteral("12/9/2026\r7:44:47 AM"));
    const QString c = ChartTimeLabel(QDateTime(QDate(2026, 12, 9), QTime(7, 44, 47), Qt::UTC));
    EXPECT_TRUE(c.endsWith(QStringLiteral("\r07:44:47"))) << c.toStdString();
    // Daylight-saving night: naive times never shift.
    const QString dst = SampleTimeLabel(QDateTime(QDate(2026, 3, 29), QTime(1, 30), Qt::UTC), 30,
                                        QStringLiteral("n"), 1, 2);
    EXPECT_TRUE(dst.endsWith(QStringLiteral("02:30:00"))) << dst.toStdString();
    // A large step product does not wrap at 32 bits.
    const QString far = SampleTimeLabel(QDateTime(QDate(2000, 1, 1), QTime(0, 0), Qt::UTC), 100000,
                                        QStringLiteral("s"), 1, 30000);
    EXPECT_FALSE(far.isEmpty());
    EXPECT_TRUE(SampleTimeLabel(data.StartDate, 1, QStringLiteral("x"), 1, 3).isEmpty());
}

TEST_F(GraphBuilders, ProgressEveryHundredSamples) {
    std::vector<int> seen;
    Build(GraphKind::TimeEvolution, MakeRamp(250), {}, HistogramClasses(),
          [&](int percent) { seen.push_back(percent); });
    EXPECT_EQ(seen, (std::vector<int>{40, 80}));
}

TEST_F(GraphBuilders, DrawGraphClearsTheProgressTextAtTheEnd) {
    DataSet saved = CurrentData();
    CurrentData() = MakeRamp(250);
    QStringList panel;
    EventScope events;
    events.On(&ProgramEvents::StatusText, [&](const QString& text) { panel.append(text); });
    ChartModel chart;
    GraphSetup(chart, GraphKind::TimeEvolution, {});
    DrawGraph(chart, GraphKind::TimeEvolution, {});
    events.Clear();
    CurrentData() = saved;
    EXPECT_EQ(panel,
              (QStringList{QStringLiteral("T303540%"), QStringLiteral("T303580%"), QString()}));
    EXPECT_EQ(chart.Series(3).Count(), 250);
}

TEST_F(GraphBuilders, Histogram) {
    HistogramClasses classes;
    classes.ClassNumber = 3;
    classes.ClassCount[1] = 20;
    classes.ClassCount[2] = 50;
    classes.ClassCount[3] = 30;
    classes.ClassLabel[1] = QStringLiteral("<0.1");
    classes.ClassLabel[2] = QStringLiteral("0.1-0.2");
    classes.ClassLabel[3] = QStringLiteral(">0.2");
    const ChartModel chart = Build(GraphKind::Statistics, DataSet(), {}, classes);
    ASSERT_EQ(chart.SeriesCount(), 1);
    const ChartSeries& bars = chart.Series(0);
    EXPECT_EQ(bars.Kind(), ChartSeriesKind::Bar);
    ASSERT_EQ(bars.Count(), 3);
    EXPECT_DOUBLE_EQ(bars.Value(1), 50);
    EXPECT_EQ(bars.Label(2), QStringLiteral(">0.2"));
    EXPECT_EQ(bars.PointColor(0), BgrColor(options.GraphColor4));
    EXPECT_EQ(chart.TitleLines, QStringList{QStringLiteral("T3037")});
    EXPECT_FALSE(chart.LeftAxis.Automatic);
    EXPECT_EQ(chart.LeftAxis.Minimum, 0);
    EXPECT_EQ(chart.LeftAxis.Maximum, 100);
    EXPECT_EQ(chart.LeftAxis.Title, QStringLiteral("T3043"));
    EXPECT_EQ(chart.BottomAxis.Title, QStringLiteral("(µT)"));
    EXPECT_EQ(chart.BottomAxis.LabelAngle, 90);
    EXPECT_EQ(chart.PanelColor, BgrColor(options.GraphColor6));
    EXPECT_FALSE(chart.ZoomEnabled);
    // No classes computed: a title and no bars.
    const ChartModel empty = Build(GraphKind::Statistics, DataSet(), {}, HistogramClasses());
    EXPECT_EQ(empty.Series(0).Count(), 0);
    EXPECT_TRUE(empty.TitleVisible);
}

TEST_F(GraphBuilders, SetupRemovesEverythingOfTheEarlierDataSetAndOtherKindsDoNothing) {
    ChartModel chart = Build(GraphKind::TimeEvolution, MakeRamp(300));
    chart.Zoom = ChartZoom{1, 2, 0, 1};
    SetupChart(chart, GraphKind::TimeEvolution, options, {});
    EXPECT_EQ(chart.SeriesCount(), 4);
    EXPECT_EQ(chart.Series(0).Count(), 0);
    EXPECT_FALSE(chart.Zoom);
    SetupChart(chart, static_cast<GraphKind>(7), options, {});
    FillChart(chart, static_cast<GraphKind>(7), MakeRamp(3), options, HistogramClasses(), {});
    EXPECT_EQ(chart.SeriesCount(), 4);
    EXPECT_EQ(chart.Series(0).Count(), 0);
}

TEST_F(GraphBuilders, ThresholdLineInItsColourInsideThePlotOnly) {
    Options().Threshold = 0.2f;
    Options().ThresholdColor = 0xFF00FF;
    QImage image(800, 600, QImage::Format_RGB32);
    const QRgb magenta = QColor(255, 0, 255).rgb();
    for (double threshold : {0.2, 5.0}) {
        Options().Threshold = float(threshold);
        const ChartModel chart = Build(GraphKind::TimeEvolution, MakeRamp(50));
        image.fill(Qt::white);
        QPainter painter(&image);
        PaintChart(painter, chart, QRectF(0, 0, 800, 600));
        painter.end();
        const ChartGeometry g = ComputeChartGeometry(chart, QRectF(0, 0, 800, 600), QFont());
        int onLine = 0;
        for (int y = 0; y < 600; ++y)
            for (int x = 0; x < 800; ++x)
                if (image.pixel(x, y) == magenta) {
                    ASSERT_TRUE(g.plot.adjusted(-1, -1, 1, 1).contains(x, y));
                    ++onLine;
                }
        if (threshold < 1) {
            // From x = 0 to the last point, at the threshold's height.
            const int y = int(std::floor(g.y.ToPixel(0.2)));
            EXPECT_EQ(image.pixel(int(g.x.ToPixel(25)), y), magenta);
            EXPECT_GT(onLine, int(g.plot.width() * 0.9));
        } else {
            EXPECT_EQ(onLine, 0); // above the axis maximum: clipped away
        }
    }
}
