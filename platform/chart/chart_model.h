#pragma once

#include "platform/chart/chart_axis.h"
#include "platform/chart/chart_series.h"

#include <QColor>
#include <QStringList>

#include <deque>
#include <functional>
#include <optional>

class QPainter;
struct ChartGeometry;

// The visible window of a zoomed chart, in axis values.
struct ChartZoom {
    double xMin = 0;
    double xMax = 1;
    double yMin = 0;
    double yMax = 1;
};

// Everything a chart shows: one model is painted alike on the screen, into an image, into
// SVG and onto a printer page.
class ChartModel {
public:
    ChartAxis LeftAxis;
    ChartAxis BottomAxis;
    QStringList TitleLines;
    bool TitleVisible = false;
    QColor PanelColor = QColor(0xC0, 0xC0, 0xC0); // the chart's colour around the plot
    QColor BackWallColor = Qt::white;             // inside the plot
    bool LegendVisible = false;
    bool ZoomEnabled = true;
    // Labels of the point axis for points that carry none (computed only for drawn ticks).
    std::function<QString(qint32 index)> PointLabel;
    // Called after each paint with the painter clipped to the plot.
    std::function<void(QPainter&, const ChartModel&, const ChartGeometry&)> AfterDraw;
    std::optional<ChartZoom> Zoom;

    ChartSeries& AddSeries(ChartSeriesKind kind);
    void RemoveAllSeries();
    int SeriesCount() const { return static_cast<int>(series_.size()); }
    ChartSeries& Series(int index) { return series_.at(index); }
    const ChartSeries& Series(int index) const { return series_.at(index); }

    // The most points any series holds.
    qint32 MaxPointCount() const;
    bool HasBars() const;
    // The label of point index: the first series' own label, else PointLabel's.
    QString LabelOf(qint32 index) const;

private:
    std::deque<ChartSeries> series_; // deque: references stay valid as series are added
};
