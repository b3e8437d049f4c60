#pragma once

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
