#include "shell/panes/warnings_place.h"

#include <algorithm>
#include <array>

namespace {
// The rectangle moved inside the screen, as far as it fits.
QRect onScreen(QRect r, const QRect& screen) {
    r.setSize(r.size().boundedTo(screen.size()));
    r.moveLeft(std::clamp(r.left(), screen.left(), screen.right() - r.width() + 1));
    r.moveTop(std::clamp(r.top(), screen.top(), screen.bottom() - r.height() + 1));
    return r;
}

qint64 area(const QRect& r) {
    return r.isEmpty() ? 0 : static_cast<qint64>(r.width()) * r.height();
}

// The screen's strips beside the main window, each with the pane's place in it: its top
// level with the work area's beside the window, its left with the work area's above or
// below it.
struct Strip {
    QRect room;
    QPoint at;
};

std::array<Strip, 4> stripsBeside(const QRect& screen, const QRect& main, const QRect& work) {
    const QRect right(QPoint(main.right() + 1, screen.top()), screen.bottomRight());
    const QRect below(QPoint(screen.left(), main.bottom() + 1), screen.bottomRight());
    const QRect left(screen.topLeft(), QPoint(main.left() - 1, screen.bottom()));
    const QRect above(screen.topLeft(), QPoint(screen.right(), main.top() - 1));
    return {{{right, QPoint(right.left(), work.top())},
             {below, QPoint(work.left(), below.top())},
             {left, QPoint(left.right(), work.top())},
             {above, QPoint(work.left(), above.bottom())}}};
}
} // namespace

QRect PlaceWarningsPane(const QRect& screen, const QRect& mainWindow, const QRect& workArea,
                        const QSize& pane, const QSize& minimum) {
    const std::array<Strip, 4> strips = stripsBeside(screen, mainWindow, workArea);
    // A place in a strip: the pane's corner nearest the main window at the strip's point,
    // moved along the strip as far as the strip needs.
    auto placeIn = [](const Strip& strip, int index, QSize size) {
        QRect r(strip.at, size);
        if (index == 2) // left of the window: the pane ends where the strip ends
            r.moveRight(strip.at.x());
        if (index == 3) // above it
            r.moveBottom(strip.at.y());
        return onScreen(r, strip.room);
    };
    for (int i = 0; i < 4; ++i) {
        const Strip& s = strips[i];
        if (s.room.width() >= pane.width() && s.room.height() >= pane.height())
            return placeIn(s, i, pane);
    }
    int best = -1;
    for (int i = 0; i < 4; ++i) {
        const QRect& room = strips[i].room;
        if (room.width() >= minimum.width() && room.height() >= minimum.height() &&
            (best < 0 || area(room) > area(strips[best].room)))
            best = i;
    }
    if (best >= 0)
        return placeIn(strips[best], best, pane.boundedTo(strips[best].room.size()));
    // No room beside the window: the corner of the screen or of the work area where the
    // pane covers the least of the work area; the first such one of the list on a tie.
    QRect r(QPoint(), pane);
    const std::array<QRect, 8> candidates = {
        QRect(r).translated(workArea.right() - pane.width() + 1,
                            workArea.bottom() - pane.height() + 1),
        QRect(r).translated(workArea.left(), workArea.bottom() - pane.height() + 1),
        QRect(r).translated(screen.right() - pane.width() + 1, screen.bottom() - pane.height() + 1),
        QRect(r).translated(screen.left(), screen.bottom() - pane.height() + 1),
        QRect(r).translated(screen.right() - pane.width() + 1, screen.top()),
        QRect(r).translated(screen.topLeft()),
        QRect(r).translated(workArea.right() - pane.width() + 1, workArea.top()),
        QRect(r).translated(workArea.topLeft())};
    QRect chosen;
    qint64 least = -1;
    for (const QRect& candidate : candidates) {
        const QRect placed = onScreen(candidate, screen);
        const qint64 covered = area(placed.intersected(workArea));
        if (least < 0 || covered < least) {
            least = covered;
            chosen = placed;
        }
    }
    return chosen;
}
