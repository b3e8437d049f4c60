#pragma once

#include <QColor>
#include <QString>
#include <QtGlobal>

#include <memory>
#include <vector>

// Point values in single precision: a chart shows no more, and a dense series paints from
// half the memory. NaN marks a gap.
using ChartValues = std::vector<float>;

struct ThinRun;

enum class ChartSeriesKind { Line = 0, Bar = 1 };

// One series of a chart. Point p sits at x = p; a gap keeps its place (and its label) but
// has no value, so a line breaks there.
class ChartSeries {
public:
    explicit ChartSeries(ChartSeriesKind kind = ChartSeriesKind::Line) : kind_(kind) {}

    ChartSeriesKind Kind() const { return kind_; }
    QString Title;
    bool Active = true;
    QColor Color = Qt::red;

    // An invalid colour leaves the point in the series colour.
    void AddPoint(double value, const QString& label = QString(), const QColor& color = QColor());
    void AddGap(const QString& label = QString());
    // Replaces every value at once (NaN = gap); labels and point colours are dropped.
    void SetValues(ChartValues values);
    void Clear();

    qint32 Count() const { return static_cast<qint32>(values_.size()); }
    bool IsGap(qint32 index) const;
    double Value(qint32 index) const; // NaN for a gap or an index outside the series
    QString Label(qint32 index) const;
    QColor PointColor(qint32 index) const;
    bool HasLabels() const { return !labels_.empty(); }
    // The largest x value: the index of the last point, -1 when there is none.
    qint32 MaxX() const { return Count() - 1; }
    const ChartValues& Values() const { return values_; }

    // The thinned points of the last paint and what they were made for: the visible points
    // and the pixel columns. A change of the values forgets them.
    struct ThinnedPoints {
        qint32 first = 0;
        qint32 last = -1;
        double min = 0, max = 0, pixelAtMin = 0, pixelAtMax = 0;
        bool logarithmic = false;
        std::shared_ptr<const std::vector<qint32>> indexes;
        std::shared_ptr<const std::vector<ThinRun>> runs; // instead of indexes, when drawn so
    };
    ThinnedPoints& ThinCache() const { return thinned_; }

private:
    ChartSeriesKind kind_;
    ChartValues values_;
    std::vector<QString> labels_; // empty until a point brings a label
    std::vector<QRgb> colors_;    // empty until a point brings a colour; alpha 0 = series colour
    mutable ThinnedPoints thinned_;
};
