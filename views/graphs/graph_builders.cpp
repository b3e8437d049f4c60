#include "views/graphs/graph_builders.h"

#include "core/error_report.h"
#include "core/language.h"
#include "core/options.h"
#include "core/program_events.h"
#include "data/dataset.h"
#include "platform/bgr_color.h"
#include "platform/chart/chart_layout.h"
#include "platform/chart/chart_model.h"
#include "stats/histogram.h"
#include "views/graphs/time_label.h"

#include <QPainter>

#include <cmath>
#include <limits>

namespace {
constexpr double LogAxisMinimum = 0.0001;

bool TimeKind(GraphKind kind) {
    return kind == GraphKind::TimeEvolution || kind == GraphKind::Rf;
}

void ShowTitle(ChartModel& chart, const QString& text) {
    chart.TitleLines.clear();
    chart.TitleLines.append(text);
    chart.TitleVisible = true;
}

void InstallThreshold(ChartModel& chart) {
    chart.AfterDraw = [](QPainter& painter, const ChartModel& model, const ChartGeometry& g) {
        DrawThresholdLine(painter, model, g, Options().Threshold, Options().ThresholdColor);
    };
}

float SampleValue(const QVector<float>& values, qint32 i) {
    return i < values.size() ? values[i] : std::numeric_limits<float>::quiet_NaN();
}
} // namespace

void SetupChart(ChartModel& chart, GraphKind kind, const OptionsRecord& options,
                const GraphSwitches& switches) {
    if (kind != GraphKind::TimeEvolution && kind != GraphKind::Statistics && kind != GraphKind::Rf)
        return;
    chart.RemoveAllSeries();
    chart.LegendVisible = false;
    if (kind == GraphKind::Statistics) {
        chart.LeftAxis.Automatic = false;
        chart.LeftAxis.Minimum = 0;
        chart.LeftAxis.Maximum = 100;
        chart.LeftAxis.Title = ResString(3043);
        chart.BottomAxis.Title = QStringLiteral("(µT)");
        chart.BottomAxis.LabelAngle = 90;
        chart.PanelColor = BgrColor(options.GraphColor6);
        chart.ZoomEnabled = false;
        chart.AddSeries(ChartSeriesKind::Bar);
        chart.AfterDraw = nullptr;
        return;
    }
    chart.BottomAxis.DateTimeFormat = QStringLiteral("c");
    chart.LeftAxis.Title = ResString(3033);
    chart.PanelColor = BgrColor(options.GraphColor5);
    chart.ZoomEnabled = true;
    InstallThreshold(chart);
    if (kind == GraphKind::Rf) {
        chart.LeftAxis.ValueFormat = QStringLiteral("#0.0#");
        ChartSeries& rf = chart.AddSeries(ChartSeriesKind::Line);
        rf.Title = ResString(54);
        rf.Color = BgrColor(options.SeriesColor[0]);
        return;
    }
    chart.LeftAxis.ValueFormat = QStringLiteral("#0.00#");
    chart.LeftAxis.LogarithmicBase = 10;
    chart.LeftAxis.Logarithmic = switches.logarithmic;
    const int titles[4] = {3038, 3039, 3040, 3041};
    for (int k = 0; k < 4; ++k) {
        ChartSeries& series = chart.AddSeries(ChartSeriesKind::Line);
        series.Title = ResString(titles[k]);
        series.Color = BgrColor(options.SeriesColor[k]);
        series.Active = !switches.hidden[k];
    }
}

