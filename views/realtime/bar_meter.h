#pragma once

#include <QColor>
#include <QPixmap>
#include <QWidget>

// One bar meter of the real-time view: a scale of segments in the range's colour, and the
// part past the value shaded, so that the bar reaches up to the value.
class BarMeter : public QWidget {
public:
    explicit BarMeter(QWidget* parent = nullptr);

    // VMeterFill for this meter: the segments repainted in colour.
    void Fill(const QColor& colour);
    // Where the value stands, 0 .. 1 of the width.
    void SetFraction(double fraction);
    double Fraction() const { return fraction_; }
    QColor Colour() const { return colour_; }

    // The segments' boxes for a meter of w x h pixels: 23 of them, the last three past the
    // right edge (clipped).
    static QList<QRect> Segments(int width, int height);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void paintScale();
    int markerX(double fraction) const;

    QColor colour_ = QColor(0, 0xC0, 0);
    QPixmap scale_;
    double fraction_ = 0;
};
