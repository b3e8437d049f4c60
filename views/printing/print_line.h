#pragma once

#include <QString>

class PrintSurface;

// Where PrintLine puts a line.
namespace LineAlign {
constexpr int Left = 0;   // 50 twips in from the left
constexpr int Right = 1;  // ending 50 twips in from the right
constexpr int Center = 2; // in the middle
// Any other value: at the very left edge.
} // namespace LineAlign

// Prints one line at the current line: the font is made smaller a point at a time until the
// line fits the printable width with 100 twips to spare, or until the surface takes no
// smaller size (the line then runs past the edge); the font size is put back afterwards.
void PrintLine(PrintSurface& surface, const QString& text, int align);

// The font size PrintLine settles on for a text, starting from the surface's size (the
// surface is left at that size); 40 points or more are never made smaller.
double FittingFontSize(PrintSurface& surface, const QString& text);
