#include "docking/widgets/dock_form.h"

#include "docking/core/frame_hit.h"
#include "docking/core/placement.h"
#include "docking/core/window_menu.h"
#include "docking/widgets/dockable_private.h"
#include "docking/widgets/form_frame.h"
#include "docking/widgets/global_rect.h"

#include "docking/dockable.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QEvent>
#include <QGuiApplication>
#include <QMenu>
#include <QMouseEvent>
#include <QScreen>
#include <QTimer>

namespace dockable {

namespace {
Point toPoint(QPoint p) {
    return {p.x(), p.y()};
}

Qt::CursorShape cursorFor(int hit) {
    switch (hit) {
    case HTLEFT:
    case HTRIGHT:
        return Qt::SizeHorCursor;
    case HTTOP:
    case HTBOTTOM:
        return Qt::SizeVerCursor;
    case HTTOPLEFT:
    case HTBOTTOMRIGHT:
        return Qt::SizeFDiagCursor;
    case HTTOPRIGHT:
    case HTBOTTOMLEFT:
        return Qt::SizeBDiagCursor;
    default:
        return Qt::ArrowCursor;
    }
}
} // namespace

DockForm::DockForm(DockablePrivate* parent, QWidget* form)
    : parent_(parent), form_(form), drag_(parent->metrics.cxFrame, parent->metrics.cyFrame) {
    rec.name = form->objectName();
    // Whether the host ever placed the form is known only now: its frame places it next.
    placedByHost_ = form->isWindow() && form->testAttribute(Qt::WA_Moved);
    const QPoint hostPlacement = form->pos();
    frame_ = new FormFrame(form, parent->metrics.cxFrame, parent->metrics.cyFrame,
                           parent->metrics.captionHeight);
    // Until it docks or floats, the form window is a hidden window of its own above the
    // host, so that it goes with the host.
    frame_->setParent(parent->host ? parent->host->window() : nullptr,
                      Qt::Tool | Qt::FramelessWindowHint);
    frame_->hide();
    if (placedByHost_) {
        frame_->move(hostPlacement);
    }
    frame_->setMouseTracking(true);
    WindowHooks::SubClass(frame_, this);
    WindowHooks::SubClass(frame_->caption(), this);
    // A form the host deletes itself goes from the control with its pane.
    QObject::connect(form, &QObject::destroyed, parent, [parent, key = rec.name] {
        QTimer::singleShot(0, parent, [parent, key] { parent->formGone(key); });
    });
    QObject::connect(frame_, &FormFrame::closeClicked, frame_, [this] {
        // The close box's own click is still being delivered: hide once it is over.
        QPointer<FormFrame> guard = frame_;
        QTimer::singleShot(0, guard, [this] { closeRequest(); });
    });
    StoreUnDockedRect();
}

DockForm::~DockForm() {
    if (frame_) {
        WindowHooks::UnSubClass(frame_->caption());
        WindowHooks::UnSubClass(frame_);
        // Letting the wrapper go unloads its form.
        frame_->hide();
        frame_->deleteLater();
    }
}

void DockForm::StoreUnDockedRect() {
    if (!frame_) {
        return;
    }
    const QPoint p = frame_->isWindow() ? frame_->pos() : frame_->mapToGlobal(QPoint(0, 0));
    rec.LeftWhenUnDocked = p.x();
    rec.TopWhenUnDocked = p.y();
    rec.WidthWhenUnDocked = frame_->width();
    rec.HeightWhenUnDocked = frame_->height();
}

void DockForm::Hide() {
    if (rec.State == FormHidden) {
        return;
    }
    parent_->RemovePaneFromEdges(rec.name);
    pane_ = nullptr;
    // Only a form that stands floating on the screen has a placement to keep: a state
    // just read from a stored layout has no window there yet.
    if (rec.State == FormUndocked && frame_ && frame_->isVisible()) {
        StoreUnDockedRect();
    }
    if (frame_) {
        frame_->hide();
    }
    rec.State = FormHidden;
}

void DockForm::setFloatingWindow() {
    if (!frame_) {
        return;
    }
    QWidget* owner = parent_->host ? parent_->host->window() : nullptr;
    if (frame_->parentWidget() != owner || !frame_->isWindow()) {
        frame_->setParent(owner, Qt::Tool | Qt::FramelessWindowHint);
    }
    frame_->setFloatingMinimum(true);
}

void DockForm::PrepareToShowUnDocked() {
    rec.State = FormUndocked;
    if (frame_) {
        frame_->hide();
    }
    setFloatingWindow();
    if (!everShownFloating_ && rec.LeftWhenUnDocked == 0 && rec.TopWhenUnDocked == 0 &&
        !placedByHost_ && parent_->host) {
        // A form that never stood anywhere on the screen first floats near the top left
        // corner of the host's docking area (below its menus) rather than at the screen's.
        QWidget* near =
            parent_->area ? static_cast<QWidget*>(parent_->area.data()) : parent_->host.data();
        const QPoint p = near->mapToGlobal(QPoint(40, 40));
        rec.LeftWhenUnDocked = p.x();
        rec.TopWhenUnDocked = p.y();
    }
    // A placement left of or above the screen's origin is still a placement: what tells
    // a stored one from none is its size. It is brought onto a screen that shows it.
    if (frame_ && rec.WidthWhenUnDocked > 0 && rec.HeightWhenUnDocked > 0) {
        const QSize minimum = frame_->minimumFloatingSize();
        const Rect r = placeOnScreens(Rect::fromSize(rec.LeftWhenUnDocked, rec.TopWhenUnDocked,
                                                     rec.WidthWhenUnDocked, rec.HeightWhenUnDocked),
                                      screenAreas(), minimum.width(), minimum.height(),
                                      frame_->captionHeight());
        frame_->setGeometry(r.left, r.top, r.width(), r.height());
        rec.LeftWhenUnDocked = r.left;
        rec.TopWhenUnDocked = r.top;
        rec.WidthWhenUnDocked = r.width();
        rec.HeightWhenUnDocked = r.height();
    }
    rec.StateWhenVisible = FormUndocked;
}

void DockForm::showFloating() {
    if (!frame_) {
        return;
    }
    setFloatingWindow();
    everShownFloating_ = true;
    frame_->show();
    frame_->raise();
}

void DockForm::showDocked() {
    if (frame_) {
        frame_->show();
    }
}

void DockForm::toggle() {
    ControlCall call(parent_);
    if (rec.State == FormUndocked) {
        if (rec.AlignWhenDocked > 0) {
            if (!parent_->UndeleteForm(rec.name)) {
                parent_->showForm(rec.name, rec.AlignWhenDocked, rec.HostPane, rec.AlignToHostPane,
                                  500);
            }
        }
    } else if (rec.State == FormDocked) {
        parent_->showForm(rec.name, 0, QString(), 0, 500);
    }
    parent_->stateChanged(*this);
}

void DockForm::SysCommand(int command) {
    if (command == SC_DOCKABLE) {
        toggle();
    } else if (command == WindowMenuItem::Close) {
        closeRequest();
    }
}

void DockForm::closeRequest() {
    ControlCall call(parent_);
    Hide();
    parent_->stateChanged(*this);
}

DropHit DockForm::sideAtPoint(Point pt) {
    return DockSideAtPoint(parent_->snapshot(*this, pt), pt);
}

Rect DockForm::edgeDropRect(int side) {
    return EdgeDropRect(parent_->snapshot(*this, {}), side);
}

Rect DockForm::paneRect(int pane) {
    return globalRect(parent_->paneById(pane));
}

int DockForm::ownPane() {
    return parent_->idOfPane(pane_);
}

void DockForm::showOutline() {
    const DragOutline o = drag_.outline();
    OutlineWindow& w = parent_->outlineWindow();
    if (!o.visible) {
        w.hideOutline();
        return;
    }
    w.showOutline(o.rect, o.thick ? parent_->metrics.cxFrame : 2);
}

void DockForm::captionPress(QPoint global) {
    if (!frame_ || rec.State == FormHidden) {
        return;
    }
    const bool floating = rec.State == FormUndocked;
    takeMinimumSize();
    drag_.pressCaption(toPoint(global), floating, globalRect(frame_), globalRect(pane_));
    showOutline();
}

void DockForm::captionMove(QPoint global) {
    if (!drag_.moving() && !drag_.sizing()) {
        return;
    }
    drag_.move(toPoint(global), *this, rec.WidthWhenUnDocked, rec.HeightWhenUnDocked);
    showOutline();
}

void DockForm::captionRelease(QPoint) {
    if (!drag_.moving() && !drag_.sizing()) {
        return;
    }
    const DragCommand command = drag_.release();
    parent_->outlineWindow().hideOutline();
    if (command.kind == DragCommand::None) {
        return;
    }
    // The drop may take the pane whose window is still delivering this release: carry it
    // out once control is back in the event loop.
    QPointer<DockablePrivate> owner = parent_;
    QString key = rec.name;
    QTimer::singleShot(0, owner, [owner, key, command] {
        if (!owner) {
            return;
        }
        if (DockForm* f = owner->form(key)) {
            f->execute(command);
        }
    });
}

void DockForm::captionDoubleClick() {
    drag_.cancel();
    parent_->outlineWindow().hideOutline();
    QPointer<DockablePrivate> owner = parent_;
    QString key = rec.name;
    QTimer::singleShot(0, owner, [owner, key] {
        if (DockForm* f = owner ? owner->form(key) : nullptr) {
            f->toggle();
        }
    });
}

void DockForm::captionMenu(QPoint global) {
    if (!frame_) {
        return;
    }
    const auto items = rec.State == FormDocked
                           ? dockedMenu(parent_->props.SysMenuCaption)
                           : floatingMenu(parent_->props.SysMenuCaption, false, false);
    auto* menu = new QMenu(frame_);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    QPointer<DockablePrivate> owner = parent_;
    QString key = rec.name;
    for (const WindowMenuItem& item : items) {
        if (item.kind == WindowMenuItem::Separator) {
            menu->addSeparator();
            continue;
        }
        QAction* action = menu->addAction(item.text);
        action->setCheckable(item.kind == WindowMenuItem::Dockable);
        action->setChecked(item.checked);
        // Moving and sizing go by the caption and the frame; only Close and the toggle act.
        const bool acts =
            item.kind == WindowMenuItem::Close || item.kind == WindowMenuItem::Dockable;
        action->setEnabled(acts);
        const int command = item.kind == WindowMenuItem::Dockable ? SC_DOCKABLE : item.kind;
        QObject::connect(action, &QAction::triggered, menu, [owner, key, command] {
            QTimer::singleShot(0, owner, [owner, key, command] {
                if (DockForm* f = owner ? owner->form(key) : nullptr) {
                    f->SysCommand(command);
                }
            });
        });
    }
    menu->popup(global);
}

void DockForm::execute(const DragCommand& c) {
    ControlCall call(parent_);
    switch (c.kind) {
    case DragCommand::MoveFloating:
    case DragCommand::Resize:
        if (frame_) {
            frame_->setGeometry(c.rect.left, c.rect.top, c.rect.width(), c.rect.height());
        }
        StoreUnDockedRect();
        break;
    case DragCommand::FloatFromDocked:
        Hide();
        PrepareToShowUnDocked();
        if (frame_) {
            frame_->setGeometry(c.rect.left, c.rect.top, c.rect.width(), c.rect.height());
        }
        showFloating();
        StoreUnDockedRect();
        break;
    case DragCommand::DockEdge:
        parent_->showForm(rec.name, c.side, QString(), 0, 500);
        break;
    case DragCommand::DockPane: {
        QString key;
        int side = 0;
        if (parent_->EdgeKeyFromhWnd(parent_->paneById(c.pane), key, side) && !key.isEmpty() &&
            key != rec.name) {
            parent_->showForm(rec.name, side, key, c.half, 500);
        }
        break;
    }
    case DragCommand::None:
        break;
    }
    parent_->stateChanged(*this);
}

std::vector<Rect> DockForm::screenAreas() const {
    std::vector<Rect> areas;
    QScreen* first = parent_->host ? parent_->host->screen() : QGuiApplication::primaryScreen();
    auto add = [&areas](const QScreen* s) {
        const QRect g = s->availableGeometry();
        areas.push_back(Rect::fromSize(g.x(), g.y(), g.width(), g.height()));
    };
    if (first) {
        add(first);
    }
    for (const QScreen* s : QGuiApplication::screens()) {
        if (s != first) {
            add(s);
        }
    }
    return areas;
}

void DockForm::takeMinimumSize() {
    if (frame_) {
        const QSize minimum = frame_->minimumFloatingSize();
        drag_.setMinimumSize(minimum.width(), minimum.height());
    }
}

bool DockForm::framePress(QMouseEvent* event) {
    if (rec.State != FormUndocked || !frame_) {
        return false;
    }
    takeMinimumSize();
    const QPoint p = event->position().toPoint();
    const int hit =
        frameHitTest(frame_->width(), frame_->height(), {p.x(), p.y()}, parent_->metrics.cxFrame,
                     parent_->metrics.cyFrame, frame_->captionHeight());
    if (!drag_.pressFrame(hit, toPoint(event->globalPosition().toPoint()), globalRect(frame_))) {
        return false;
    }
    showOutline();
    return true;
}

bool DockForm::WindowProc(QWidget* window, QEvent* event) {
    const bool onCaption = frame_ && window == frame_->caption();
    switch (event->type()) {
    case QEvent::WindowActivate:
        if (window == frame_) {
            QPointer<DockablePrivate> owner = parent_;
            QTimer::singleShot(0, owner, [owner] {
                if (owner) {
                    owner->paint();
                }
            });
        }
        return false;
    case QEvent::Close:
        if (window == frame_) {
            // Closed by the window system. The application's own ending closes every
            // window too (a quit, the host's main window closed), and that is no user's
            // close: the form is to float again in the next run. Which one it was is
            // known once control is back in the event loop: an ending application never
            // gets there, and a host that closed has ended the control by then.
            if (rec.State == FormUndocked && frame_->isVisible()) {
                StoreUnDockedRect();
            }
            QPointer<DockablePrivate> owner = parent_;
            QString key = rec.name;
            QTimer::singleShot(0, owner, [owner, key] {
                DockForm* f = owner && !owner->terminated ? owner->form(key) : nullptr;
                if (f && owner->host && owner->host->isVisible() && !owner->hostClosing) {
                    // Hidden, not unloaded.
                    f->closeRequest();
                }
            });
            return false;
        }
        return false;
    case QEvent::MouseButtonPress: {
        auto* e = static_cast<QMouseEvent*>(event);
        if (onCaption && e->button() == Qt::LeftButton) {
            captionPress(e->globalPosition().toPoint());
            return true;
        }
        if (window == frame_ && e->button() == Qt::LeftButton) {
            return framePress(e);
        }
        return false;
    }
    case QEvent::MouseMove: {
        auto* e = static_cast<QMouseEvent*>(event);
        if (drag_.moving() || drag_.sizing()) {
            captionMove(e->globalPosition().toPoint());
            return true;
        }
        if (window == frame_ && rec.State == FormUndocked) {
            const QPoint p = e->position().toPoint();
            frame_->setCursor(cursorFor(frameHitTest(
                frame_->width(), frame_->height(), {p.x(), p.y()}, parent_->metrics.cxFrame,
                parent_->metrics.cyFrame, frame_->captionHeight())));
        }
        return false;
    }
    case QEvent::MouseButtonRelease: {
        auto* e = static_cast<QMouseEvent*>(event);
        if (e->button() == Qt::LeftButton && (drag_.moving() || drag_.sizing())) {
            captionRelease(e->globalPosition().toPoint());
            return true;
        }
        return false;
    }
    case QEvent::MouseButtonDblClick: {
        auto* e = static_cast<QMouseEvent*>(event);
        if (onCaption && e->button() == Qt::LeftButton) {
            captionDoubleClick();
            return true;
        }
        return false;
    }
    case QEvent::ContextMenu:
        if (onCaption) {
            captionMenu(static_cast<QContextMenuEvent*>(event)->globalPos());
            return true;
        }
        return false;
    default:
        return false;
    }
}

} // namespace dockable
