#include "platform/chart/chart_layout.h"

#include "platform/chart/chart_format.h"
#include "platform/chart/chart_model.h"

#include <QFontMetricsF>

#include <algorithm>
#include <cmath>
#include <limits>

AxisRange ChartXRange(const ChartModel& model) {
    if (model.Zoom)
        return SaneAxisRange(model.Zoom->xMin, model.Zoom->xMax, false);
    const qint32 count = model.MaxPointCount();
    if (model.HasBars())
        return SaneAxisRange(-0.5, std::max<qint32>(count, 1) - 0.5, false);
    return SaneAxisRange(0, std::max<qint32>(count - 1, 0), false);
}

namespace {
// The lowest and highest value of the active series (only those above zero for a
// logarithmic axis); low > high when there is none. bars tells whether a bar series is shown.
void ShownValueSpan(const ChartModel& model, bool log, double& low, double& high, bool& bars) {
    low = std::numeric_limits<double>::infinity();
    high = -low;
    bars = false;
    for (int s = 0; s < model.SeriesCount(); ++s) {
        const ChartSeries& series = model.Series(s);
        if (!series.Active)
            continue;
        bars = bars || series.Kind() == ChartSeriesKind::Bar;
        for (double v : series.Values()) {
            if (std::isnan(v) || (log && v <= 0))
                continue;
            low = std::min(low, v);
            high = std::max(high, v);
        }
    }
}

double DecadeBelow(double value) {
    return std::pow(10.0, std::floor(std::log10(value) + 1e-9));
}

double DecadeAbove(double value) {
    return std::pow(10.0, std::ceil(std::log10(value) - 1e-9));
}
} // namespace

AxisRange ChartYRange(const ChartModel& model) {
    const ChartAxis& axis = model.LeftAxis;
    const bool log = axis.Logarithmic;
    if (model.Zoom)
        return SaneAxisRange(model.Zoom->yMin, model.Zoom->yMax, log);
    if (!axis.Automatic && !log)
        return SaneAxisRange(axis.Minimum, axis.Maximum, false);
    double low = 0;
    double high = 0;
    bool bars = false;
    ShownValueSpan(model, log, low, high, bars);
    if (!axis.Automatic) {
        AxisRange range = SaneAxisRange(axis.Minimum, axis.Maximum, true);
        // A logarithmic axis starts no lower than the decade of the lowest value shown, so
        // the decades below the data do not take the plot.
        if (low <= high && std::isfinite(low)) {
            const double decade = DecadeBelow(low);
            if (decade > range.min && decade < range.max)
                range.min = decade;
        }
        return range;
    }
    if (low > high)
        return SaneAxisRange(0, 1, log);
    // A logarithmic axis spans the whole decades of the data.
    if (log)
        return SaneAxisRange(DecadeBelow(low), DecadeAbove(high), true);
    if (bars)
        low = std::min(low, 0.0);
    return SaneAxisRange(low, high, false);
}

void VisibleIndexes(AxisRange xRange, qint32 count, qint32& first, qint32& last) {
    const double lo = std::floor(xRange.min) - 1;
    const double hi = std::ceil(xRange.max) + 1;
    first = static_cast<qint32>(std::clamp(lo, 0.0, static_cast<double>(count)));
    last = static_cast<qint32>(std::clamp(hi, -1.0, static_cast<double>(count) - 1));
}

QStringList LabelLines(const QString& label) {
    QString text = label;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    return text.split(u'\n');
}

namespace {
// Extent of a label across the axis (height for horizontal text, width for vertical).
double AcrossExtent(const QFontMetricsF& fm, const QString& label, int angle) {
    const QStringList lines = LabelLines(label);
    if (angle % 180 == 0)
        return lines.size() * fm.height();
    double width = 0;
    for (const QString& line : lines)
        width = std::max(width, fm.horizontalAdvance(line));
    return width;
}

// Extent of a label along the axis.
double AlongExtent(const QFontMetricsF& fm, const QString& label, int angle) {
    const QStringList lines = LabelLines(label);
    if (angle % 180 != 0)
        return lines.size() * fm.height();
    double width = 0;
    for (const QString& line : lines)
        width = std::max(width, fm.horizontalAdvance(line));
    return width;
}

// A few labels spread over the points, to size the point axis before its ticks are known.
std::vector<qint32> SampleIndexes(qint32 count) {
    std::vector<qint32> picks;
    if (count <= 0)
        return picks;
    const qint32 samples = std::min<qint32>(count, 24);
    for (qint32 k = 0; k < samples; ++k)
        picks.push_back(static_cast<qint32>(static_cast<qint64>(count - 1) * k /
                                            std::max<qint32>(samples - 1, 1)));
    return picks;
}
} // namespace

