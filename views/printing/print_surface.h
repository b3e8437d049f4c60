#pragma once

#include <QString>

// The page a print writes its lines on, measured in twips (1/1440 inch) from the top left
// of the printable area, with a current position and a current font: what the line
// printing and the graph page's title and footer need of a printer.
class PrintSurface {
public:
    virtual ~PrintSurface() = default;
    // The printable area.
    virtual double ScaleWidth() const = 0;
    virtual double ScaleHeight() const = 0;
    // Points. A size the surface cannot take leaves the size as it was (the smallest size
    // reached ends a shrinking loop).
    virtual double FontSize() const = 0;
    virtual void SetFontSize(double points) = 0;
    virtual void SetFontBold(bool bold) = 0;
    virtual double CurrentX() const = 0;
    virtual void SetCurrentX(double twips) = 0;
    virtual double CurrentY() const = 0;
    virtual void SetCurrentY(double twips) = 0;
    // Of a text in the current font.
    virtual double TextWidth(const QString& text) const = 0;
    virtual double TextHeight(const QString& text) const = 0;
    // Prints text at the current position, then moves to the start of the next line.
    virtual void PrintText(const QString& text) = 0;
};
