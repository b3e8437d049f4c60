#include "platform/chart/chart_layout.h"
#include "platform/chart/chart_model.h"
#include "platform/chart/chart_paint.h"

#include <QFile>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace {
QImage Render(const ChartModel& model, bool thin, QSize size = QSize(800, 600)) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    ChartPaintOptions options;
    options.thin = thin;
    PaintChart(painter, model, QRectF(QPointF(0, 0), QSizeF(size)), options);
    return image;
}

// A random walk with occasional gaps, dense enough to be thinned.
ChartModel DenseModel(qint32 points, bool withGaps) {
    ChartModel model;
    model.LeftAxis.Automatic = false;
    model.LeftAxis.Minimum = -50;
    model.LeftAxis.Maximum = 50;
    std::mt19937 random(7);
    std::normal_distribution<double> step(0, 1);
    ChartSeries& series = model.AddSeries(ChartSeriesKind::Line);
    series.Color = Qt::red;
    ChartValues values(points);
    double v = 0;
    for (qint32 i = 0; i < points; ++i) {
        v = std::clamp(v + step(random), -45.0, 45.0);
        values[i] = (withGaps && (i / 997) % 7 == 3) ? NAN : static_cast<float>(v);
    }
    series.SetValues(std::move(values));
    return model;
}

struct Comparison {
    int linePixels = 0; // line pixels of the second picture
    int differing = 0;
    int unmatched = 0; // line pixels with no line pixel within one pixel in the other picture
};

// The rasteriser puts the pixels of a line through extra points a pixel aside now and then
// (where segments join), so two pictures of the same line compare within one pixel.
Comparison Compare(const QImage& a, const QImage& b, QRgb line) {
    Comparison result;
    auto near = [&](const QImage& image, int x, int y) {
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx) {
                const int px = x + dx, py = y + dy;
                if (px >= 0 && py >= 0 && px < image.width() && py < image.height() &&
                    image.pixel(px, py) == line)
                    return true;
            }
        return false;
    };
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            result.linePixels += b.pixel(x, y) == line;
            if (a.pixel(x, y) == b.pixel(x, y))
                continue;
            ++result.differing;
            if ((a.pixel(x, y) == line && !near(b, x, y)) ||
                (b.pixel(x, y) == line && !near(a, x, y)))
                ++result.unmatched;
        }
    return result;
}
} // namespace

// Tolerance: every line pixel of either picture has a line pixel within one pixel in the
// other, and fewer than 2 % of the line's pixels differ at all.
TEST(ChartRender, ThinnedDenseSeriesLooksLikeEveryPointDrawn) {
    struct Case {
        qint32 points;
        bool gaps;
        bool zoomed;
    };
    for (const Case& c : {Case{3000, false, false}, Case{200000, false, false},
                          Case{200000, true, false}, Case{1000000, true, true}}) {
        ChartModel model = DenseModel(c.points, c.gaps);
        if (c.zoomed)
            model.Zoom = ChartZoom{c.points * 0.25, c.points * 0.5, -20, 30};
        const QImage thin = Render(model, true);
        const QImage full = Render(model, false);
        const Comparison result = Compare(thin, full, QColor(Qt::red).rgb());
        SCOPED_TRACE(testing::Message() << c.points << " points, gaps " << c.gaps);
        EXPECT_EQ(result.unmatched, 0);
        EXPECT_LT(result.differing, result.linePixels / 50) << result.linePixels;
    }
}

