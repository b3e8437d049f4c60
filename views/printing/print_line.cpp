#include "views/printing/print_line.h"

#include "views/printing/print_surface.h"

#include <cmath>

namespace {
double Nearest(double value) {
    return std::nearbyint(value); // halves to even
}

constexpr double Spare = 100; // twips the line keeps free
constexpr double Margin = 50; // twips in from the edge for left and right lines
constexpr double StartingPrevious = 40;
} // namespace

double FittingFontSize(PrintSurface& surface, const QString& text) {
    const double width = Nearest(surface.ScaleWidth());
    double w = Nearest(surface.TextWidth(text));
    double previous = StartingPrevious;
    while (surface.FontSize() != previous && w + Spare > width) {
        previous = surface.FontSize();
        surface.SetFontSize(surface.FontSize() - 1);
        w = Nearest(surface.TextWidth(text));
    }
    return surface.FontSize();
}

void PrintLine(PrintSurface& surface, const QString& text, int align) {
    const double original = Nearest(surface.FontSize());
    FittingFontSize(surface, text);
    const double width = Nearest(surface.ScaleWidth());
    const double w = Nearest(surface.TextWidth(text));
    double x = 0;
    switch (align) {
    case LineAlign::Left:
        x = Margin;
        break;
    case LineAlign::Right:
        x = width - w - Margin;
        break;
    case LineAlign::Center:
        x = (width - w) / 2;
        break;
    default:
        x = 0;
        break;
    }
    surface.SetCurrentX(Nearest(x));
    surface.PrintText(text);
    surface.SetFontSize(original);
}
