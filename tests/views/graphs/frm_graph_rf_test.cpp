#include "platform/chart/chart_layout.h"
#include "platform/chart/chart_paint.h"
#include "platform/chart/chart_widget.h"
#include "platform/paths.h"
#include "tests/support/fake_ui.h"
#include "tests/views/graphs/graphs_fixture.h"
#include "views/graphs/frm_graph_rf.h"
#include "views/graphs/graph_hooks.h"
#include "views/windows/single_window.h"

#include <QAction>
#include <QCheckBox>
#include <QImage>
#include <QImageReader>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace {
// A station's RF channel by hand: 40 samples of 10 to 30 units, one minute apart.
DataSet RfSurvey() {
    DataSet d = MakeRamp(40);
    for (qint32 i = 1; i <= 40; ++i)
        d.DataRf[i] = 10.0f + float(i % 21);
    d.CsvRfMin = 10;
    d.CsvRfMax = 30;
    d.RfDataPresent = true;
    d.DataRes[7] = -1; // a resultant not available: the RF channel still has its value
    return d;
}

class GraphRfWindow : public GraphWindowTest<frmGraphRf> {
protected:
    void SetUp() override {
        GraphWindowTest::SetUp();
        Options().Threshold = 16;
        CurrentData() = RfSurvey();
    }
    static ChartModel& Chart(frmGraphRf& w) { return w.teeEvolution->Model(); }
};
} // namespace

TEST_F(GraphRfWindow, TheRfChannelWithItsRangeAndTheOpenFlag) {
    EXPECT_FALSE(GraphRfOpen());
    frmGraphRf& w = Open();
    EXPECT_TRUE(GraphRfOpen());
    ASSERT_EQ(Chart(w).SeriesCount(), 1);
    const ChartSeries& rf = Chart(w).Series(0);
    EXPECT_EQ(rf.Title, QStringLiteral("T54"));
    EXPECT_EQ(rf.Count(), 40);
    EXPECT_FLOAT_EQ(rf.Value(6), 17.0f); // sample 7 ...
    EXPECT_FLOAT_EQ(rf.Value(7), 18.0f); // ... and sample 8 with no resultant: no gap here
    // 0 to the maximum and a tenth of the range, labelled every thirtieth of it.
    EXPECT_FALSE(Chart(w).LeftAxis.Automatic);
    EXPECT_DOUBLE_EQ(Chart(w).LeftAxis.Minimum, 0);
    EXPECT_DOUBLE_EQ(Chart(w).LeftAxis.Maximum, 32);
    EXPECT_NEAR(Chart(w).LeftAxis.Increment, 20.0 / 30, 1e-12);
    EXPECT_EQ(Chart(w).LeftAxis.ValueFormat, QStringLiteral("#0.0#"));
    EXPECT_EQ(Chart(w).LeftAxis.Title, QStringLiteral("T3033"));
    EXPECT_EQ(Chart(w).TitleLines, QStringList{QStringLiteral("T3034")});
    EXPECT_EQ(w.lblDescrizione[0]->text(), QStringLiteral("T4206"));
    EXPECT_EQ(w.btnFullScale->toolTip(), QStringLiteral("T4146"));
    w.Form_Activate();
    EXPECT_EQ(w.windowTitle(), QStringLiteral("T4205"));
    CurrentData().CurrentFileName = QStringLiteral("station.csv");
    w.Form_Activate();
    EXPECT_EQ(w.windowTitle(), QStringLiteral("station.csv [T4205]"));
    EXPECT_EQ(&Window<frmGraphRf>().Show(), &w); // the same single window
    w.tbrGraphTe_ButtonClick(5);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(GraphRfOpen());
}

TEST_F(GraphRfWindow, TheThresholdLineLiesAtItsValueOnTheRfAxis) {
    frmGraphRf& w = Open();
    QImage image(800, 600, QImage::Format_RGB32);
    image.fill(Qt::white);
    const QRectF target(0, 0, 800, 600);
    ChartGeometry g;
    {
        QPainter painter(&image);
        PaintChart(painter, Chart(w), target);
        g = ComputeChartGeometry(Chart(w), target, painter.font(), &image);
    }
    const int y = qRound(g.ValueToPixelY(16));
    // Between two points, away from the series: the threshold's colour (0xFF00FF is blue
    // 0xFF, green 0, red 0xFF).
    const int x = qRound((g.ValueToPixelX(2) + g.ValueToPixelX(3)) / 2);
    bool found = false;
    for (int dy = -1; dy <= 1; ++dy)
        found = found || image.pixel(x, y + dy) == qRgb(0xFF, 0x00, 0xFF);
    EXPECT_TRUE(found);
}

TEST_F(GraphRfWindow, HidingTheSeriesLeavesTheCrossHairAndClicksReportTheSample) {
    frmGraphRf& w = Open();
    w.ShowCrosshair(0, 12);
    ASSERT_TRUE(w.CrosshairVisible());
    QTest::mouseClick(w.chkHidePlot[0], Qt::LeftButton);
    EXPECT_FALSE(w.SeriesShown(0));
    EXPECT_TRUE(w.CrosshairVisible());
    QTest::mouseClick(w.chkHidePlot[0], Qt::LeftButton);
    EXPECT_TRUE(w.SeriesShown(0));
    // A resize and the zoom undo hide it, as in the time-evolution window.
    w.resize(700, 500);
    QCoreApplication::processEvents();
    EXPECT_FALSE(w.CrosshairVisible());
    EXPECT_EQ(w.PointCount(0), 40);
    EXPECT_EQ(w.PointCount(1), 0);
}

TEST_F(GraphRfWindow, SavesAPictureAndPrintsItsOwnChart) {
    frmGraphRf& w = Open();
    const QString jpeg = scratch.filePath(QStringLiteral("rf.jpg"));
    ui.saveAnswers.push_back({true, jpeg, 0});
    w.tbrGraphTe_ButtonClick(2);
    ASSERT_EQ(ui.saveCalls.size(), 1);
    EXPECT_EQ(ui.saveCalls[0].title, QStringLiteral("T3007"));
    EXPECT_EQ(QImageReader(jpeg).size(), QSize(800, 600));
    QString kind;
    GraphHook().PrintGraph = [&](const QString&, const QString& k) { kind = k; };
    w.tbrGraphTe_ButtonClick(3);
    EXPECT_EQ(kind, QStringLiteral("RF"));
}
