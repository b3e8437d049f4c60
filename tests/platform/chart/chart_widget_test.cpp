#include "platform/chart/chart_export.h"
#include "platform/chart/chart_hit.h"
#include "platform/chart/chart_widget.h"

#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QImageWriter>
#include <QSignalSpy>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace {
// A chart of 100 points rising from 0 to 99 on a fixed 0..100 axis.
void FillRamp(ChartModel& model) {
    model.LeftAxis.Automatic = false;
    model.LeftAxis.Minimum = 0;
    model.LeftAxis.Maximum = 100;
    ChartSeries& s = model.AddSeries(ChartSeriesKind::Line);
    for (int i = 0; i < 100; ++i)
        s.AddPoint(i, QStringLiteral("p%1").arg(i));
}

class ChartWidgetTest : public testing::Test {
protected:
    void SetUp() override {
        FillRamp(widget.Model());
        widget.resize(800, 500);
        widget.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&widget));
    }
    QPoint PixelOf(qint32 index) {
        return PointPixel(widget.Model(), widget.Geometry(), 0, index)->toPoint();
    }
    ChartWidget widget;
};
} // namespace

TEST_F(ChartWidgetTest, ClickOnAPointReportsItsIndex) {
    QSignalSpy clicked(&widget, &ChartWidget::PointClicked);
    QTest::mouseClick(&widget, Qt::LeftButton, {}, PixelOf(42) + QPoint(2, 1));
    ASSERT_EQ(clicked.count(), 1);
    EXPECT_EQ(clicked[0][0].toInt(), 0);
    EXPECT_EQ(clicked[0][1].toInt(), 42);
    EXPECT_FALSE(widget.Zoomed()); // a click never zooms
    // Far from every point: nothing.
    const ChartGeometry g = widget.Geometry();
    QTest::mouseClick(&widget, Qt::LeftButton, {},
                      QPoint(int(g.x.ToPixel(80)), int(g.y.ToPixel(10))));
    EXPECT_EQ(clicked.count(), 1);
}

TEST_F(ChartWidgetTest, RubberBandZoomsAndUndoShowsEverything) {
    QSignalSpy changed(&widget, &ChartWidget::ViewChanged);
    const ChartGeometry g = widget.Geometry();
    const QPoint from(int(g.x.ToPixel(20)), int(g.y.ToPixel(60)));
    const QPoint to(int(g.x.ToPixel(40)), int(g.y.ToPixel(10)));
    QTest::mousePress(&widget, Qt::LeftButton, {}, from);
    QTest::mouseMove(&widget, (from + to) / 2);
    QTest::mouseMove(&widget, to);
    QTest::mouseRelease(&widget, Qt::LeftButton, {}, to);
    ASSERT_TRUE(widget.Zoomed());
    EXPECT_EQ(changed.count(), 1);
    const ChartGeometry zoomed = widget.Geometry();
    EXPECT_NEAR(zoomed.x.Range().min, 20, 0.5);
    EXPECT_NEAR(zoomed.x.Range().max, 40, 0.5);
    EXPECT_NEAR(zoomed.y.Range().min, 10, 0.5);
    EXPECT_NEAR(zoomed.y.Range().max, 60, 0.5);
    // A point inside the window is now where the zoomed axes put it.
    QSignalSpy clicked(&widget, &ChartWidget::PointClicked);
    QTest::mouseClick(&widget, Qt::LeftButton, {}, PixelOf(30));
    ASSERT_EQ(clicked.count(), 1);
    EXPECT_EQ(clicked[0][1].toInt(), 30);

    widget.UndoZoom();
    EXPECT_FALSE(widget.Zoomed());
    EXPECT_EQ(changed.count(), 2);
    EXPECT_DOUBLE_EQ(widget.Geometry().x.Range().max, 99);
    widget.UndoZoom(); // nothing to undo: no notice
    EXPECT_EQ(changed.count(), 2);
}