ChartGeometry ComputeChartGeometry(const ChartModel& model, const QRectF& target, const QFont& font,
                                   QPaintDevice* device) {
    ChartGeometry g;
    g.outer = target;
    const QFontMetricsF fm = device ? QFontMetricsF(font, device) : QFontMetricsF(font);
    const double h = fm.height();
    const double pad = h / 2;
    g.lineHeight = h;
    g.tickLength = std::max(2.0, h / 3);

    const qint32 count = model.MaxPointCount();
    const int angle = model.BottomAxis.LabelAngle;
    double xLabelAcross = 0;
    double xLabelAlong = 0;
    for (qint32 i : SampleIndexes(count)) {
        const QString label = model.LabelOf(i);
        if (label.isEmpty())
            continue;
        xLabelAcross = std::max(xLabelAcross, AcrossExtent(fm, label, angle));
        xLabelAlong = std::max(xLabelAlong, AlongExtent(fm, label, angle));
    }

    double top = target.top() + pad;
    if (model.TitleVisible && !model.TitleLines.isEmpty())
        top += model.TitleLines.size() * h + pad / 2;
    double right = target.right() - pad - h;
    if (model.LegendVisible) {
        double widest = 0;
        int entries = 0;
        for (int s = 0; s < model.SeriesCount(); ++s) {
            if (!model.Series(s).Active)
                continue;
            widest = std::max(widest, fm.horizontalAdvance(model.Series(s).Title));
            ++entries;
        }
        if (entries > 0) {
            const double width = widest + 3 * h;
            g.legend = QRectF(target.right() - pad - width, top, width, entries * h + h / 2);
            right = g.legend.left() - pad;
        }
    }
    double bottom = target.bottom() - pad - g.tickLength - h / 4 - xLabelAcross;
    if (!model.BottomAxis.Title.isEmpty())
        bottom -= h + pad / 2;
    bottom = std::max(bottom, top + 1);

    const AxisRange yRange = ChartYRange(model);
    g.yTicks = ValueAxisTicks(yRange, model.LeftAxis.Increment, model.LeftAxis.Logarithmic,
                              bottom - top, 1.5 * h);
    double yLabelWidth = 0;
    for (const QString& text : AxisLabelTexts(model.LeftAxis, g.yTicks))
        yLabelWidth = std::max(yLabelWidth, fm.horizontalAdvance(text));
    double left = target.left() + pad + yLabelWidth + g.tickLength + h / 4;
    if (!model.LeftAxis.Title.isEmpty())
        left += h + pad / 2;
    // Half a label on each side of the first and last point.
    left = std::max(left, target.left() + xLabelAlong / 2 + pad);
    right = std::min(right, target.right() - xLabelAlong / 2 - pad);
    if (right <= left + 1)
        right = left + 1;

    g.plot = QRectF(QPointF(left, top), QPointF(right, bottom));
    const AxisRange xRange = ChartXRange(model);
    g.x = AxisScale(xRange, false, g.plot.left(), g.plot.right());
    g.y = AxisScale(yRange, model.LeftAxis.Logarithmic, g.plot.bottom(), g.plot.top());

    if (count > 0) {
        const double perPoint = g.plot.width() / (xRange.max - xRange.min);
        const qint32 step = PointTickStep(perPoint, xLabelAlong + h);
        const double firstValue = std::max(0.0, std::ceil(xRange.min / step) * step);
        const double lastValue = std::min<double>(count - 1, std::floor(xRange.max));
        for (double v = firstValue; v <= lastValue && g.xTicks.size() < 2000; v += step)
            g.xTicks.push_back(static_cast<qint32>(v));
    }
    return g;
}

std::optional<QPointF> PointPixel(const ChartModel& model, const ChartGeometry& geometry,
                                  int series, qint32 index) {
    if (series < 0 || series >= model.SeriesCount())
        return std::nullopt;
    const ChartSeries& s = model.Series(series);
    if (s.IsGap(index))
        return std::nullopt;
    return QPointF(geometry.x.ToPixel(index), geometry.y.ToPixel(s.Value(index)));
}
