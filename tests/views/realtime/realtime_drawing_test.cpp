// The real-time drawing's arithmetic: the projection and its scale, the limit to the
// drawing area, the meters' range switches, the captions and the trend axis.
#include "views/realtime/realtime_drawing.h"
#include "views/realtime/realtime_layout.h"

#include <QLocale>

#include <gtest/gtest.h>

#include <cmath>

namespace {
const QLocale C = QLocale::c();
const DrawGeometry Start{250, 260, 230, 230}; // the start-up sizes

TEST(RealTimeProjection, DrawsATenthOfAMicroteslaOneDivisionLongAtTheFirstScale) {
    const VectorScene s = AggiornaScene(Start, 400, 0.1, 0, 0);
    EXPECT_DOUBLE_EQ(s.Pa, 46.0) << "VectorLength 230: a division is 46 units";
    EXPECT_EQ(s.Vector.p1(), QPointF(10, 250)) << "the origin: 10 in, DrawHeight - 10 down";
    EXPECT_EQ(s.Vector.p2(), QPointF(56, 250));
    EXPECT_FALSE(s.Limited);
    // One division stands for 40 / factor uT at every scale.
    for (double factor : DrawingScaleTable)
        EXPECT_NEAR(AggiornaScene(Start, factor, 40 / factor, 0, 0).Pa, 46.0, 1e-9);
}

TEST(RealTimeProjection, PutsTheYAxisAtSixtyDegreesAndTheFloorPointUnderTheTip) {
    const VectorScene s = AggiornaScene(Start, 400, 0.1, 0.2, 0.3);
    const double c = std::cos(M_PI / 3), sn = std::sin(M_PI / 3);
    EXPECT_NEAR(s.Tip.x(), 10 + 46 + 92 * c, 1e-9);
    EXPECT_NEAR(s.Tip.y(), 250 - (138 + 92 * sn), 1e-9);
    EXPECT_NEAR(s.ZProiez.p2().x(), s.Tip.x(), 1e-9) << "the floor point lies straight below";
    EXPECT_NEAR(s.ZProiez.p2().y(), 250 - 92 * sn, 1e-9);
    EXPECT_EQ(s.XProiez.p1(), QPointF(56, 250));
    EXPECT_NEAR(s.CaptionAt.x(), s.Tip.x() + 5, 1e-9);
}

TEST(RealTimeProjection, KeepsALongVectorInsideTheDrawingInItsOwnDirection) {
    const VectorScene s = AggiornaScene(Start, 400, 50, 0, 20);
    EXPECT_TRUE(s.Limited);
    EXPECT_LE(s.Tip.x(), 250.0 + 1e-9);
    EXPECT_GE(s.Tip.y(), -1e-9);
    EXPECT_NEAR(s.Pc / s.Pa, 20.0 / 50.0, 1e-12) << "shortened, not bent";
}

TEST(RealTimeProjection, DrawsTheAxesHeadsTicksAndLetters) {
    const AxesScene a = PreparaScene(Start);
    ASSERT_EQ(a.Axes.size(), 3u);
    EXPECT_EQ(a.Axes[0], QLineF(10, 250, 240, 250));
    EXPECT_EQ(a.Axes[1], QLineF(10, 250, 10, 20));
    EXPECT_EQ(a.Heads.size(), 9u);
    EXPECT_EQ(a.Heads[0], QLineF(240, 245, 240, 255));
    EXPECT_EQ(a.Ticks.size(), 15u);
    EXPECT_EQ(a.Ticks[0], QLineF(56, 248, 56, 252)) << "first tick one division out";
    EXPECT_EQ(a.ZLabel, QPointF(5, 3));
    EXPECT_EQ(a.XLabel, QPointF(237, 237));
}

TEST(RealTimeMeters, SwitchRangeAtTheLowFullScaleAndTheResultantAtItsRootThreeMultiple) {
    EXPECT_EQ(ComponentRange(1.99, 2.0), MeterRange::Low);
    EXPECT_EQ(ComponentRange(2.0, 2.0), MeterRange::High) << "exactly 2.0 is the high range";
    EXPECT_EQ(ResultantRange(3.45, 2.0), MeterRange::Low);
    EXPECT_EQ(ResultantRange(3.46, 2.0), MeterRange::Low);
    EXPECT_EQ(ResultantRange(3.47, 2.0), MeterRange::High);
    EXPECT_FLOAT_EQ(ResultantFullScale(MeterRange::Low, 2.0, 200.0), 3.46f);
    EXPECT_FLOAT_EQ(ResultantFullScale(MeterRange::High, 2.0, 200.0), 346.41f);
    EXPECT_FLOAT_EQ(ResultantFullScale(MeterRange::Low, 5.0, 200.0), 8.66f);
    EXPECT_DOUBLE_EQ(MeterFraction(1.0, 2.0), 0.5);
    EXPECT_DOUBLE_EQ(MeterFraction(500.0, 200.0), 1.0) << "the marker stops at the end";
}

TEST(RealTimeCaptions, FollowTheirPatterns) {
    EXPECT_EQ(ComponentCaption('x', 1.23, MeterRange::Low, C), QStringLiteral("Bx = 1.23 µT"));
    EXPECT_EQ(ComponentCaption('y', 45.62, MeterRange::High, C), QStringLiteral("By = 45.6 µT"));
    EXPECT_EQ(ComponentCaption('z', 2.0, MeterRange::High, C), QStringLiteral("Bz = 2.0 µT"));
    EXPECT_EQ(ResultantCaption(0, C), QStringLiteral("RSS  = 0.00 µT"));
    EXPECT_EQ(ResultantCaption(346.41, C), QStringLiteral("RSS  = 346.41 µT"));
    EXPECT_EQ(TipCaption(1.23, 45.6, 0.07, {MeterRange::Low, MeterRange::High, MeterRange::Low}, C),
              QStringLiteral("B (1.23 : 45.6 : 0.07)"));
    EXPECT_EQ(FullScaleLabel(2.0f, C), QStringLiteral("2 µT"));
    EXPECT_EQ(FullScaleLabel(3.46f, C), QStringLiteral("3.46 µT"));
    EXPECT_EQ(FullScaleLabel(200.0f, C), QStringLiteral("200 µT"));
    EXPECT_EQ(FullScaleLabel(346.41f, C), QStringLiteral("346.41 µT"));
    EXPECT_EQ(FullScaleLabel(3.46f, QLocale(QLocale::Italian)), QStringLiteral("3,46 µT"));
}

TEST(RealTimeCaptions, RoundAHalfAwayFromZeroFromTheFifteenDigitText) {
    struct Case {
        double value;
        int decimals;
        const char* text;
    };
    for (const Case& c : {Case{0.125, 2, "0.13"}, Case{2.675, 2, "2.68"}, Case{0.005, 2, "0.01"},
                          Case{1.25, 1, "1.3"}, Case{199.96, 1, "200.0"}, Case{9.995, 2, "10.00"},
                          Case{0.004, 2, "0.00"}, Case{-0.004, 2, "0.00"}, Case{-1.005, 2, "-1.01"},
                          Case{123456.0, 2, "123456.00"}})
        EXPECT_EQ(PatternFixed(c.value, c.decimals, C), QLatin1String(c.text)) << c.value;
}

TEST(RealTimeTrend, SetsTheValueAxisAfterEachReading) {
    struct Case {
        bool log;
        float max, min;
        double eMin, eMax, eStep;
    };
    for (const Case& c : {Case{true, 0, 0, 0.0001, 0.0002, 0}, Case{true, 3, 1, 0.0001, 4, 0},
                          Case{false, 3, 0, 0, 3.3, 0.1}, Case{false, 0, 0, 0, 0.0001, 0},
                          Case{false, 2, 2, 0, 2, 0}}) {
        const TrendAxis a = TrendValueAxis(c.log, c.max, c.min);
        EXPECT_NEAR(a.Minimum, c.eMin, 1e-12);
        EXPECT_NEAR(a.Maximum, c.eMax, 1e-6);
        EXPECT_NEAR(a.Increment, c.eStep, 1e-7);
    }
}

TEST(RealTimeTrend, LabelsPointNThreeSecondsAPointAfterTheStart) {
    const QDateTime start(QDate(2026, 12, 10), QTime(23, 59, 57), Qt::UTC);
    const QString first = TrendTimeLabel(start, 3, QStringLiteral("s"), 1);
    EXPECT_TRUE(first.contains(u'\r')) << "date and time on two lines";
    const QString second = TrendTimeLabel(start, 3, QStringLiteral("s"), 2);
    EXPECT_FALSE(second.contains(u'\r')) << "midnight shows the date alone";
    EXPECT_NE(first, second);
}

TEST(RealTimeLayout, SplitsAt440AndShrinksTheDrawingToTheRoomLeft) {
    RealTimeLayoutInput in;
    in.ButtonWidth = 34;
    in.Width = 441;
    in.Height = 800;
    RealTimeLayout l = ComputeRealTimeLayout(in);
    EXPECT_EQ(l.DrawWidth, 441 - 200 - 34 - 2);
    EXPECT_EQ(l.DrawHeight, l.DrawWidth + 10);
    in.Width = 440;
    l = ComputeRealTimeLayout(in);
    EXPECT_EQ(l.DrawWidth, 240 - 34 - 2) << "a narrow window keeps a 240-wide drawing block";
    EXPECT_EQ(l.AxisLength, l.DrawHeight - 30);

    in.Width = 900;
    in.Height = 400; // too low for a square drawing
    l = ComputeRealTimeLayout(in);
    const int chartHeight = static_cast<int>(400 * 0.3) - 1;
    EXPECT_EQ(l.Chart, QRect(0, 1, 900 - in.ControlWidth - 20, chartHeight));
    EXPECT_EQ(l.DrawHeight, 400 - (1 + chartHeight + 10));
    EXPECT_EQ(l.DrawWidth, l.DrawHeight - 10);
    EXPECT_EQ(l.AxisLength, l.DrawHeight - 30);
    EXPECT_EQ(l.Drawing.top(), chartHeight + 2);
    EXPECT_EQ(l.Drawing.height(), l.DrawHeight + 10);
    EXPECT_GT(l.Measures.left(), l.ScaleButtons[0].right());
    EXPECT_EQ(l.Start.top(), l.Measures.bottom() + 1 + 5);
}
} // namespace
