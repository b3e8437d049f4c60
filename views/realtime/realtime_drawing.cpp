#include "views/realtime/realtime_drawing.h"

#include "text/format_pattern.h"
#include "views/graphs/time_label.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace {
const double Cos60 = std::cos(M_PI / 3.0);
const double Sin60 = std::sin(M_PI / 3.0);
const double Sqrt3 = std::sqrt(3.0);

QString withDecimalPoint(QString text, const QLocale& locale) {
    text.replace(u'.', locale.decimalPoint());
    return text;
}

QString componentText(double value, MeterRange range, const QLocale& locale) {
    return PatternFixed(value, range == MeterRange::Low ? 2 : 1, locale);
}
} // namespace

DrawGeometry GeometryOf(const RealTimeSetState& set) {
    return {set.DrawWidth, set.DrawHeight, set.AxisLength, set.VectorLength};
}

double ConvX(double x) {
    return x + 10.0;
}

double ConvY(const DrawGeometry& g, double y) {
    return (g.DrawHeight - 10.0) - y;
}

QPointF ConvPoint(const DrawGeometry& g, double x, double y) {
    return QPointF(ConvX(x), ConvY(g, y));
}

AxesScene PreparaScene(const DrawGeometry& g) {
    AxesScene s;
    const double L = g.AxisLength;
    auto line = [&](double x1, double y1, double x2, double y2) {
        return QLineF(ConvPoint(g, x1, y1), ConvPoint(g, x2, y2));
    };
    s.Axes = {line(0, 0, L, 0), line(0, 0, 0, L), line(0, 0, L * Cos60, L * Sin60)};
    s.Heads = {line(L, 5, L, -5), line(L + 5, 0, L, 5), line(L + 5, 0, L, -5),
               line(5, L, -5, L), line(0, L + 5, 5, L), line(0, L + 5, -5, L)};
    // The oblique head: the same strokes turned along the axis.
    const double ex = L * Cos60, ey = L * Sin60;
    const double nx = -Sin60 * 5, ny = Cos60 * 5;
    const double px = ex + Cos60 * 5, py = ey + Sin60 * 5;
    s.Heads.push_back(line(ex + nx, ey + ny, ex - nx, ey - ny));
    s.Heads.push_back(line(px, py, ex + nx, ey + ny));
    s.Heads.push_back(line(px, py, ex - nx, ey - ny));
    for (int k = 1; k <= 5; ++k) {
        const double d = g.VectorLength * k / 5.0;
        s.Ticks.push_back(line(d, 2, d, -2));
        s.Ticks.push_back(line(d * Cos60 - 2, d * Sin60, d * Cos60 + 2, d * Sin60));
        s.Ticks.push_back(line(-2, d, 2, d));
    }
    s.ZLabel = QPointF(5, 3);
    s.XLabel = QPointF(g.DrawWidth - 13, g.DrawHeight - 23);
    s.YLabel = QPointF(ConvX(L * Cos60) - 10, ConvY(g, L * Sin60) - 10);
    return s;
}

QPoint CaptionPlace(QPointF at, QSize caption, QSize picture) {
    const QPoint wanted = at.toPoint();
    const int x = std::max(0, std::min(wanted.x(), picture.width() - caption.width()));
    const int y = std::max(0, std::min(wanted.y(), picture.height() - caption.height()));
    return QPoint(x, y);
}

