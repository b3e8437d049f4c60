#include "views/printing/painter_surface.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>

PainterSurface::PainterSurface(QPainter& painter, const QPaintDevice& device)
    : painter_(painter), device_(device), dpiX_(device.logicalDpiX()), dpiY_(device.logicalDpiY()),
      font_(painter.font()) {
    font_.setPointSizeF(10);
}

double PainterSurface::ScaleWidth() const {
    return device_.width() * TwipsPerInch / dpiX_;
}

double PainterSurface::ScaleHeight() const {
    return device_.height() * TwipsPerInch / dpiY_;
}

void PainterSurface::SetFontSize(double points) {
    if (points >= SmallestFontSize)
        font_.setPointSizeF(points);
}

double PainterSurface::TextWidth(const QString& text) const {
    const QFontMetricsF metrics(font_, &device_);
    return metrics.horizontalAdvance(text) * TwipsPerInch / dpiX_;
}

double PainterSurface::TextHeight(const QString&) const {
    const QFontMetricsF metrics(font_, &device_);
    return metrics.height() * TwipsPerInch / dpiY_;
}

void PainterSurface::PrintText(const QString& text) {
    const QFontMetricsF metrics(font_, &device_);
    painter_.save();
    painter_.setFont(font_);
    painter_.setPen(Qt::black);
    painter_.drawText(QPointF(x_ * dpiX_ / TwipsPerInch, PixelsY(y_) + metrics.ascent()), text);
    painter_.restore();
    y_ += TextHeight(text);
    x_ = 0;
}
