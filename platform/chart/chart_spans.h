#pragma once

#include <QLineF>
#include <QRect>

#include <vector>

// The rows top..bottom (both inclusive) of the pixel column x that a dense line covers.
struct ColumnSpan {
    int x = 0;
    int top = 0;
    int bottom = 0;
};

// Rectangles that cover exactly the pixels of the spans, none overlapping another: the
// rows that neighbouring columns cover alike are one rectangle across them. A dense line
// covers a band of rows in every column; filled a column at a time, each of its rows costs
// a fill of one pixel, filled as these rectangles, a few rows of fills cover the band.
std::vector<QRect> SpanRects(std::vector<ColumnSpan> spans);

// The pixels a line may set when stroked one pixel wide on whole device pixels, ends
// squared, not smoothed: its bounding box and a margin for the rasteriser's rounding, a
// pixel along its longer axis and one and a half times its slope across. Empty for a line
// too far out to say.
QRect LinePixelBounds(const QLineF& line);

// Leaves out of lines (a dense line's steps between columns, stroked one pixel wide on
// whole device pixels after the spans, in the same colour) those whose every pixel the
// spans fill anyway: most of them, where a dense line's columns overlap. A column with no
// span or with more than one (a gap inside it) covers nothing here. spans come column by
// column, as a line makes them.
void DropCoveredSteps(const std::vector<ColumnSpan>& spans, std::vector<QLineF>& lines);
