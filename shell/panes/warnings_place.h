#pragma once

#include <QRect>
#include <QSize>

// Where the warnings pane opens so that it hides none of the data a load has just put in
// the work area (the main window's client area, where the data windows open):
// 1. beside the main window, at its full size, where the screen has room: to the right,
//    below, to the left, above, in that order;
// 2. else at a reduced size in the widest strip the screen leaves beside the main window,
//    when that strip holds at least the minimum size;
// 3. else, at its full size, on the screen where it covers the least of the work area.
// All rectangles are in screen coordinates; the result always lies on the screen.
QRect PlaceWarningsPane(const QRect& screen, const QRect& mainWindow, const QRect& workArea,
                        const QSize& pane, const QSize& minimum);
