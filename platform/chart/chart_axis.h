#pragma once

#include <QString>
#include <QtGlobal>

#include <vector>

// The settings of one chart axis, as the graph windows set them.
struct ChartAxis {
    QString Title;
    QString ValueFormat;    // pattern of the value labels, e.g. "#0.00#"
    QString DateTimeFormat; // kept as set; a point axis shows its points' labels
    int LabelAngle = 0;     // degrees; 0 horizontal, 90 vertical
    bool Automatic = true;  // range taken from the data
    double Minimum = 0;
    double Maximum = 0;
    double Increment = 0; // label step; 0 = chosen to fit
    bool Logarithmic = false;
    double LogarithmicBase = 10;
};

// A range that an axis can always draw: finite, maximum above minimum and, on a logarithmic
// axis, both above zero.
struct AxisRange {
    double min = 0;
    double max = 1;
};
AxisRange SaneAxisRange(double min, double max, bool logarithmic);

// Value <-> pixel along one axis. On a logarithmic axis a value at or below zero maps to
// the pixel of the range's minimum.
class AxisScale {
public:
    AxisScale() = default;
    AxisScale(AxisRange range, bool logarithmic, double pixelAtMin, double pixelAtMax);

    double ToPixel(double value) const;
    double ToValue(double pixel) const;
    AxisRange Range() const { return range_; }
    bool Logarithmic() const { return log_; }
    double PixelAtMin() const { return p0_; }
    double PixelAtMax() const { return p1_; }

private:
    double Transform(double value) const;
    AxisRange range_;
    bool log_ = false;
    double p0_ = 0;
    double p1_ = 1;
    double t0_ = 0; // transformed range ends
    double t1_ = 1;
};

// The smallest of 1, 2, 5 times a power of ten that is not below raw (raw > 0).
double NiceStep(double raw);

// Tick values of a value axis of pixelLength pixels, at least minSpacing pixels apart, on
// the multiples of a round step (1, 2 or 5 times a power of ten): the smallest that is not
// below a given increment (0: none) and leaves the labels their room. A logarithmic axis
// ticks its powers of ten (with 2 and 5 between them when there is room).
std::vector<double> ValueAxisTicks(AxisRange range, double increment, bool logarithmic,
                                   double pixelLength, double minSpacing);

// The whole step between labelled points of a point axis: the smallest of 1, 2, 5, 10, ...
// points that leaves labelExtent pixels for each label.
qint32 PointTickStep(double pixelsPerPoint, double labelExtent);