TEST_F(ChartWidgetTest, DragToTheUpperLeftUndoesAndDisabledZoomIgnoresDrags) {
    widget.ZoomTo(ChartZoom{10, 20, 10, 20});
    ASSERT_TRUE(widget.Zoomed());
    const ChartGeometry g = widget.Geometry();
    const QPoint from(int(g.plot.center().x()), int(g.plot.center().y()));
    QTest::mousePress(&widget, Qt::LeftButton, {}, from);
    QTest::mouseMove(&widget, from - QPoint(30, 30));
    QTest::mouseRelease(&widget, Qt::LeftButton, {}, from - QPoint(30, 30));
    EXPECT_FALSE(widget.Zoomed());

    widget.Model().ZoomEnabled = false;
    QTest::mousePress(&widget, Qt::LeftButton, {}, from);
    QTest::mouseMove(&widget, from + QPoint(60, 60));
    QTest::mouseRelease(&widget, Qt::LeftButton, {}, from + QPoint(60, 60));
    EXPECT_FALSE(widget.Zoomed());
}

TEST_F(ChartWidgetTest, CrossHair) {
    EXPECT_FALSE(widget.CrossHairVisible());
    widget.SetCrossHair(QPointF(PixelOf(10)));
    EXPECT_TRUE(widget.CrossHairVisible());
    EXPECT_EQ(widget.CrossHair()->toPoint(), PixelOf(10));
    widget.HideCrossHair();
    EXPECT_FALSE(widget.CrossHairVisible());
}

TEST_F(ChartWidgetTest, TheCrossHairStaysInsideThePlot) {
    widget.Model().TitleLines = {QStringLiteral("Title")};
    widget.Model().TitleVisible = true;
    widget.Model().LeftAxis.Title = QStringLiteral("uT");
    const QImage plain = widget.grab().toImage();
    const QRectF plot = widget.Geometry().plot;
    // Pixels that differ from the chart without a cross-hair, inside and outside the plot.
    auto changed = [&](const QImage& image, int& inside, int& outside) {
        inside = outside = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (image.pixel(x, y) != plain.pixel(x, y))
                    ++(plot.adjusted(-0.5, -0.5, 0.5, 0.5).contains(x, y) ? inside : outside);
    };
    int inside = 0, outside = 0;
    widget.SetCrossHair(QPointF(PixelOf(10)));
    changed(widget.grab().toImage(), inside, outside);
    EXPECT_GT(inside, 100);
    EXPECT_EQ(outside, 0); // not over the title, the labels or the axis titles
    // A point outside the plot (a zoomed view) draws nothing outside it either.
    widget.SetCrossHair(QPointF(plot.left() - 20, plot.top() - 10));
    changed(widget.grab().toImage(), inside, outside);
    EXPECT_EQ(outside, 0);
}

TEST(ChartHitTest, InactiveSeriesAndGapsAreNotHit) {
    ChartModel model;
    FillRamp(model);
    ChartSeries& other = model.AddSeries(ChartSeriesKind::Line);
    for (int i = 0; i < 100; ++i)
        other.AddPoint(50);
    model.Series(0).Active = false;
    const ChartGeometry g = ComputeChartGeometry(model, QRectF(0, 0, 800, 500), QFont());
    const QPointF at50 = *PointPixel(model, g, 0, 50); // both series pass here
    auto hit = HitTest(model, g, at50);
    ASSERT_TRUE(hit);
    EXPECT_EQ(hit->series, 1);
    EXPECT_EQ(hit->index, 50);
    model.Series(1).Active = false;
    EXPECT_FALSE(HitTest(model, g, at50));
    model.Series(0).Active = true;
    EXPECT_EQ(HitTest(model, g, at50)->series, 0);
    EXPECT_FALSE(PointPixel(model, g, 5, 0)); // no such series
}

