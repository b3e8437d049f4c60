#include "docking/core/frame_hit.h"

namespace dockable {

int frameHitTest(int w, int h, Point p, int cx, int cy, int caption) {
    constexpr int corner = 16;
    bool t = p.y < cy;
    bool b = p.y >= h - cy;
    bool l = p.x < cx;
    bool r = p.x >= w - cx;
    if (t || b) {
        l = l || p.x < corner;
        r = r || p.x >= w - corner;
    }
    if (l || r) {
        t = t || p.y < corner;
        b = b || p.y >= h - corner;
    }
    if (t && l) {
        return HTTOPLEFT;
    }
    if (t && r) {
        return HTTOPRIGHT;
    }
    if (b && l) {
        return HTBOTTOMLEFT;
    }
    if (b && r) {
        return HTBOTTOMRIGHT;
    }
    if (l) {
        return HTLEFT;
    }
    if (r) {
        return HTRIGHT;
    }
    if (t) {
        return HTTOP;
    }
    if (b) {
        return HTBOTTOM;
    }
    if (p.y < cy + caption) {
        return HTCAPTION;
    }
    return HTCLIENT;
}

} // namespace dockable
