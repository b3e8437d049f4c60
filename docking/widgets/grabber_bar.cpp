#include "docking/widgets/grabber_bar.h"

#include "docking/core/layout_math.h"
#include "docking/core/sides.h"
#include "docking/widgets/window_hooks.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>
#include <qdrawutil.h>

namespace dockable {

GrabberBar::GrabberBar(QWidget* formWindow, QWidget* pane)
    : QWidget(pane), formWindow_(formWindow) {
    setObjectName("DockableGrabber");
    setFocusPolicy(Qt::NoFocus);
    setGeometry(0, 0, 0, 0);
    hide();
}

CaptionTarget* GrabberBar::target() const {
    return dynamic_cast<CaptionTarget*>(WindowHooks::OwnerOf(formWindow_));
}

void GrabberBar::PlaceGrabber(int side, Rect r) {
    if (!enabled_) {
        return;
    }
    if (side == SideLeft || side == SideRight) {
        vertical_ = false;
        r.bottom = r.top + GrabberHeight;
    } else {
        vertical_ = true;
        r.right = r.left + GrabberHeight;
    }
    setGeometry(r.left, r.top, std::max(0, r.width()), std::max(0, r.height()));
    updateCloseBox();
    show();
    raise();
}

void GrabberBar::updateCloseBox() {
    if (!closeButton_) {
        closeBox_ = {};
    } else if (vertical_) {
        closeBox_ = {0, 0, 10, 10};
    } else {
        closeBox_ = {width() - 10, 0, width(), 10};
    }
}

bool GrabberBar::HitCloseButton(QPoint p) const {
    return closeButton_ && closeBox_.containsInclusive({p.x(), p.y()});
}

void GrabberBar::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), palette().brush(QPalette::Window));
    updateCloseBox();
    Rect s{0, 0, width(), height()};
    if (vertical_) {
        if (closeButton_) {
            s.top += 10;
        }
        s = s.inflated(-2, -2);
        qDrawShadePanel(&p, s.left, s.top, 3, s.height(), palette(), false, 1);
        qDrawShadePanel(&p, s.left + 3, s.top, 3, s.height(), palette(), false, 1);
    } else {
        if (closeButton_) {
            s.right -= 10;
        }
        s = s.inflated(-2, -2);
        qDrawShadePanel(&p, s.left, s.top, s.width(), 3, palette(), false, 1);
        qDrawShadePanel(&p, s.left, s.top + 3, s.width(), 3, palette(), false, 1);
    }
    if (closeButton_) {
        const QRect box(closeBox_.left, closeBox_.top, closeBox_.width(), closeBox_.height());
        qDrawWinButton(&p, box, palette(), armed_);
        p.setPen(palette().color(QPalette::ButtonText));
        const QRect x = box.adjusted(3, 3, -3, -3);
        p.drawLine(x.topLeft(), x.bottomRight());
        p.drawLine(x.topRight(), x.bottomLeft());
    }
}

void GrabberBar::mousePressEvent(QMouseEvent* event) {
    CaptionTarget* t = target();
    if (event->button() == Qt::LeftButton && HitCloseButton(event->position().toPoint())) {
        armed_ = true;
        repaint();
        return;
    }
    if (!t) {
        return;
    }
    if (event->button() == Qt::LeftButton) {
        forwarding_ = true;
        t->captionPress(event->globalPosition().toPoint());
    } else if (event->button() == Qt::RightButton) {
        t->captionMenu(event->globalPosition().toPoint());
    }
}

void GrabberBar::mouseMoveEvent(QMouseEvent* event) {
    if (forwarding_) {
        if (CaptionTarget* t = target()) {
            t->captionMove(event->globalPosition().toPoint());
        }
    }
}

void GrabberBar::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        return;
    }
    CaptionTarget* t = target();
    if (armed_) {
        // The close box closes wherever the button comes up.
        armed_ = false;
        repaint();
        if (t) {
            t->closeRequest();
        }
        return;
    }
    if (forwarding_) {
        forwarding_ = false;
        if (t) {
            t->captionRelease(event->globalPosition().toPoint());
        }
    }
}

void GrabberBar::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && !HitCloseButton(event->position().toPoint())) {
        if (CaptionTarget* t = target()) {
            t->captionDoubleClick();
        }
    }
}

} // namespace dockable