// A million points drawn column by column: a spike of one sample still reaches its value, a
// gap of a few columns stays empty, and the line goes on at both sides of it.
TEST(ChartRender, ADenseLineShowsAOneSampleSpikeAndItsGaps) {
    ChartModel model;
    model.LeftAxis.Automatic = false;
    model.LeftAxis.Minimum = -50;
    model.LeftAxis.Maximum = 50;
    ChartSeries& series = model.AddSeries(ChartSeriesKind::Line);
    series.Color = Qt::red;
    ChartValues values(1000000);
    for (size_t i = 0; i < values.size(); ++i)
        values[i] = (i % 2) ? 1.0f : -1.0f;
    values[300001] = 40;  // one sample up
    values[400001] = -35; // one sample down
    for (size_t i = 600000; i < 620000; ++i)
        values[i] = NAN;
    series.SetValues(std::move(values));
    const QImage image = Render(model, true);
    const ChartGeometry g = ComputeChartGeometry(model, QRectF(0, 0, 800, 600), QFont());
    const QRgb red = QColor(Qt::red).rgb();
    auto column = [&](double index) { return static_cast<int>(std::floor(g.x.ToPixel(index))); };
    auto row = [&](double value) { return static_cast<int>(std::floor(g.y.ToPixel(value))); };
    auto redRows = [&](int x) {
        std::pair<int, int> rows{image.height(), -1};
        for (int y = 0; y < image.height(); ++y) {
            if (image.pixel(x, y) == red)
                rows = {std::min(rows.first, y), std::max(rows.second, y)};
        }
        return rows;
    };
    EXPECT_EQ(redRows(column(300001)).first, row(40));
    EXPECT_EQ(redRows(column(400001)).second, row(-35));
    EXPECT_EQ(redRows(column(200000)), std::make_pair(row(1), row(-1)));
    for (int x = column(600000) + 1; x < column(619999); ++x)
        EXPECT_EQ(redRows(x).second, -1) << "column " << x;
    EXPECT_EQ(redRows(column(600000) - 1), std::make_pair(row(1), row(-1)));
    EXPECT_EQ(redRows(column(620000) + 1), std::make_pair(row(1), row(-1)));
}

TEST(ChartRender, GapsBreakTheLine) {
    ChartModel model;
    model.LeftAxis.Automatic = false;
    model.LeftAxis.Minimum = 0;
    model.LeftAxis.Maximum = 10;
    ChartSeries& s = model.AddSeries(ChartSeriesKind::Line);
    s.Color = Qt::blue;
    for (int i = 0; i < 10; ++i) {
        if (i == 4 || i == 5)
            s.AddGap();
        else
            s.AddPoint(5);
    }
    const QImage image = Render(model, true);
    QPainter measure;
    const ChartGeometry g = ComputeChartGeometry(model, QRectF(0, 0, 800, 600), QFont());
    const int y = static_cast<int>(std::floor(g.y.ToPixel(5)));
    auto blueNear = [&](double xValue) {
        const int x = static_cast<int>(std::floor(g.x.ToPixel(xValue)));
        for (int dy = -1; dy <= 1; ++dy)
            if (image.pixel(x, y + dy) == QColor(Qt::blue).rgb())
                return true;
        return false;
    };
    EXPECT_TRUE(blueNear(1.5));
    EXPECT_FALSE(blueNear(4.5)); // between the two gaps
    EXPECT_TRUE(blueNear(7.5));
}

TEST(ChartRender, AfterDrawIsClippedToThePlot) {
    ChartModel model;
    model.PanelColor = QColor(0x80, 0x80, 0x80);
    model.LeftAxis.Automatic = false;
    model.LeftAxis.Minimum = 0;
    model.LeftAxis.Maximum = 1;
    ChartSeries& s = model.AddSeries(ChartSeriesKind::Line);
    s.AddPoint(0.5);
    s.AddPoint(0.5);
    ChartGeometry seen;
    model.AfterDraw = [&](QPainter& painter, const ChartModel&, const ChartGeometry& g) {
        seen = g;
        painter.setPen(QPen(Qt::green, 0));
        // Far beyond the plot both ways, as a threshold above the axis maximum would be.
        painter.drawLine(QPointF(-1000, g.y.ToPixel(0.5)), QPointF(5000, g.y.ToPixel(0.5)));
        painter.fillRect(QRectF(-100, -100, 2000, 2000), QColor(0, 255, 0, 0)); // no-op fill
        painter.drawLine(QPointF(-1000, 3), QPointF(5000, 3));
    };
    const QImage image = Render(model, true);
    const QRgb green = QColor(Qt::green).rgb();
    const QRect plot = seen.plot.toAlignedRect();
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) == green)
                ASSERT_TRUE(plot.contains(x, y)) << x << "," << y;
    EXPECT_EQ(image.pixel(plot.center().x(), static_cast<int>(seen.y.ToPixel(0.5))), green);
}

