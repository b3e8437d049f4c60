// Painting the chart: the first paint of four series of 1,000,000 samples into a 1600 x 900
// picture against the first of four of 1,600 (one point a pixel column), and the redraw of a
// 10,000-sample download's time-evolution graph after a zoom. Wall time and the CPU time of
// the whole process.
#include "bench/bench_main.h"
#include "core/options.h"
#include "data/dataset.h"
#include "platform/chart/chart_model.h"
#include "platform/chart/chart_paint.h"
#include "platform/chart/chart_thin.h"
#include "stats/histogram.h"
#include "text/date_math.h"
#include "views/graphs/graph_builders.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <cmath>

namespace {
const QSize PictureSize(1600, 900);

// Four field-like series with a gap every so often, labelled by sample time.
ChartModel FourSeries(qint32 points) {
    ChartModel chart;
    chart.LeftAxis.Automatic = false;
    chart.LeftAxis.Minimum = 0;
    chart.LeftAxis.Maximum = 3;
    chart.LeftAxis.Increment = 0.1;
    chart.LeftAxis.ValueFormat = QStringLiteral("#0.00#");
    chart.TitleLines.append(QStringLiteral("Magnetic field over time"));
    chart.TitleVisible = true;
    const QColor colours[4] = {Qt::blue, Qt::red, Qt::darkYellow, Qt::magenta};
    for (int s = 0; s < 4; ++s) {
        ChartSeries& series = chart.AddSeries(ChartSeriesKind::Line);
        series.Color = colours[s];
        ChartValues values(points);
        for (qint32 i = 0; i < points; ++i) {
            values[i] = 1 + 0.6 * std::sin(i * 0.0007 + s) + 0.2 * std::sin(i * 0.37 + s * 3.0);
            if (i % 50000 > 49000)
                values[i] = std::nan("");
        }
        series.SetValues(std::move(values));
    }
    const QDateTime start = NaiveDateTime(2026, 12, 9, 7, 44, 47);
    chart.PointLabel = [start](qint32 i) {
        return start.addSecs(i).toString(QStringLiteral("dd/MM/yyyy\rHH:mm:ss"));
    };
    return chart;
}

// The first paint after a load, a zoom or a resize: no series keeps thinned points yet. The
// fonts and the painter's own caches are warm on both sides (the first paint of the run
// fills them, outside the loop).
void RenderFourSeries(benchmark::State& state) {
    const ChartModel chart = FourSeries(static_cast<qint32>(state.range(0)));
    QImage image(PictureSize, QImage::Format_RGB32);
    const QRectF area(QPointF(0, 0), QSizeF(PictureSize));
    {
        const ChartModel fonts = FourSeries(PictureSize.width());
        QPainter warm(&image);
        PaintChart(warm, fonts, area);
    }
    for (auto _ : state) {
        for (int s = 0; s < chart.SeriesCount(); ++s)
            chart.Series(s).ThinCache() = {};
        QPainter painter(&image);
        PaintChart(painter, chart, area);
    }
}

// The thinning alone: one series of 1,000,000 samples into the runs of 1,500 columns.
void ThinOneSeries(benchmark::State& state) {
    const ChartModel chart = FourSeries(1000000);
    const AxisScale x(AxisRange{0, 999999}, false, 60, 1560);
    for (auto _ : state)
        benchmark::DoNotOptimize(ThinLineRuns(chart.Series(0).Values(), 0, 999999, x));
}

// A download of 10,000 samples in the time-evolution graph, zoomed to a fifth of it.
void RedrawAfterZoom(benchmark::State& state) {
    DataSet data;
    data.DataPresent = true;
    data.NumSamples = 10000;
    data.StartDate = NaiveDateTime(2026, 12, 9, 7, 44, 47);
    data.SampleStep = 1;
    data.SampleStepUnit = QStringLiteral("n");
    data.DataX = data.DataY = data.DataZ = QVector<float>(10001, 0);
    data.DataRes = QVector<double>(10001, 0);
    for (int i = 1; i <= 10000; ++i) {
        data.DataX[i] = 0.3f + 0.2f * std::sin(i * 0.01f);
        data.DataY[i] = 0.2f + 0.1f * std::cos(i * 0.013f);
        data.DataZ[i] = 0.1f;
        data.DataRes[i] = std::sqrt(double(data.DataX[i]) * data.DataX[i] +
                                    double(data.DataY[i]) * data.DataY[i] + 0.01);
    }
    data.ResMax = 0.6f;
    data.ResMin = 0.1f;
    OptionsRecord options;
    SetDefaultOptions(options);
    ChartModel chart;
    SetupChart(chart, GraphKind::TimeEvolution, options, {});
    FillChart(chart, GraphKind::TimeEvolution, data, options, HistogramClasses(), {});
    chart.Zoom = ChartZoom{4000, 6000, 0.05, 0.5};
    QImage image(QSize(1000, 650), QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter painter(&image);
        PaintChart(painter, chart, QRectF(QPointF(0, 0), QSizeF(image.size())));
    }
}
} // namespace

BENCHMARK(RenderFourSeries)
    ->Arg(1600)
    ->Arg(1000000)
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime()
    ->UseRealTime();
BENCHMARK(ThinOneSeries)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime();
BENCHMARK(RedrawAfterZoom)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime();

int main(int argc, char** argv) {
    return RunBenchmarks<QGuiApplication>(argc, argv);
}
