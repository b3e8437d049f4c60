#pragma once

#include "docking/core/rect.h"

namespace dockable {

// Hit-test codes of a form window.
enum HitTest {
    HTCLIENT = 1,
    HTCAPTION = 2,
    HTLEFT = 10,
    HTRIGHT = 11,
    HTTOP = 12,
    HTTOPLEFT = 13,
    HTTOPRIGHT = 14,
    HTBOTTOM = 15,
    HTBOTTOMLEFT = 16,
    HTBOTTOMRIGHT = 17
};

// What a point (in the window's own coordinates) of a form window of that size hits: its
// sizing frame cx by cy thick (with corners reaching 16 pixels along each side), its
// caption below the top frame, or the client area.
int frameHitTest(int width, int height, Point p, int cx, int cy, int caption);

} // namespace dockable