TEST(ChartRender, DegenerateAxesStillDrawTheSeries) {
    struct Case {
        const char* name;
        double min, max;
        bool log;
        double value;
    };
    for (const Case& c :
         {Case{"max equals min", 2, 2, false, 2}, Case{"max below min", 5, 1, false, 3},
          Case{"all zero", 0, 0, false, 0}, Case{"log from 0", 0, 10, true, 1},
          Case{"log all negative", -5, -1, true, -2},
          Case{"log value at zero", 0.0001, 10, true, 0},
          Case{"not finite", std::nan(""), INFINITY, false, 1}}) {
        SCOPED_TRACE(c.name);
        ChartModel model;
        model.LeftAxis.Automatic = false;
        model.LeftAxis.Minimum = c.min;
        model.LeftAxis.Maximum = c.max;
        model.LeftAxis.Logarithmic = c.log;
        ChartSeries& s = model.AddSeries(ChartSeriesKind::Line);
        s.Color = Qt::magenta;
        for (int i = 0; i < 50; ++i)
            s.AddPoint(c.value);
        const ChartGeometry g = ComputeChartGeometry(model, QRectF(0, 0, 800, 600), QFont());
        EXPECT_GT(g.y.Range().max, g.y.Range().min);
        const QImage image = Render(model, true);
        int magenta = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                magenta += image.pixel(x, y) == QColor(Qt::magenta).rgb();
        EXPECT_GT(magenta, 100); // a line across the plot, inside or on its edge
    }
}

TEST(ChartRender, BarsAndLabelsOfAHistogram) {
    ChartModel model;
    model.LeftAxis.Automatic = false;
    model.LeftAxis.Minimum = 0;
    model.LeftAxis.Maximum = 100;
    model.BottomAxis.LabelAngle = 90;
    ChartSeries& s = model.AddSeries(ChartSeriesKind::Bar);
    s.AddPoint(50, QStringLiteral("0.0-1.0"), Qt::darkCyan);
    s.AddPoint(25, QStringLiteral("1.0-2.0"), Qt::darkCyan);
    s.AddPoint(0, QStringLiteral("> 2.0"), Qt::darkCyan);
    const QImage image = Render(model, true);
    const ChartGeometry g = ComputeChartGeometry(model, QRectF(0, 0, 800, 600), QFont());
    ASSERT_EQ(g.xTicks.size(), 3u);
    const QRgb cyan = QColor(Qt::darkCyan).rgb();
    EXPECT_EQ(image.pixel(g.x.ToPixel(0), g.y.ToPixel(25)), cyan);
    EXPECT_EQ(image.pixel(g.x.ToPixel(1), g.y.ToPixel(10)), cyan);
    EXPECT_NE(image.pixel(g.x.ToPixel(1), g.y.ToPixel(40)), cyan);
    EXPECT_NE(image.pixel(g.x.ToPixel(2), g.y.ToPixel(10)), cyan);
}

