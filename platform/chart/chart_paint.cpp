#include "platform/chart/chart_paint.h"

#include "platform/chart/chart_format.h"
#include "platform/chart/chart_layout.h"
#include "platform/chart/chart_model.h"
#include "platform/chart/chart_spans.h"
#include "platform/chart/chart_thin.h"
#include "platform/chart/wide_registers.h"

#include <QPaintEngine>
#include <QPainter>
#include <QPolygonF>

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>
#include <vector>

namespace {
// Far enough outside the plot that a clipped line keeps its slope near the plot, near
// enough that the raster engine never meets huge coordinates.
double ClampPixel(double p, double lo, double hi) {
    const double room = 4 * (hi - lo) + 1000;
    return std::clamp(p, lo - room, hi + room);
}

void DrawText(QPainter& painter, const QPointF& anchor, const QString& text, int angle,
              Qt::Alignment align, double lineHeight) {
    const QStringList lines = LabelLines(text);
    painter.save();
    painter.translate(anchor);
    if (angle != 0)
        painter.rotate(-angle);
    const QFontMetricsF fm(painter.font());
    double width = 0;
    for (const QString& line : lines)
        width = std::max(width, fm.horizontalAdvance(line));
    const double height = lines.size() * lineHeight;
    double x = 0;
    double y = 0;
    if (align & Qt::AlignHCenter)
        x = -width / 2;
    else if (align & Qt::AlignRight)
        x = -width;
    if (align & Qt::AlignVCenter)
        y = -height / 2;
    else if (align & Qt::AlignBottom)
        y = -height;
    for (const QString& line : lines) {
        const double lineWidth = fm.horizontalAdvance(line);
        double lx = x;
        if (align & Qt::AlignHCenter)
            lx = -lineWidth / 2;
        else if (align & Qt::AlignRight)
            lx = -lineWidth;
        painter.drawText(QRectF(lx, y, lineWidth + 1, lineHeight), Qt::AlignLeft | Qt::AlignTop,
                         line);
        y += lineHeight;
    }
    painter.restore();
}

// Whether the painter sets the pixels of a picture of its own, one to one (no scaling, no
// rotation, no smoothing): there the same pixels filled in other pieces are the same
// picture. A printer or an SVG file keeps the pieces as they are drawn.
bool PaintsDevicePixels(QPainter& painter) {
    const QPaintEngine* engine = painter.paintEngine();
    return engine && engine->type() == QPaintEngine::Raster &&
           painter.deviceTransform().type() <= QTransform::TxTranslate &&
           !painter.testRenderHint(QPainter::Antialiasing);
}

// Whether the painter's pixels are the device's, moved by whole pixels at most.
bool OnWholePixels(QPainter& painter) {
    const QTransform t = painter.deviceTransform();
    return t.dx() == std::floor(t.dx()) && t.dy() == std::floor(t.dy());
}

// A thinned line: in each pixel column the span from its lowest to its highest point, and
// the step from the last point of one column to the first of the next. These cover the
// pixels of the polyline through the same points without drawing its up-and-down strokes
// over each other.
void DrawThinnedLine(QPainter& painter, const ChartSeries& series, const ChartGeometry& g,
                     const std::vector<ThinRun>& runs) {
    const double top = g.plot.top();
    const double bottom = g.plot.bottom();
    std::vector<QLineF> lines;
    lines.reserve(runs.size());
    std::vector<ColumnSpan> spans;
    spans.reserve(runs.size());
    const QColor color = series.Color;
    auto y = [&](float value) { return ClampPixel(g.y.ToPixel(value), top, bottom); };
    QPointF previousLast;
    for (const ThinRun& run : runs) {
        const double x = g.x.ToPixel(run.first);
        const QPointF first(x, y(run.firstValue));
        lines.emplace_back(run.joined ? previousLast : first, first);
        // The span as one pixel wide bar: a solid fill is far cheaper than a stroke.
        const double a = y(run.low);
        const double b = y(run.high);
        if (a != b) {
            spans.push_back({static_cast<int>(std::floor(x)),
                             static_cast<int>(std::floor(std::min(a, b))),
                             static_cast<int>(std::floor(std::max(a, b)))});
        }
        previousLast =
            run.last == run.first ? first : QPointF(g.x.ToPixel(run.last), y(run.lastValue));
    }
    // Whole pixels (the spans lie on them): the painter's quickest solid fill. Where the
    // pixels are the device's own, the spans' pixels are filled as rectangles across the
    // columns: the same pixels in far fewer fills.
    if (PaintsDevicePixels(painter)) {
        if (OnWholePixels(painter))
            DropCoveredSteps(spans, lines);
        // All in one call: a fill of rectangles costs the painter's setting up once.
        const std::vector<QRect> rects = SpanRects(std::move(spans));
        const QPen pen = painter.pen();
        const QBrush brush = painter.brush();
        painter.setPen(Qt::NoPen);
        painter.setBrush(color);
        painter.drawRects(rects.data(), static_cast<int>(rects.size()));
        // The steps' strokes are worked out in ordinary vector instructions.
        ClearWideRegisters();
        painter.setPen(pen);
        painter.setBrush(brush);
    } else {
        for (const ColumnSpan& span : spans)
            painter.fillRect(QRect(span.x, span.top, 1, span.bottom - span.top + 1), color);
    }
    for (const QLineF& line : lines) {
        if (line.p1() == line.p2())
            painter.drawPoint(line.p1());
    }
    painter.drawLines(lines.data(), static_cast<int>(lines.size()));
}

// Points a pixel column from which a thinned line is painted as spans and steps.
constexpr double SpanDensity = 8;

// Whether a line series has more visible points than twice the plot's pixel columns, so
// that it is drawn thinned; first and last are its visible points.
bool Dense(const ChartSeries& series, const ChartGeometry& g, bool thin, qint32& first,
           qint32& last) {
    first = 0;
    last = -1;
    VisibleIndexes(g.x.Range(), series.Count(), first, last);
    return thin && last >= first && (static_cast<double>(last) - first + 1) > 2 * g.plot.width();
}

// A dense series is thinned here, on the painting thread: a column's lowest and highest
// values are found in vector lanes, so four series of a million points thin in a few
// milliseconds, less than starting threads for them costs.
void DrawLineSeries(QPainter& painter, const ChartSeries& series, const ChartGeometry& g,
                    bool thin) {
    qint32 first = 0;
    qint32 last = -1;
    // The series before painted pixels with wide registers left in use.
    ClearWideRegisters();
    const bool dense = Dense(series, g, thin, first, last);
    if (last < first)
        return;
    QPen pen(series.Color, 0);
    pen.setCosmetic(true);
    painter.setPen(pen);
    // Very dense: spans and steps paint the same pixels in far fewer strokes.
    if (dense && (static_cast<double>(last) - first + 1) >= SpanDensity * g.plot.width()) {
        DrawThinnedLine(painter, series, g, *ThinnedSeriesRuns(series, first, last, g.x));
        return;
    }
    const std::vector<qint32> indexes = dense ? ThinnedSeriesIndexes(series, first, last, g.x)
                                              : AllLineIndexes(series.Values(), first, last);
    QPolygonF run;
    const double top = g.plot.top();
    const double bottom = g.plot.bottom();
    auto flush = [&] {
        if (run.size() == 1)
            painter.drawPoint(run.front());
        else if (run.size() > 1)
            painter.drawPolyline(run);
        run.clear();
    };
    for (qint32 i : indexes) {
        if (i == ThinBreak) {
            flush();
            continue;
        }
        run.append(QPointF(g.x.ToPixel(i), ClampPixel(g.y.ToPixel(series.Value(i)), top, bottom)));
    }
    flush();
}

void DrawBarSeries(QPainter& painter, const ChartSeries& series, const ChartGeometry& g) {
    const AxisRange yRange = g.y.Range();
    double base = g.plot.bottom();
    if (!g.y.Logarithmic() && yRange.min < 0 && yRange.max > 0)
        base = g.y.ToPixel(0);
    const double slot = std::abs(g.x.ToPixel(1) - g.x.ToPixel(0));
    const double width = std::max(1.0, slot * 0.7);
    painter.setPen(QPen(Qt::black, 0));
    for (qint32 i = 0; i < series.Count(); ++i) {
        if (series.IsGap(i))
            continue;
        const double cx = g.x.ToPixel(i);
        const double y = ClampPixel(g.y.ToPixel(series.Value(i)), g.plot.top(), g.plot.bottom());
        QRectF bar(QPointF(cx - width / 2, std::min(y, base)),
                   QPointF(cx + width / 2, std::max(y, base)));
        painter.setBrush(series.PointColor(i));
        painter.drawRect(bar);
    }
    painter.setBrush(Qt::NoBrush);
}
} // namespace