TEST(ChartHitTest, AClickOnTheLineBetweenPointsReportsTheNearerPoint) {
    ChartModel model;
    model.LeftAxis.Automatic = false;
    model.LeftAxis.Minimum = 0;
    model.LeftAxis.Maximum = 100;
    ChartSeries& s = model.AddSeries(ChartSeriesKind::Line);
    for (int i = 0; i < 100; ++i) {
        if (i == 70)
            s.AddGap(QString());
        else
            s.AddPoint(i == 50 || i == 71 ? 100 : 0);
    }
    const ChartGeometry g = ComputeChartGeometry(model, QRectF(0, 0, 800, 500), QFont());
    auto along = [&](qint32 from, qint32 to, double t) {
        const QPointF a = *PointPixel(model, g, 0, from);
        const QPointF b = *PointPixel(model, g, 0, to);
        return a + t * (b - a);
    };
    // The steep rise to the spike passes far from both of its points.
    ASSERT_GT(QLineF(along(49, 50, 0.3), along(49, 50, 0)).length(), 20);
    auto hit = HitTest(model, g, along(49, 50, 0.3));
    ASSERT_TRUE(hit);
    EXPECT_EQ(hit->index, 49);
    hit = HitTest(model, g, along(49, 50, 0.8));
    ASSERT_TRUE(hit);
    EXPECT_EQ(hit->index, 50);
    // No line is drawn across a sample not available, so none is hit there.
    EXPECT_FALSE(HitTest(model, g, along(69, 71, 0.5)));
}

TEST(ChartExport, JpegIs800By600AndSvgParses) {
    ASSERT_TRUE(QImageWriter::supportedImageFormats().contains("jpeg"))
        << "the Qt JPEG plugin is missing";
    QTemporaryDir dir;
    ChartModel model;
    FillRamp(model);
    QString error;
    const QString jpeg = dir.filePath(QStringLiteral("chart.jpg"));
    ASSERT_TRUE(SaveChartJpeg(model, jpeg, QFont(), QSize(800, 600), 100, &error))
        << error.toStdString();
    QImageReader reader(jpeg);
    EXPECT_EQ(reader.format(), "jpeg");
    EXPECT_EQ(reader.size(), QSize(800, 600));

    const QString svg = dir.filePath(QStringLiteral("chart.svg"));
    ASSERT_TRUE(SaveChartSvg(model, svg, QFont(), QSize(800, 600), &error)) << error.toStdString();
    QSvgRenderer renderer(svg);
    EXPECT_TRUE(renderer.isValid());
    EXPECT_EQ(renderer.viewBox(), QRect(0, 0, 800, 600));
}

TEST(ChartExport, UnwritablePlaceFailsWithAReasonAndKeepsTheOldFile) {
    QTemporaryDir dir;
    ChartModel model;
    FillRamp(model);
    QString error;
    EXPECT_FALSE(SaveChartJpeg(model, dir.filePath(QStringLiteral("no/such/folder/c.jpg")), QFont(),
                               QSize(800, 600), 100, &error));
    EXPECT_FALSE(error.isEmpty());
    error.clear();
    EXPECT_FALSE(SaveChartSvg(model, dir.filePath(QStringLiteral("no/such/folder/c.svg")), QFont(),
                              QSize(800, 600), &error));
    EXPECT_FALSE(error.isEmpty());

    // A name that is a folder cannot take a picture.
    error.clear();
    EXPECT_FALSE(SaveChartJpeg(model, dir.path(), QFont(), QSize(800, 600), 100, &error));
    EXPECT_FALSE(error.isEmpty());

    // A picture that fails while being written leaves the previous file whole.
    const QString path = dir.filePath(QStringLiteral("c.jpg"));
    {
        QFile old(path);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("old picture");
    }
    EXPECT_FALSE(SaveChartJpeg(model, path, QFont(), QSize(0, 0), 100, &error));
    QFile old(path);
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    EXPECT_EQ(old.readAll(), QByteArray("old picture"));
}