void FillChart(ChartModel& chart, GraphKind kind, const DataSet& data, const OptionsRecord& options,
               const HistogramClasses& classes, const GraphSwitches& switches,
               const GraphProgress& progress) {
    if (kind == GraphKind::Statistics) {
        ShowTitle(chart, ResString(3037));
        if (chart.SeriesCount() < 1)
            return;
        ChartSeries& bars = chart.Series(0);
        const QColor color = BgrColor(options.GraphColor4);
        const int count = std::min<int>(classes.ClassNumber, MaxHistogramClasses);
        for (int k = 1; k <= count; ++k)
            bars.AddPoint(classes.ClassCount[k], classes.ClassLabel[k], color);
        return;
    }
    if (!TimeKind(kind))
        return;
    ShowTitle(chart, ResString(3034));
    const int seriesNeeded = kind == GraphKind::Rf ? 1 : 4;
    if (chart.SeriesCount() < seriesNeeded)
        return;

    const qint32 n = std::max<qint32>(data.NumSamples, 0);
    const float nan = std::numeric_limits<float>::quiet_NaN();
    std::vector<ChartValues> values(seriesNeeded, ChartValues(n, nan));
    for (qint32 i = 1; i <= n; ++i) {
        if (i % 100 == 0 && progress)
            progress(static_cast<int>(static_cast<qint64>(i) * 100 / n));
        if (kind == GraphKind::Rf) {
            values[0][i - 1] = SampleValue(data.DataRf, i);
            continue;
        }
        const double res = i < data.DataRes.size() ? data.DataRes[i] : -1;
        if (!(res > 0))
            continue; // not available: a gap in all four
        values[0][i - 1] = SampleValue(data.DataX, i);
        values[1][i - 1] = SampleValue(data.DataY, i);
        values[2][i - 1] = SampleValue(data.DataZ, i);
        values[3][i - 1] = static_cast<float>(res);
    }
    for (int s = 0; s < seriesNeeded; ++s)
        chart.Series(s).SetValues(std::move(values[s]));
    chart.PointLabel = [start = data.StartDate, step = data.SampleStep, unit = data.SampleStepUnit,
                        multiplier = data.IntervalMultiplier](qint32 index) {
        return SampleTimeLabel(start, step, unit, multiplier, index);
    };

    ChartAxis& axis = chart.LeftAxis;
    axis.Automatic = false;
    if (kind == GraphKind::Rf) {
        const double range = double(data.CsvRfMax) - double(data.CsvRfMin);
        axis.Maximum = data.CsvRfMax + range / 10;
        axis.Minimum = 0;
        axis.Increment = range / 30;
    } else {
        const double range = double(data.ResMax) - double(data.ResMin);
        axis.Maximum = data.ResMax + range / 10;
        if (switches.logarithmic) {
            axis.Minimum = LogAxisMinimum;
            axis.Increment = 0;
        } else {
            axis.Minimum = 0;
            axis.Increment = range / 30;
        }
    }
    chart.LegendVisible = false;
}

void DrawThresholdLine(QPainter& painter, const ChartModel& chart, const ChartGeometry& geometry,
                       float threshold, quint32 color) {
    if (chart.SeriesCount() < 1 || chart.Series(0).Count() == 0 || !std::isfinite(threshold))
        return;
    if (geometry.y.Logarithmic() && threshold <= 0)
        return;
    const double y = geometry.ValueToPixelY(threshold);
    const double x0 = geometry.ValueToPixelX(0);
    const double x1 = geometry.ValueToPixelX(chart.Series(0).MaxX());
    QPen pen(BgrColor(color), 1, Qt::SolidLine);
    pen.setCosmetic(true);
    painter.save();
    painter.setClipRect(geometry.plot, Qt::IntersectClip);
    painter.setPen(pen);
    painter.drawLine(QPointF(x0, y), QPointF(x1, y));
    painter.restore();
}

void GraphSetup(ChartModel& chart, GraphKind kind, const GraphSwitches& switches) {
    Trapped("GraphSetup", [&] { SetupChart(chart, kind, Options(), switches); });
}

void DrawGraph(ChartModel& chart, GraphKind kind, const GraphSwitches& switches) {
    Trapped("DrawGraph", [&] {
        const GraphProgress progress = [](int percent) {
            emit Events().StatusText(ResString(3035) + QString::number(percent) +
                                     QStringLiteral("%"));
        };
        FillChart(chart, kind, CurrentData(), Options(), Histogram(), switches, progress);
        if (TimeKind(kind))
            emit Events().StatusText(QString());
    });
}
