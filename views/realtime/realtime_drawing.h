#pragma once

#include "data/live/realtime_set.h"

#include <QLineF>
#include <QLocale>
#include <QPoint>
#include <QPointF>
#include <QSize>
#include <QString>

#include <vector>

// The real-time drawing as plain arithmetic: the oblique three-axis projection (x to the
// right, z up, y at 60 degrees), the axes with their heads and ticks, the vector of one
// reading with its construction lines, the meters' ranges and the captions. Drawing
// coordinates have their origin 10 pixels in from the picture's left edge and
// DrawHeight - 10 pixels below its top, y upwards; the picture is DrawHeight + 10 high.

struct DrawGeometry {
    int DrawWidth = 250;
    int DrawHeight = 260;
    int AxisLength = 230;
    int VectorLength = 230;
};
DrawGeometry GeometryOf(const RealTimeSetState& set);

double ConvX(double x);
double ConvY(const DrawGeometry& g, double y);
// A drawing point in picture pixels.
QPointF ConvPoint(const DrawGeometry& g, double x, double y);

// The axes, their heads and ticks, and where the three letters are printed (top-left
// corners), in picture pixels.
struct AxesScene {
    std::vector<QLineF> Axes;  // x, z, oblique y
    std::vector<QLineF> Heads; // three strokes per axis
    std::vector<QLineF> Ticks; // five per axis
    QPointF XLabel, YLabel, ZLabel;
};
AxesScene PreparaScene(const DrawGeometry& g);

// One reading drawn: the vector from the origin to its tip, the construction lines to the
// floor point, and where the tip caption starts, in picture pixels.
struct VectorScene {
    QLineF Vector;
    QLineF XProiez, YProiez, ZProiez;
    QPointF Tip;
    QPointF CaptionAt;
    // The drawn lengths of the three components, in drawing units.
    double Pa = 0, Pb = 0, Pc = 0;
    // The lengths were shortened (all in the same proportion) to keep the vector inside the
    // picture.
    bool Limited = false;
};
// scaleFactor is the selected ScaleTable entry: a component of v µT is drawn
// v x scaleFactor / 200 x VectorLength long.
VectorScene AggiornaScene(const DrawGeometry& g, double scaleFactor, double x, double y, double z);

// Where a tip caption of that size is placed so that the whole of it stays in a picture of
// that size: at its place beside the tip where it fits, else moved in from the edge it
// crosses (a caption larger than the picture starts at its top left).
QPoint CaptionPlace(QPointF at, QSize caption, QSize picture);

// A meter's range for a value: low below the low range's full scale (for the resultant,
// below that full scale times the square root of 3), high from there on.
MeterRange ComponentRange(double value, double lowFullScale);
MeterRange ResultantRange(double value, double lowFullScale);
// The meter's full scale for its range (the resultant's rounded to 2 decimals, halves to
// even: 3.46, 346.41).
float ComponentFullScale(MeterRange range, double lowFullScale, double highFullScale);
float ResultantFullScale(MeterRange range, double lowFullScale, double highFullScale);
// Where the meter's marker stands, 0 .. 1 of its width (a value past the full scale stops
// at the end).
double MeterFraction(double value, double fullScale);

// A value with a fixed number of decimals as a "#0.00" pattern gives it: taken from its
// 15-significant-digit text, a half rounds away from zero.
QString PatternFixed(double value, int decimals, const QLocale& locale = QLocale());
// "Bx = 1.23 µT" on the low range, "Bx = 45.6 µT" on the high; axis is 'x', 'y' or 'z'.
QString ComponentCaption(char axis, double value, MeterRange range,
                         const QLocale& locale = QLocale());
// "RSS  = 0.00 µT" (two decimals on both ranges).
QString ResultantCaption(double value, const QLocale& locale = QLocale());
// "B (1.23 : 45.6 : 0.07)": each component in its own range's format.
QString TipCaption(double x, double y, double z, const std::array<MeterRange, 4>& ranges,
                   const QLocale& locale = QLocale());
// A meter's right-hand scale label: the full scale's shortest text and " µT" ("2 µT",
// "3.46 µT", "346.41 µT").
QString FullScaleLabel(float fullScale, const QLocale& locale = QLocale());

// The trend chart's value axis after a reading: a logarithmic axis from 0.0001 to a third
// above the maximum; a linear one from 0 to a tenth of the spread above the maximum, with
// a label step of a thirtieth of the spread (0 = chosen to fit).
struct TrendAxis {
    double Minimum = 0;
    double Maximum = 1;
    double Increment = 0;
};
TrendAxis TrendValueAxis(bool logarithmic, float rtMax, float rtMin);

// The time label of trend point n (1-based): the start plus (n - 1) steps, date and time
// on two lines.
QString TrendTimeLabel(const QDateTime& start, qint32 step, const QString& unit, qint32 n);