VectorScene AggiornaScene(const DrawGeometry& g, double scaleFactor, double x, double y, double z) {
    VectorScene s;
    double pa = x * scaleFactor / 200.0 * g.VectorLength;
    double pb = y * scaleFactor / 200.0 * g.VectorLength;
    double pc = z * scaleFactor / 200.0 * g.VectorLength;

    // Every point drawn is linear in the three lengths: one common factor keeps them all
    // inside the picture (x from -10 to DrawWidth - 10, y from -20 to DrawHeight - 10).
    const double xMin = -10, xMax = g.DrawWidth - 10.0;
    const double yMin = -20, yMax = g.DrawHeight - 10.0;
    double k = 1.0;
    auto fit = [&](double value, double lo, double hi) {
        if (value > hi && value > 0)
            k = std::min(k, std::max(hi, 0.0) / value);
        else if (value < lo && value < 0)
            k = std::min(k, std::min(lo, 0.0) / value);
    };
    const double tx = pa + pb * Cos60, ty = pc + pb * Sin60, fy = pb * Sin60;
    for (double v : {tx, pa, pb * Cos60})
        fit(v, xMin, xMax);
    for (double v : {ty, fy})
        fit(v, yMin, yMax);
    if (k < 1.0 && std::isfinite(k)) {
        pa *= k;
        pb *= k;
        pc *= k;
        s.Limited = true;
    }
    s.Pa = pa;
    s.Pb = pb;
    s.Pc = pc;
    const QPointF tip = ConvPoint(g, pa + pb * Cos60, pc + pb * Sin60);
    const QPointF floor = ConvPoint(g, pa + pb * Cos60, pb * Sin60);
    s.Vector = QLineF(ConvPoint(g, 0, 0), tip);
    s.XProiez = QLineF(ConvPoint(g, pa, 0), floor);
    s.YProiez = QLineF(ConvPoint(g, pb * Cos60, pb * Sin60), floor);
    s.ZProiez = QLineF(tip, floor);
    s.Tip = tip;
    s.CaptionAt = QPointF(ConvX(pa + pb * Cos60 + 5), ConvY(g, pc + pb * Sin60));
    return s;
}

MeterRange ComponentRange(double value, double lowFullScale) {
    return value < lowFullScale ? MeterRange::Low : MeterRange::High;
}

MeterRange ResultantRange(double value, double lowFullScale) {
    return value < lowFullScale * Sqrt3 ? MeterRange::Low : MeterRange::High;
}

float ComponentFullScale(MeterRange range, double lowFullScale, double highFullScale) {
    return static_cast<float>(range == MeterRange::Low ? lowFullScale : highFullScale);
}

float ResultantFullScale(MeterRange range, double lowFullScale, double highFullScale) {
    const double full = range == MeterRange::Low ? lowFullScale : highFullScale;
    return static_cast<float>(std::nearbyint(full * Sqrt3 * 100.0) / 100.0);
}

double MeterFraction(double value, double fullScale) {
    if (!(fullScale > 0) || !std::isfinite(value))
        return 0;
    return std::clamp(value / fullScale, 0.0, 1.0);
}

QString PatternFixed(double value, int decimals, const QLocale& locale) {
    if (!std::isfinite(value))
        return QString::number(value);
    QString pattern = QStringLiteral("0");
    if (decimals > 0)
        pattern += u'.' + QString(decimals, u'0');
    return withDecimalPoint(FormatPatternAscii(value, pattern, u'.'), locale);
}

QString ComponentCaption(char axis, double value, MeterRange range, const QLocale& locale) {
    return QStringLiteral("B") + QChar::fromLatin1(axis) + QStringLiteral(" = ") +
           componentText(value, range, locale) + QStringLiteral(" µT");
}

QString ResultantCaption(double value, const QLocale& locale) {
    return QStringLiteral("RSS  = ") + PatternFixed(value, 2, locale) + QStringLiteral(" µT");
}

QString TipCaption(double x, double y, double z, const std::array<MeterRange, 4>& ranges,
                   const QLocale& locale) {
    return QStringLiteral("B (") + componentText(x, ranges[0], locale) + QStringLiteral(" : ") +
           componentText(y, ranges[1], locale) + QStringLiteral(" : ") +
           componentText(z, ranges[2], locale) + u')';
}

QString FullScaleLabel(float fullScale, const QLocale& locale) {
    char buf[32];
    const auto result = std::to_chars(buf, buf + sizeof buf, fullScale);
    const QString text = QString::fromLatin1(buf, result.ptr - buf).trimmed();
    return withDecimalPoint(text, locale) + QStringLiteral(" µT");
}

TrendAxis TrendValueAxis(bool logarithmic, float rtMax, float rtMin) {
    TrendAxis axis;
    const double max = rtMax, min = rtMin;
    if (logarithmic) {
        axis.Minimum = 0.0001;
        axis.Maximum = max + max / 3 > axis.Minimum ? max + max / 3 : axis.Minimum + 0.0001;
        axis.Increment = 0;
    } else {
        axis.Minimum = 0;
        const double top = max + (max - min) / 10;
        axis.Maximum = top > 0 ? top : 0.0001;
        axis.Increment = std::fabs(max - min) / 30;
    }
    return axis;
}

QString TrendTimeLabel(const QDateTime& start, qint32 step, const QString& unit, qint32 n) {
    return SampleTimeLabel(start, step, unit, 1, n - 1);
}