void PaintChart(QPainter& painter, const ChartModel& model, const QRectF& target,
                const ChartPaintOptions& options) {
    painter.save();
    const ChartGeometry g = ComputeChartGeometry(model, target, painter.font(), painter.device());
    const double h = g.lineHeight;
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.fillRect(target, model.PanelColor);

    // Title.
    if (model.TitleVisible && !model.TitleLines.isEmpty()) {
        painter.setPen(Qt::black);
        double y = target.top() + h / 2;
        for (const QString& line : model.TitleLines) {
            DrawText(painter, QPointF(target.center().x(), y), line, 0,
                     Qt::AlignHCenter | Qt::AlignTop, h);
            y += h;
        }
    }

    // Back wall and grid.
    painter.fillRect(g.plot, model.BackWallColor);
    QPen grid(QColor(0xD0, 0xD0, 0xD0), 0, Qt::DotLine);
    grid.setCosmetic(true);
    painter.setPen(grid);
    for (double v : g.yTicks) {
        const double y = g.y.ToPixel(v);
        painter.drawLine(QPointF(g.plot.left(), y), QPointF(g.plot.right(), y));
    }
    if (!model.HasBars()) {
        for (qint32 i : g.xTicks) {
            const double x = g.x.ToPixel(i);
            painter.drawLine(QPointF(x, g.plot.top()), QPointF(x, g.plot.bottom()));
        }
    }

    // Frame, ticks and labels.
    QPen axisPen(Qt::black, 0);
    axisPen.setCosmetic(true);
    painter.setPen(axisPen);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(g.plot);
    // Series, inside the plot only.
    painter.save();
    // The frame's own pixels too, so a value on the axis minimum or maximum still shows.
    painter.setClipRect(g.plot.adjusted(-1, -1, 1, 1));
    for (int s = 0; s < model.SeriesCount(); ++s) {
        const ChartSeries& series = model.Series(s);
        if (!series.Active)
            continue;
        if (series.Kind() == ChartSeriesKind::Bar)
            DrawBarSeries(painter, series, g);
        else
            DrawLineSeries(painter, series, g, options.thin);
    }
    painter.restore();

    painter.setPen(axisPen);
    const double tick = g.tickLength;
    const std::vector<QString> yLabels = AxisLabelTexts(model.LeftAxis, g.yTicks);
    for (size_t k = 0; k < g.yTicks.size(); ++k) {
        const double y = g.y.ToPixel(g.yTicks[k]);
        painter.drawLine(QPointF(g.plot.left() - tick, y), QPointF(g.plot.left(), y));
        DrawText(painter, QPointF(g.plot.left() - tick - h / 4, y), yLabels[k], 0,
                 Qt::AlignRight | Qt::AlignVCenter, h);
    }
    const int angle = model.BottomAxis.LabelAngle;
    for (qint32 i : g.xTicks) {
        const double x = g.x.ToPixel(i);
        painter.drawLine(QPointF(x, g.plot.bottom()), QPointF(x, g.plot.bottom() + tick));
        const QString label = model.LabelOf(i);
        if (label.isEmpty())
            continue;
        const QPointF anchor(x, g.plot.bottom() + tick + h / 4);
        if (angle % 180 == 0)
            DrawText(painter, anchor, label, 0, Qt::AlignHCenter | Qt::AlignTop, h);
        else
            DrawText(painter, anchor, label, angle, Qt::AlignRight | Qt::AlignVCenter, h);
    }
    if (!model.LeftAxis.Title.isEmpty()) {
        DrawText(painter, QPointF(target.left() + h / 2, g.plot.center().y()), model.LeftAxis.Title,
                 90, Qt::AlignHCenter | Qt::AlignTop, h);
    }
    if (!model.BottomAxis.Title.isEmpty()) {
        DrawText(painter, QPointF(g.plot.center().x(), target.bottom() - h / 2),
                 model.BottomAxis.Title, 0, Qt::AlignHCenter | Qt::AlignBottom, h);
    }

    // Legend.
    if (!g.legend.isEmpty()) {
        painter.setPen(axisPen);
        painter.setBrush(Qt::white);
        painter.drawRect(g.legend);
        double y = g.legend.top() + h / 4;
        for (int s = 0; s < model.SeriesCount(); ++s) {
            const ChartSeries& series = model.Series(s);
            if (!series.Active)
                continue;
            const double mid = y + h / 2;
            QPen line(series.Color, std::max(2.0, h / 8));
            painter.setPen(line);
            painter.drawLine(QPointF(g.legend.left() + h / 2, mid),
                             QPointF(g.legend.left() + 2 * h, mid));
            painter.setPen(Qt::black);
            DrawText(painter, QPointF(g.legend.left() + 2.5 * h, mid), series.Title, 0,
                     Qt::AlignLeft | Qt::AlignVCenter, h);
            y += h;
        }
        painter.setBrush(Qt::NoBrush);
    }

    if (model.AfterDraw) {
        painter.save();
        painter.setClipRect(g.plot);
        model.AfterDraw(painter, model, g);
        painter.restore();
    }
    painter.restore();
}
