#include "platform/dialog_frame.h"

#include <QDialog>
#include <QEvent>
#include <QPainter>
#include <QWidget>
#include <QWindow>
#include <qdrawutil.h>

namespace {
const char EdgeName[] = "dialogEdge";

// A raised border over the whole window, transparent for the mouse, that keeps above the
// window's own controls and follows its size.
class Edge final : public QWidget {
public:
    Edge(QWidget* window, std::function<bool(const QWidget*)> undecorated)
        : QWidget(window), undecorated_(std::move(undecorated)) {
        setObjectName(QLatin1String(EdgeName));
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_NoSystemBackground);
        setFocusPolicy(Qt::NoFocus);
        window->installEventFilter(this);
        follow();
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        switch (event->type()) {
        case QEvent::Resize:
        case QEvent::Show:
        case QEvent::ChildAdded:
        case QEvent::LayoutRequest:
            if (watched == parent())
                follow();
            break;
        default:
            break;
        }
        return false;
    }
    void paintEvent(QPaintEvent*) override {
        // A window manager may frame the window after it first showed.
        if (!undecorated_(window()))
            return;
        QPainter painter(this);
        qDrawWinPanel(&painter, rect(), palette(), false, nullptr);
    }

private:
    std::function<bool(const QWidget*)> undecorated_;

    void follow() {
        setGeometry(parentWidget()->rect());
        raise();
        show();
    }
};

bool framed(const QWidget* window) {
    if (!window->isWindow())
        return false;
    const Qt::WindowType type = window->windowType();
    if (type == Qt::Popup || type == Qt::ToolTip || type == Qt::SplashScreen || type == Qt::Desktop)
        return false;
    return qobject_cast<const QDialog*>(window) || window->isModal();
}
} // namespace

DialogFrames::DialogFrames(QObject* parent, std::function<bool(const QWidget*)> undecorated)
    : QObject(parent), undecorated_(std::move(undecorated)) {}

bool DialogFrames::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Show && watched->isWidgetType()) {
        auto* window = static_cast<QWidget*>(watched);
        if (framed(window) && !DialogEdge(window) && undecorated_(window))
            new Edge(window, undecorated_);
    }
    return QObject::eventFilter(watched, event);
}

QWidget* DialogEdge(const QWidget* window) {
    return window ? window->findChild<QWidget*>(QLatin1String(EdgeName), Qt::FindDirectChildrenOnly)
                  : nullptr;
}

bool IsUndecorated(const QWidget* window) {
    const QWindow* handle = window ? window->windowHandle() : nullptr;
    return !handle || handle->frameMargins().isNull();
}
