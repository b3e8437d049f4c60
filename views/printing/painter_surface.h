#pragma once

#include "views/printing/print_surface.h"

#include <QFont>
#include <QRectF>

class QPainter;
class QPaintDevice;

// A print surface on a painter begun on a printer (or any paint device): twips are turned
// into the device's pixels by its resolution, texts are measured in the device's metrics.
class PainterSurface : public PrintSurface {
public:
    PainterSurface(QPainter& painter, const QPaintDevice& device);

    double ScaleWidth() const override;
    double ScaleHeight() const override;
    double FontSize() const override { return font_.pointSizeF(); }
    void SetFontSize(double points) override;
    void SetFontBold(bool bold) override { font_.setBold(bold); }
    double CurrentX() const override { return x_; }
    void SetCurrentX(double twips) override { x_ = twips; }
    double CurrentY() const override { return y_; }
    void SetCurrentY(double twips) override { y_ = twips; }
    double TextWidth(const QString& text) const override;
    double TextHeight(const QString& text) const override;
    void PrintText(const QString& text) override;

    // Device pixels of a vertical position in twips.
    double PixelsY(double twips) const { return twips * dpiY_ / TwipsPerInch; }
    const QFont& Font() const { return font_; }

    static constexpr double TwipsPerInch = 1440;
    // The smallest size a line is printed in.
    static constexpr double SmallestFontSize = 1;

private:
    QPainter& painter_;
    const QPaintDevice& device_;
    double dpiX_;
    double dpiY_;
    QFont font_;
    double x_ = 0;
    double y_ = 0;
};
