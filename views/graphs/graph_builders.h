#pragma once

#include <QtGlobal>

#include <array>
#include <functional>

class ChartModel;
class QPainter;
struct ChartGeometry;
struct DataSet;
struct HistogramClasses;
struct OptionsRecord;

// The graph kinds: each names one window's chart.
enum class GraphKind : qint16 { TimeEvolution = 0, Statistics = 1, Rf = 2 };

// The time-evolution window's switches that the chart follows.
struct GraphSwitches {
    bool logarithmic = false;     // chkLogaritmic ticked
    std::array<bool, 4> hidden{}; // chkHidePlot(0..3) ticked
};

// The progress of a drawing in whole percent, every 100th sample.
using GraphProgress = std::function<void(int percent)>;

// Builds the empty chart of a kind: series, titles, axes, colours (GraphSetup). Any other
// kind leaves the chart as it is.
void SetupChart(ChartModel& chart, GraphKind kind, const OptionsRecord& options,
                const GraphSwitches& switches);

// Adds the points of a kind and sets the value range (DrawGraph). Point p of a time series
// is sample p + 1; a sample that is not available is a gap in all four time-evolution
// series. Labels of time points are computed when drawn, from the data set's start, step
// and unit as they are now.
void FillChart(ChartModel& chart, GraphKind kind, const DataSet& data, const OptionsRecord& options,
               const HistogramClasses& classes, const GraphSwitches& switches,
               const GraphProgress& progress = GraphProgress());

// The threshold line: a horizontal line at the threshold value from x = 0 to the last point
// of series 0, clipped to the plot; nothing on a logarithmic axis for a threshold at or
// below 0, or without points.
void DrawThresholdLine(QPainter& painter, const ChartModel& chart, const ChartGeometry& geometry,
                       float threshold, quint32 color);

// GraphSetup and DrawGraph on a window's chart, from the current data set, the options and
// the histogram classes; errors go to the error report under the procedure's name. The
// progress goes to the main window's status label (cleared at the end).
void GraphSetup(ChartModel& chart, GraphKind kind, const GraphSwitches& switches);
void DrawGraph(ChartModel& chart, GraphKind kind, const GraphSwitches& switches);
