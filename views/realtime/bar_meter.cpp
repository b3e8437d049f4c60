#include "views/realtime/bar_meter.h"

#include <QPaintEvent>
#include <QPainter>

#include <cmath>

BarMeter::BarMeter(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QList<QRect> BarMeter::Segments(int width, int height) {
    QList<QRect> boxes;
    const int w = width / 20;
    const int gap = w / 7;
    const int margin = height / 5;
    for (int s = 1; s <= 23; ++s)
        boxes.append(
            QRect(QPoint((s - 1) * w + gap, margin), QPoint(s * w - gap, height - margin)));
    return boxes;
}

void BarMeter::Fill(const QColor& colour) {
    colour_ = colour;
    paintScale();
    update();
}

int BarMeter::markerX(double fraction) const {
    return static_cast<int>(std::lround(fraction * width()));
}

void BarMeter::SetFraction(double fraction) {
    if (fraction == fraction_)
        return;
    const int a = markerX(fraction_), b = markerX(fraction);
    fraction_ = fraction;
    update(QRect(std::min(a, b) - 1, 0, std::abs(a - b) + 3, height()));
}

void BarMeter::resizeEvent(QResizeEvent*) {
    paintScale();
}

void BarMeter::paintScale() {
    if (width() <= 0 || height() <= 0)
        return;
    scale_ = QPixmap(size());
    scale_.fill(Qt::white);
    QPainter p(&scale_);
    p.setPen(Qt::NoPen);
    p.setBrush(colour_);
    for (const QRect& box : Segments(width(), height()))
        p.drawRect(box);
}

void BarMeter::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    p.drawPixmap(event->rect(), scale_, event->rect());
    const int x = markerX(fraction_);
    // Past the value the segments are shaded; the marker stands at the value.
    p.fillRect(QRect(x, 0, width() - x, height()), QColor(255, 255, 255, 190));
    p.fillRect(QRect(x - 1, 0, 2, height()), Qt::black);
}