TEST(ChartRender, AutomaticRangeFollowsTheShownValues) {
    ChartModel model;
    ChartSeries& shown = model.AddSeries(ChartSeriesKind::Line);
    shown.AddPoint(2);
    shown.AddGap();
    shown.AddPoint(-1);
    shown.AddPoint(5);
    ChartSeries& hidden = model.AddSeries(ChartSeriesKind::Line);
    hidden.AddPoint(1000);
    hidden.Active = false;
    AxisRange r = ChartYRange(model);
    EXPECT_DOUBLE_EQ(r.min, -1);
    EXPECT_DOUBLE_EQ(r.max, 5);
    // Logarithmic: values at or below 0 take no part, and the axis spans whole decades.
    model.LeftAxis.Logarithmic = true;
    r = ChartYRange(model);
    EXPECT_DOUBLE_EQ(r.min, 1);
    EXPECT_DOUBLE_EQ(r.max, 10);
    model.Zoom = ChartZoom{0, 1, 3, 4};
    EXPECT_DOUBLE_EQ(ChartYRange(model).min, 3);
    EXPECT_DOUBLE_EQ(ChartXRange(model).max, 1);
}

TEST(ChartRender, ALogarithmicAxisSpansTheDecadesOfItsData) {
    // The time graph's field from 0.2 to 97 uT on its logarithmic axis, which is set from
    // 0.0001 to a tenth above the data.
    ChartModel model;
    ChartSeries& field = model.AddSeries(ChartSeriesKind::Line);
    for (double v : {0.2, 3.0, 97.0})
        field.AddPoint(v);
    field.AddGap();
    model.LeftAxis.Logarithmic = true;
    struct Case {
        bool automatic;
        double minimum;
        double maximum;
        AxisRange shown;
    };
    const Case cases[] = {
        {true, 0, 0, {0.1, 100}},
        {false, 0.0001, 106.7, {0.1, 106.7}},
        // A minimum of its own above the data's decade is kept.
        {false, 0.15, 106.7, {0.15, 106.7}},
        {false, 0.5, 106.7, {0.5, 106.7}},
    };
    for (const Case& c : cases) {
        model.LeftAxis.Automatic = c.automatic;
        model.LeftAxis.Minimum = c.minimum;
        model.LeftAxis.Maximum = c.maximum;
        const AxisRange r = ChartYRange(model);
        EXPECT_NEAR(r.min, c.shown.min, 1e-12) << c.minimum;
        EXPECT_NEAR(r.max, c.shown.max, 1e-12) << c.minimum;
    }
    // Below the lowest value lies less than its own decade, not the four empty decades
    // down to 0.0001 (over half the plot).
    model.LeftAxis.Automatic = false;
    model.LeftAxis.Minimum = 0.0001;
    const ChartGeometry g = ComputeChartGeometry(model, QRectF(0, 0, 800, 600), QFont());
    EXPECT_LT(g.plot.bottom() - g.y.ToPixel(0.2), g.plot.height() / 3);
    EXPECT_DOUBLE_EQ(g.yTicks.front(), 0.1);
    // Nothing above zero: the axis's own range.
    ChartModel empty;
    empty.AddSeries(ChartSeriesKind::Line).AddGap();
    empty.LeftAxis = model.LeftAxis;
    EXPECT_DOUBLE_EQ(ChartYRange(empty).min, 0.0001);
}

TEST(ChartRender, APrinterPageTakesTheChartInTheGivenRectangle) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("page.pdf"));
    ChartModel model;
    ChartSeries& s = model.AddSeries(ChartSeriesKind::Line);
    for (int i = 0; i < 5000; ++i)
        s.AddPoint(std::sin(i * 0.01));
    model.LegendVisible = true;
    {
        QPdfWriter writer(path);
        writer.setResolution(600);
        QPainter painter(&writer);
        const QRect page = painter.viewport();
        const QRectF band(100, 100, page.width() - 200, (page.height() - 200) * 0.74);
        PaintChart(painter, model, band);
        // The layout measures in the printer's resolution: the plot lies inside the band.
        const ChartGeometry g = ComputeChartGeometry(model, band, painter.font(), &writer);
        EXPECT_TRUE(band.contains(g.plot));
        EXPECT_GT(g.plot.width(), band.width() * 0.7);
        EXPECT_TRUE(band.contains(g.legend));
    }
    QFile pdf(path);
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.read(5) == "%PDF-");
}
