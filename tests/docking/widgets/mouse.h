#pragma once

#include <QApplication>
#include <QMouseEvent>
#include <QPointer>
#include <QWidget>

#include <vector>

namespace dockable::test {

// Mouse events as the window system delivers them during a drag: every move and the
// release go to the widget that took the press, with the screen position of the pointer.
inline void send(QWidget* w, QEvent::Type type, QPoint global, Qt::MouseButton button,
                 Qt::MouseButtons buttons) {
    if (!w) {
        return;
    }
    const QPointF local = w->mapFromGlobal(QPointF(global));
    QMouseEvent e(type, local, local, QPointF(global), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

inline void press(QWidget* w, QPoint global) {
    send(w, QEvent::MouseButtonPress, global, Qt::LeftButton, Qt::LeftButton);
}
inline void moveTo(QWidget* w, QPoint global) {
    send(w, QEvent::MouseMove, global, Qt::NoButton, Qt::LeftButton);
}
inline void release(QWidget* w, QPoint global) {
    send(w, QEvent::MouseButtonRelease, global, Qt::LeftButton, Qt::NoButton);
}
inline void doubleClick(QWidget* w, QPoint global) {
    press(w, global);
    release(w, global);
    send(w, QEvent::MouseButtonDblClick, global, Qt::LeftButton, Qt::LeftButton);
    release(w, global);
}

// Presses at from, moves through the points (and a few steps before each) and releases
// at the last one.
inline void drag(QWidget* w, QPoint from, const std::vector<QPoint>& through) {
    QPointer<QWidget> target = w;
    press(target, from);
    QPoint last = from;
    for (QPoint p : through) {
        for (int step = 1; step <= 3; ++step) {
            moveTo(target, last + (p - last) * step / 3);
        }
        last = p;
    }
    release(target, last);
}

inline QPoint centreOf(const QWidget* w) {
    return w->mapToGlobal(w->rect().center());
}

} // namespace dockable::test
