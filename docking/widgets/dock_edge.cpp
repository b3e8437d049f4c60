#include "docking/widgets/dock_edge.h"

#include "docking/core/layout_math.h"
#include "docking/widgets/dock_form.h"
#include "docking/widgets/dockable_private.h"
#include "docking/widgets/form_frame.h"
#include "docking/widgets/grabber_bar.h"
#include "docking/widgets/splitter_bar.h"

#include <QEvent>

namespace dockable {

namespace {
QRect toQRect(Rect r) {
    return {r.left, r.top, std::max(0, r.width()), std::max(0, r.height())};
}

// Library windows that go while an event of theirs may still be under way are hidden at
// once and deleted when control is back in the event loop.
void dispose(QWidget* w) {
    if (w) {
        w->hide();
        w->deleteLater();
    }
}
} // namespace

DockEdge::DockEdge(DockablePrivate* parent, QWidget* edgeWindow, int side, int width)
    : parent_(parent), window_(edgeWindow), side_(side) {
    if (width > 0) {
        dwidth_ = width;
    }
    tree_.setObserver(this);
    sizer_ = new SplitterBar(isHorizontalSide(side), edgeWindow);
    sizer_->setObjectName(QStringLiteral("DockableSizer%1").arg(side));
    QObject::connect(sizer_, &SplitterBar::Change, sizer_,
                     [this](int position) { Sizer_Change(position); });
    Resize();
    WindowHooks::SubClass(edgeWindow, this);
}

DockEdge::~DockEdge() {
    WindowHooks::UnSubClass(window_);
    tree_.setObserver(nullptr);
    for (auto& [slot, w] : widgets_) {
        // A form still docked goes back to being a window of its own, hidden, so that it
        // is not deleted with its pane.
        if (w.frame && w.frame->parentWidget() == w.inner) {
            w.frame->hide();
            w.frame->setParent(parent_->host ? parent_->host->window() : nullptr,
                               Qt::Tool | Qt::FramelessWindowHint);
        }
        delete w.outer.data();
        delete w.splitter.data();
    }
    delete sizer_.data();
}

QWidget* DockEdge::AddPane(DockForm& form, const QString& hostPane, int alignToHostPane,
                           int hostSplitPromille) {
    adding_ = &form;
    int leaf = tree_.AddPane(form.name(), hostPane, alignToHostPane, hostSplitPromille);
    adding_ = nullptr;
    if (leaf == 0) {
        return nullptr;
    }
    parent_->PreventUndeleteAll(form.name());
    Resize();
    return paneWindow(leaf);
}

void DockEdge::RemovePane(const QString& key) {
    if (tree_.RemovePane(key)) {
        Resize();
    }
}

QWidget* DockEdge::Undelete(const QString& key, DockForm& form) {
    adding_ = &form;
    int leaf = tree_.Undelete(key);
    adding_ = nullptr;
    if (leaf == 0) {
        return nullptr;
    }
    Resize();
    return paneWindow(leaf);
}

void DockEdge::leafCreated(int slot, const QString& key) {
    DockForm* form = adding_ ? adding_ : parent_->form(key);
    SlotWidgets& w = widgets_[slot];
    w.outer = new QWidget(window_);
    w.outer->setObjectName("DockablePane_" + key);
    w.inner = new QWidget(w.outer);
    w.inner->setObjectName("DockablePaneInner_" + key);
    w.outer->show();
    w.inner->show();
    if (form && form->frame()) {
        w.frame = form->frame();
        w.grabber = new GrabberBar(form->frame(), w.outer);
        w.grabber->SetEnabled(form->rec.GrabberBar);
        w.grabber->SetCloseButton(form->rec.GrabberBarXBtn);
        w.frame->setFloatingMinimum(false);
        w.frame->setParent(w.inner, Qt::Widget);
        w.frame->show();
        w.frame->raise();
    }
}

void DockEdge::leafDestroyed(int slot) {
    auto it = widgets_.find(slot);
    if (it == widgets_.end()) {
        return;
    }
    SlotWidgets w = it->second;
    widgets_.erase(it);
    if (w.frame && w.frame->parentWidget() == w.inner) {
        w.frame->hide();
        w.frame->setParent(parent_->host ? parent_->host->window() : nullptr,
                           Qt::Tool | Qt::FramelessWindowHint);
    }
    dispose(w.grabber);
    dispose(w.inner);
    dispose(w.outer);
    dispose(w.splitter);
}

void DockEdge::splitterCreated(int slot, bool horizontal) {
    SlotWidgets& w = widgets_[slot];
    dispose(w.splitter);
    w.splitter = new SplitterBar(horizontal, window_);
    QObject::connect(w.splitter, &SplitterBar::Change, w.splitter,
                     [this, slot](int position) { splitterChanged(slot, position); });
}

void DockEdge::splitterDestroyed(int slot) {
    auto it = widgets_.find(slot);
    if (it != widgets_.end()) {
        dispose(it->second.splitter);
        widgets_.erase(it);
    }
}

bool DockEdge::WindowProc(QWidget*, QEvent* event) {
    if (inLayout_) {
        return false;
    }
    if (event->type() == QEvent::Resize) {
        Resize();
    } else if (event->type() == QEvent::Move) {
        parent_->SetSizerBoundsAll();
    }
    return false;
}

void DockEdge::Resize() {
    if (!window_ || !parent_->area) {
        return;
    }
    DockArea* area = parent_->area;
    if (tree_.Count() == 0) {
        if (visible_) {
            visible_ = false;
            inLayout_ = true;
            area->setExtent(side_, 0);
            inLayout_ = false;
        }
        return;
    }
    ++layouts_;
    if (!visible_) {
        inLayout_ = true;
        area->setExtent(side_, dwidth_);
        inLayout_ = false;
    }
    window_->setUpdatesEnabled(false);
    inLayout_ = true;
    const Rect client{0, 0, window_->width(), window_->height()};
    const SizerPlacement placed = placeSizer(side_, client);
    sizer_->Move(placed.sizer.left, placed.sizer.top, placed.sizer.width(), placed.sizer.height());
    sizer_->show();
    const int root = tree_.RootPaneIndex();
    if (root != 0) {
        PaneSlot& r = tree_.slot(root);
        r.Top = placed.content.top;
        r.Left = placed.content.left;
        r.Height = placed.content.height();
        r.Width = placed.content.width();
        ResizePane(tree_, root, parent_->limits);
        moveNodes();
    }
    inLayout_ = false;
    window_->setUpdatesEnabled(true);
    visible_ = true;
    MoveForms();
    window_->update();
    parent_->SetSizerBoundsAll();
}

void DockEdge::moveNodes() {
    for (int i = 1; i <= tree_.Count(); ++i) {
        const PaneSlot& node = tree_.slot(i);
        if (node.Deleted) {
            continue;
        }
        auto it = widgets_.find(i);
        if (it == widgets_.end()) {
            continue;
        }
        SlotWidgets& w = it->second;
        if (node.IsSplitter) {
            if (w.splitter) {
                SplitterPlacement s = placeSplitter(node, parent_->limits);
                w.splitter->setLimits(s.minimum, s.maximum);
                w.splitter->Move(s.bar.left, s.bar.top, s.bar.width(), s.bar.height());
                w.splitter->show();
                w.splitter->raise();
            }
            continue;
        }
        if (!w.outer) {
            continue;
        }
        w.outer->setGeometry(toQRect(node.rect()));
        const bool grabberOn = w.grabber && w.grabber->Enabled();
        Metrics m = parent_->metrics;
        if (w.frame) {
            m.captionHeight = w.frame->captionHeight();
        }
        const LeafGeometry g = leafGeometry(side_, node.Width, node.Height, grabberOn, m);
        if (grabberOn) {
            w.grabber->PlaceGrabber(side_, {0, 0, node.Width, node.Height});
        } else if (w.grabber) {
            w.grabber->Clear();
        }
        w.inner->setGeometry(toQRect(g.inner));
        w.pendingForm = QRect(g.form.left, g.form.top, std::max(0, g.form.width()),
                              std::max(0, g.form.height()));
    }
}

void DockEdge::MoveForms() {
    for (auto& [slot, w] : widgets_) {
        if (w.frame && w.inner && w.frame->parentWidget() == w.inner) {
            w.frame->setGeometry(w.pendingForm);
        }
    }
}

void DockEdge::SetDWidth(int width) {
    if (width < 0) {
        return;
    }
    dwidth_ = width;
    if (visible_ && parent_->area && tree_.Count() > 0) {
        parent_->area->setExtent(side_, width);
    }
}

void DockEdge::Sizer_Change(int position) {
    SetDWidth(dwidthFromSizer(side_, position, dwidth_));
}

void DockEdge::SetSizerBounds() {
    if (!window_ || !sizer_) {
        return;
    }
    int visible[5] = {};
    for (int s = 1; s <= 4; ++s) {
        visible[s] = parent_->VisibleEdgeWidth(s);
    }
    const Rect client{0, 0, window_->width(), window_->height()};
    SizerBounds b =
        sizerBounds(side_, parent_->GetDockAreaRect(), visible, client, parent_->limits);
    sizer_->setLimits(b.minimum, b.maximum);
}

void DockEdge::splitterChanged(int slot, int position) {
    if (slot < 1 || slot > tree_.Count() || tree_.slot(slot).Deleted) {
        return;
    }
    PaneSlot& node = tree_.slot(slot);
    node.SplitPromille = promilleFromPosition(node, position);
    inLayout_ = true;
    ResizePane(tree_, slot, parent_->limits);
    moveNodes();
    inLayout_ = false;
    MoveForms();
}

bool DockEdge::KeyFromhWnd(const QWidget* pane, QString& key, int& align) const {
    int slot = slotOfPane(pane);
    if (slot == 0) {
        return false;
    }
    key = tree_.slot(slot).Key;
    align = side_;
    return true;
}

int DockEdge::slotOfPane(const QWidget* pane) const {
    if (!pane) {
        return 0;
    }
    for (const auto& [slot, w] : widgets_) {
        if (w.outer == pane && slot <= tree_.Count() && !tree_.slot(slot).Deleted &&
            !tree_.slot(slot).IsSplitter) {
            return slot;
        }
    }
    return 0;
}

QWidget* DockEdge::FormhWndFromChildhWnd(const QWidget* window) const {
    if (!window) {
        return nullptr;
    }
    for (const auto& [slot, w] : widgets_) {
        if (w.outer && (w.outer == window || w.outer->isAncestorOf(window)) &&
            !tree_.slot(slot).Deleted) {
            return w.outer;
        }
    }
    return nullptr;
}

QWidget* DockEdge::paneWindow(int slot) const {
    auto it = widgets_.find(slot);
    return it == widgets_.end() ? nullptr : it->second.outer.data();
}

QWidget* DockEdge::innerWindow(int slot) const {
    auto it = widgets_.find(slot);
    return it == widgets_.end() ? nullptr : it->second.inner.data();
}

GrabberBar* DockEdge::grabber(int slot) const {
    auto it = widgets_.find(slot);
    return it == widgets_.end() ? nullptr : it->second.grabber.data();
}

SplitterBar* DockEdge::splitter(int slot) const {
    auto it = widgets_.find(slot);
    return it == widgets_.end() ? nullptr : it->second.splitter.data();
}

} // namespace dockable
