#include "docking/dockable.h"

#include "docking/core/form_order.h"
#include "docking/core/layout_store.h"
#include "docking/core/numeric.h"
#include "docking/widgets/dockable_private.h"
#include "docking/widgets/form_frame.h"
#include "docking/widgets/global_rect.h"
#include "docking/widgets/settings_layout_store.h"

#include <QCoreApplication>
#include <QEvent>
#include <QMainWindow>
#include <QTimer>
#include <QVBoxLayout>

#include <stdexcept>

namespace dockable {

namespace {
Metrics metricsOf(const QWidget* host) {
    Metrics m;
    if (host) {
        const int dpiX = host->logicalDpiX();
        const int dpiY = host->logicalDpiY();
        if (dpiX > 0) {
            m.twipsPerPixelX = 1440.0 / dpiX;
        }
        if (dpiY > 0) {
            m.twipsPerPixelY = 1440.0 / dpiY;
        }
        m.captionHeight = std::max(18, host->fontMetrics().height() + 6);
    }
    return m;
}

const char* edgeProperty(int side) {
    switch (side) {
    case SideTop:
        return "TopEdgeHeight";
    case SideBottom:
        return "BottomEdgeHeight";
    case SideLeft:
        return "LeftEdgeWidth";
    default:
        return "RightEdgeWidth";
    }
}
} // namespace

DockablePrivate::DockablePrivate(Dockable* owner, QWidget* hostWindow)
    : q(owner), host(hostWindow), metrics(metricsOf(hostWindow)) {
    limits = props.limits(metrics);
    appName = '"' + QCoreApplication::applicationFilePath() + '"';
    if (hostWindow) {
        hostWindow->installEventFilter(this);
        hostLinked = true;
    }
}

DockablePrivate::~DockablePrivate() = default;

void DockablePrivate::markChanged(const QString& name) {
    if (!changed.contains(name)) {
        changed.append(name);
    }
}

int DockablePrivate::FormIndex(const QString& key) const {
    for (size_t i = 0; i < forms.size(); ++i) {
        if (forms[i]->name() == key) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

DockForm* DockablePrivate::form(const QString& key) const {
    const int i = FormIndex(key);
    return i < 0 ? nullptr : forms[i].get();
}

bool DockablePrivate::createEdges(QWidget* edgeParent) {
    if (!edgeParent) {
        return false;
    }
    auto* newArea = new DockArea;
    if (auto* main = qobject_cast<QMainWindow*>(edgeParent)) {
        QWidget* center = main->takeCentralWidget();
        newArea->setCenter(center);
        main->setCentralWidget(newArea);
    } else if (!edgeParent->layout()) {
        auto* layout = new QVBoxLayout(edgeParent);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->setSpacing(0);
        layout->addWidget(newArea);
    } else {
        delete newArea;
        return false;
    }
    InitEdges(newArea);
    return true;
}

void DockablePrivate::InitEdges(DockArea* newArea) {
    area = newArea;
    const int px[5] = {0, twipsToPixels(props.TopEdgeHeight, metrics.twipsPerPixelY),
                       twipsToPixels(props.BottomEdgeHeight, metrics.twipsPerPixelY),
                       twipsToPixels(props.LeftEdgeWidth, metrics.twipsPerPixelX),
                       twipsToPixels(props.RightEdgeWidth, metrics.twipsPerPixelX)};
    for (int side : {SideLeft, SideRight, SideTop, SideBottom}) {
        edges[side] = std::make_unique<DockEdge>(this, newArea->edge(side), side, px[side]);
    }
    initialised = true;
}

void DockablePrivate::reportError(const QString& method, const QString& description) {
    pendingErrors.append("Method " + method + " Failed: " + description);
    if (calls == 0) {
        tell();
    }
}

void DockablePrivate::stateChanged(const DockForm& f) {
    stateChanged(f.name());
}

void DockablePrivate::stateChanged(const QString& key) {
    if (!pendingForms.contains(key)) {
        pendingForms.append(key);
    }
}

void DockablePrivate::tell() {
    QPointer<DockablePrivate> self = this;
    while (self && calls == 0 && (!pendingErrors.isEmpty() || !pendingForms.isEmpty())) {
        if (!pendingErrors.isEmpty()) {
            const QString message = pendingErrors.takeFirst();
            emit q->Error(message);
            continue;
        }
        const QString key = pendingForms.takeFirst();
        // Told once per change: a form put back where it stood is no news; a form that
        // went is told as hidden.
        const DockForm* f = form(key);
        Told now;
        if (f) {
            now.state = f->rec.State;
            now.side = f->rec.State == FormDocked ? f->rec.AlignWhenDocked : 0;
        }
        const Told before = reported.value(key);
        if (f) {
            reported.insert(key, now);
        } else {
            reported.remove(key);
        }
        if (!(now == before)) {
            emit q->StateChanged(key, now.state);
        }
    }
}

OutlineWindow& DockablePrivate::outlineWindow() {
    if (!outline) {
        outline = std::make_unique<OutlineWindow>();
    }
    return *outline;
}

void DockablePrivate::showForm(const QString& key, int align, QString hostPane, int alignToHostPane,
                               int splitPromille) {
    DockForm* f = form(key);
    if (!f) {
        return;
    }
    f->Hide();
    if (align == EAlignPrevious) {
        if (f->rec.StateWhenVisible == FormDocked && UndeleteForm(key)) {
            stateChanged(*f);
            return;
        }
        align = f->rec.StateWhenVisible == FormUndocked ? 0 : f->rec.AlignWhenDocked;
        hostPane = f->rec.HostPane;
        alignToHostPane = f->rec.AlignToHostPane;
        splitPromille = f->rec.HostSplitProMille;
    }
    // A form given no edge of this control floats: a form docked without a pane could
    // neither be seen in place nor dragged.
    if (!isSide(align)) {
        f->PrepareToShowUnDocked();
        f->showFloating();
        stateChanged(*f);
        return;
    }
    if (!isSide(alignToHostPane)) {
        alignToHostPane = (align == SideLeft || align == SideRight) ? SideBottom : SideRight;
    }
    f->rec.State = FormDocked;
    QWidget* pane = edges[align]->AddPane(*f, hostPane, alignToHostPane, splitPromille);
    if (!pane) {
        f->PrepareToShowUnDocked();
        f->showFloating();
        stateChanged(*f);
        return;
    }
    f->setPane(pane);
    f->rec.AlignWhenDocked = align;
    f->rec.AlignToHostPane = alignToHostPane;
    f->rec.HostPane = hostPane;
    f->rec.StateWhenVisible = FormDocked;
    f->rec.HostSplitProMille = splitPromille;
    f->showDocked();
    stateChanged(*f);
}

bool DockablePrivate::UndeleteForm(const QString& key) {
    DockForm* f = form(key);
    if (!f) {
        return false;
    }
    f->Hide();
    QWidget* pane = nullptr;
    for (int side : {SideTop, SideBottom, SideLeft, SideRight}) {
        pane = edges[side] ? edges[side]->Undelete(key, *f) : nullptr;
        if (pane) {
            break;
        }
    }
    if (!pane) {
        return false;
    }
    f->setPane(pane);
    f->rec.State = FormDocked;
    f->rec.StateWhenVisible = FormDocked;
    f->showDocked();
    return true;
}

void DockablePrivate::removeForm(const QString& key, bool store) {
    if (FormIndex(key) < 0) {
        return;
    }
    if (store && props.Persistent && !layoutSaved) {
        SaveLayout();
        layoutSaved = true;
    }
    hideForm(key);
    const int i = FormIndex(key);
    if (i < 0) {
        return;
    }
    // Out of the list first: whatever the wrapper's end sets going finds no stale entry.
    std::unique_ptr<DockForm> gone = std::move(forms[i]);
    forms.erase(forms.begin() + i);
    stateChanged(key);
    gone.reset();
}

void DockablePrivate::formGone(const QString& key) {
    ControlCall call(this);
    const DockForm* f = form(key);
    if (f && !f->form()) {
        removeForm(key, false);
    }
}

void DockablePrivate::hideForm(const QString& key) {
    if (DockForm* f = form(key)) {
        f->Hide();
        stateChanged(*f);
    }
}

void DockablePrivate::setState(const QString& key, int state) {
    DockForm* f = form(key);
    if (!f) {
        return;
    }
    switch (state) {
    case FormHidden:
        hideForm(key);
        break;
    case FormDocked:
        if (f->rec.AlignWhenDocked > 0) {
            if (UndeleteForm(key)) {
                stateChanged(*f);
            } else {
                q->Show(key, f->rec.AlignWhenDocked, f->rec.HostPane, f->rec.AlignToHostPane, 500);
            }
        }
        break;
    case FormUndocked:
        q->Show(key, 0, QString(), 0, 500);
        break;
    default:
        break;
    }
}

void DockablePrivate::paint() {
    if (!initialised || forms.empty() || painted) {
        return;
    }
    ControlCall call(this);
    painted = true;
    try {
        bool splitsReadable = false;
        if (props.Persistent) {
            splitsReadable = LoadLayout();
        } else {
            ClearLayout();
        }
        std::vector<std::pair<QString, QString>> names;
        for (const auto& f : forms) {
            names.emplace_back(f->name(), f->rec.HostPane);
        }
        std::vector<std::unique_ptr<DockForm>> ordered;
        for (int i : OrderFormsByHost(names)) {
            ordered.push_back(std::move(forms[i]));
        }
        forms = std::move(ordered);
        QStringList keys;
        for (const auto& f : forms) {
            if (f->rec.State != FormHidden) {
                keys.append(f->name());
            }
        }
        for (const QString& key : keys) {
            showForm(key, EAlignPrevious, QString(), 0, 500);
        }
        if (host) {
            host->setFocus(Qt::OtherFocusReason);
        }
        if (splitsReadable) {
            std::unique_ptr<LayoutStore> store = openStore();
            QStringList bad;
            LayoutReader reader{*store, appName, bad};
            for (const auto& f : forms) {
                for (int side : {SideLeft, SideRight, SideTop, SideBottom}) {
                    loadSplitters(reader, side, edges[side]->tree(), f->name());
                }
            }
        }
        ResizeEdges();
        hostLinked = false;
        // A stored layout may have put any form elsewhere than it was registered.
        for (const auto& f : forms) {
            stateChanged(*f);
        }
    } catch (const std::exception& e) {
        reportError("Paint", QString::fromUtf8(e.what()));
    }
}

void DockablePrivate::terminate() {
    if (terminated) {
        return;
    }
    terminated = true;
    hostLinked = false;
    if (host) {
        host->removeEventFilter(this);
    }
    if (!initialised) {
        return;
    }
    if (props.Persistent && !layoutSaved) {
        SaveLayout();
        layoutSaved = true;
    }
    forms.clear();
    for (int side : {SideLeft, SideTop, SideRight, SideBottom}) {
        edges[side].reset();
    }
    outline.reset();
    releaseArea();
    initialised = false;
}

void DockablePrivate::releaseArea() {
    DockArea* a = area;
    area = nullptr;
    if (!a) {
        return;
    }
    auto* main = host ? qobject_cast<QMainWindow*>(host.data()) : nullptr;
    if (main && main->centralWidget() == a) {
        // The host's own central widget goes back where it was; the area goes later, as
        // one of its events may still be under way.
        QWidget* center = a->center();
        a->setCenter(nullptr);
        if (center) {
            main->setCentralWidget(center);
        } else {
            main->takeCentralWidget();
            a->deleteLater();
        }
        return;
    }
    a->hide();
    a->deleteLater();
}

void DockablePrivate::PreventUndeleteAll(const QString& key) {
    for (int side : {SideTop, SideBottom, SideLeft, SideRight}) {
        if (edges[side]) {
            edges[side]->PreventUndelete(key);
        }
    }
}

void DockablePrivate::RemovePaneFromEdges(const QString& key) {
    for (int side : {SideLeft, SideTop, SideRight, SideBottom}) {
        if (edges[side]) {
            edges[side]->RemovePane(key);
        }
    }
}

bool DockablePrivate::EdgeKeyFromhWnd(const QWidget* pane, QString& key, int& align) const {
    bool found = false;
    for (int side : {SideLeft, SideTop, SideRight, SideBottom}) {
        if (edges[side] && edges[side]->KeyFromhWnd(pane, key, align)) {
            found = true;
        }
    }
    return found;
}

void DockablePrivate::ResizeEdges() {
    for (int side : {SideLeft, SideTop, SideRight, SideBottom}) {
        if (edges[side]) {
            edges[side]->Resize();
        }
    }
}

void DockablePrivate::SetSizerBoundsAll() {
    for (int side : {SideTop, SideBottom, SideLeft, SideRight}) {
        if (edges[side]) {
            edges[side]->SetSizerBounds();
        }
    }
}

int DockablePrivate::VisibleEdgeWidth(int side) const {
    const DockEdge* e = edge(side);
    return e && e->Visible() ? e->DWidth() : 0;
}

Rect DockablePrivate::GetDockAreaRect() const {
    return globalRect(area);
}

DockSnapshot DockablePrivate::snapshot(const DockForm& dragged, Point pt) const {
    DockSnapshot s;
    s.dockArea = GetDockAreaRect();
    for (int side = 1; side <= 4; ++side) {
        const DockEdge* e = edge(side);
        if (!e) {
            continue;
        }
        s.edges[side].hasSlots = e->Count() > 0;
        s.edges[side].rect = globalRect(e->window());
        s.edges[side].dwidth = e->DWidth();
        s.canDock[side] = dragged.rec.canDock(side);
    }
    // The window under the point: a floating form hides whatever lies beneath it (the
    // dragged one too: it stays where it is until the drop).
    for (const auto& f : forms) {
        const FormFrame* frame = f->frame();
        if (frame && frame->isVisible() && frame->isWindow() &&
            globalRect(frame).containsInclusive(pt)) {
            return s;
        }
    }
    for (int side = 1; side <= 4; ++side) {
        const DockEdge* e = edge(side);
        if (!e) {
            continue;
        }
        for (int i = 1; i <= e->Count(); ++i) {
            const PaneSlot& slot = e->tree().slot(i);
            QWidget* pane = e->paneWindow(i);
            if (!slot.Deleted && !slot.IsSplitter && pane && pane->isVisible()) {
                Rect r = globalRect(pane);
                if (pt.x >= r.left && pt.x < r.right && pt.y >= r.top && pt.y < r.bottom) {
                    s.paneUnderPoint = paneId(side, i);
                    s.paneSide = side;
                    return s;
                }
            }
        }
    }
    return s;
}

QWidget* DockablePrivate::paneById(int id) const {
    const DockEdge* e = edge(id / 1000);
    return e ? e->paneWindow(id % 1000) : nullptr;
}

int DockablePrivate::idOfPane(const QWidget* pane) const {
    for (int side = 1; side <= 4; ++side) {
        if (const DockEdge* e = edge(side)) {
            if (int slot = e->slotOfPane(pane)) {
                return paneId(side, slot);
            }
        }
    }
    return 0;
}

int DockablePrivate::edgeTwips(int side) {
    int* stored[5] = {nullptr, &props.TopEdgeHeight, &props.BottomEdgeHeight, &props.LeftEdgeWidth,
                      &props.RightEdgeWidth};
    if (initialised && edges[side]) {
        const double tpp = isHorizontalSide(side) ? metrics.twipsPerPixelY : metrics.twipsPerPixelX;
        *stored[side] = pixelsToTwips(edges[side]->DWidth(), tpp);
    }
    return *stored[side];
}

void DockablePrivate::setEdgeTwips(int side, int twips) {
    int* stored[5] = {nullptr, &props.TopEdgeHeight, &props.BottomEdgeHeight, &props.LeftEdgeWidth,
                      &props.RightEdgeWidth};
    *stored[side] = twips;
    markChanged(edgeProperty(side));
    if (initialised && edges[side]) {
        const double tpp = isHorizontalSide(side) ? metrics.twipsPerPixelY : metrics.twipsPerPixelX;
        edges[side]->SetDWidth(twipsToPixels(twips, tpp));
    }
}

bool DockablePrivate::eventFilter(QObject* watched, QEvent* event) {
    if (watched == host && event->type() == QEvent::Close) {
        // Whether the host closes is known only once its own handling has said so: a
        // close it takes hides it at once.
        hostClosing = true;
        QPointer<DockablePrivate> self = this;
        QTimer::singleShot(0, this, [self] {
            if (self) {
                self->hostClosing = false;
            }
        });
    } else if (watched == host && event->type() == QEvent::Hide && hostClosing) {
        // The host closed: the control ends with it, storing the layout as it stands.
        hostClosing = false;
        terminate();
        return false;
    }
    if (watched == host && hostLinked &&
        (event->type() == QEvent::WindowActivate || event->type() == QEvent::Show)) {
        // Activation is what the first layout pass waits for; a host shown on a platform
        // that never activates it gets the pass once it is on screen.
        QPointer<DockablePrivate> self = this;
        QTimer::singleShot(0, this, [self] {
            if (self) {
                self->paint();
            }
        });
    }
    return false;
}

// ---- Dockable ----

Dockable::Dockable(QWidget* host, QObject* parent)
    : QObject(parent), d_(std::make_unique<DockablePrivate>(this, host)) {}

Dockable::~Dockable() {
    d_->terminate();
}

void Dockable::Terminate() {
    d_->terminate();
}

void Dockable::ReadProperties(const QVariantMap& bag) {
    ControlCall call(d_.get());
    MemoryPropertyBag memory;
    for (auto it = bag.begin(); it != bag.end(); ++it) {
        memory.WriteProperty(it.key(), it.value());
    }
    DockableProperties read;
    const QStringList bad = read.read(memory);
    d_->props = read;
    d_->limits = d_->props.limits(d_->metrics);
    d_->changed.clear();
    if (!bad.isEmpty()) {
        d_->reportError("ReadProperties",
                        "stored value not usable, default taken: " + bad.join(", "));
    }
}

QVariantMap Dockable::WriteProperties() const {
    MemoryPropertyBag memory;
    d_->props.write(memory);
    QVariantMap bag;
    for (const QString& key : memory.keys()) {
        bag.insert(key, memory.ReadProperty(key));
    }
    return bag;
}

QStringList Dockable::ChangedProperties() const {
    return d_->changed;
}

void Dockable::AddForm(QWidget* frmForm, int State, int Align, const QString& HostPane,
                       int AlignToHostPane, int SplitPromille) {
    ControlCall call(d_.get());
    try {
        if (!frmForm) {
            throw std::runtime_error("no form given");
        }
        if (frmForm->objectName().isEmpty()) {
            throw std::runtime_error("the form has no name");
        }
        if (!d_->initialised) {
            if (d_->connectFailed || d_->terminated) {
                return;
            }
            if (!d_->createEdges(d_->host)) {
                throw std::runtime_error("the host window has no place for the edges");
            }
        }
        if (d_->FormIndex(frmForm->objectName()) >= 0) {
            return;
        }
        auto f = std::make_unique<DockForm>(d_.get(), frmForm);
        f->rec.State = State;
        f->rec.StateWhenVisible = State;
        // Only a side of this control is a place to dock to; anything else docks nowhere.
        f->rec.AlignWhenDocked = isSide(Align) ? Align : 0;
        f->rec.HostPane = HostPane;
        f->rec.AlignToHostPane = AlignToHostPane;
        f->rec.HostSplitProMille = SplitPromille;
        d_->reported.insert(
            f->name(), {f->rec.State, f->rec.State == FormDocked ? f->rec.AlignWhenDocked : 0});
        d_->forms.push_back(std::move(f));
    } catch (const std::exception& e) {
        d_->reportError("AddForm", QString::fromUtf8(e.what()));
    }
}

void Dockable::Show(const QString& Key, int Align, const QString& HostPane, int AlignToHostPane,
                    int SplitPromille) {
    ControlCall call(d_.get());
    try {
        d_->showForm(Key, Align, HostPane, AlignToHostPane, SplitPromille);
    } catch (const std::exception& e) {
        d_->reportError("Show", QString::fromUtf8(e.what()));
    }
}

void Dockable::Hide(const QString& Key) {
    ControlCall call(d_.get());
    d_->hideForm(Key);
}

void Dockable::RemoveForm(const QString& Key) {
    ControlCall call(d_.get());
    d_->removeForm(Key);
}

int Dockable::State(const QString& Key) const {
    const DockForm* f = d_->form(Key);
    return f ? f->rec.State : FormHidden;
}

void Dockable::SetState(const QString& Key, int NewState) {
    ControlCall call(d_.get());
    d_->setState(Key, NewState);
}

void Dockable::Paint() {
    d_->paint();
}

void Dockable::ConnectToPicture(QWidget* edgeParent) {
    ControlCall call(d_.get());
    try {
        if (d_->initialised) {
            throw std::runtime_error("the edges exist already");
        }
        if (!d_->createEdges(edgeParent)) {
            throw std::runtime_error("the widget cannot hold the edges");
        }
    } catch (const std::exception& e) {
        d_->connectFailed = true;
        d_->reportError("ConnectToPicture", QString::fromUtf8(e.what()));
    }
}

QString Dockable::SysMenuCaption() const {
    return d_->props.SysMenuCaption;
}
void Dockable::SetSysMenuCaption(const QString& caption) {
    d_->props.SysMenuCaption = caption;
    d_->markChanged("SysMenuCaption");
}
int Dockable::LeftEdgeWidth() {
    return d_->edgeTwips(SideLeft);
}
void Dockable::SetLeftEdgeWidth(int twips) {
    d_->setEdgeTwips(SideLeft, twips);
}
int Dockable::RightEdgeWidth() {
    return d_->edgeTwips(SideRight);
}
void Dockable::SetRightEdgeWidth(int twips) {
    d_->setEdgeTwips(SideRight, twips);
}
int Dockable::BottomEdgeHeight() {
    return d_->edgeTwips(SideBottom);
}
void Dockable::SetBottomEdgeHeight(int twips) {
    d_->setEdgeTwips(SideBottom, twips);
}
int Dockable::TopEdgeHeight() {
    return d_->edgeTwips(SideTop);
}
void Dockable::SetTopEdgeHeight(int twips) {
    d_->setEdgeTwips(SideTop, twips);
}
bool Dockable::Persistant() const {
    return d_->props.Persistent;
}
void Dockable::SetPersistant(bool persistent) {
    d_->props.Persistent = persistent;
    d_->markChanged("Persistant");
}
bool Dockable::Persistent() const {
    return d_->props.Persistent;
}
void Dockable::SetPersistent(bool persistent) {
    d_->props.Persistent = persistent;
    d_->markChanged("Persistant");
}

namespace {
template <bool FormRecord::*Field> bool formFlag(const DockablePrivate& d, const QString& key) {
    const DockForm* f = d.form(key);
    return f ? f->rec.*Field : false;
}
template <bool FormRecord::*Field>
void setFormFlag(DockablePrivate& d, const QString& key, bool value, const char* name) {
    if (DockForm* f = d.form(key)) {
        f->rec.*Field = value;
        d.markChanged(name);
    }
}
} // namespace

bool Dockable::CanDockRight(const QString& Key) const {
    return formFlag<&FormRecord::CanDockRight>(*d_, Key);
}
void Dockable::SetCanDockRight(const QString& Key, bool can) {
    setFormFlag<&FormRecord::CanDockRight>(*d_, Key, can, "CanDockRight");
}
bool Dockable::CanDockLeft(const QString& Key) const {
    return formFlag<&FormRecord::CanDockLeft>(*d_, Key);
}
void Dockable::SetCanDockLeft(const QString& Key, bool can) {
    setFormFlag<&FormRecord::CanDockLeft>(*d_, Key, can, "CanDockLeft");
}
bool Dockable::CanDockTop(const QString& Key) const {
    return formFlag<&FormRecord::CanDockTop>(*d_, Key);
}
void Dockable::SetCanDockTop(const QString& Key, bool can) {
    setFormFlag<&FormRecord::CanDockTop>(*d_, Key, can, "CanDockTop");
}
bool Dockable::CanDockBottom(const QString& Key) const {
    return formFlag<&FormRecord::CanDockBottom>(*d_, Key);
}
void Dockable::SetCanDockBottom(const QString& Key, bool can) {
    setFormFlag<&FormRecord::CanDockBottom>(*d_, Key, can, "CanDockBottom");
}
bool Dockable::GrabberBar(const QString& Key) const {
    return formFlag<&FormRecord::GrabberBar>(*d_, Key);
}
void Dockable::SetGrabberBar(const QString& Key, bool on) {
    setFormFlag<&FormRecord::GrabberBar>(*d_, Key, on, "GrabberBar");
}
bool Dockable::GrabberBarXBtn(const QString& Key) const {
    return formFlag<&FormRecord::GrabberBarXBtn>(*d_, Key);
}
void Dockable::SetGrabberBarXBtn(const QString& Key, bool on) {
    setFormFlag<&FormRecord::GrabberBarXBtn>(*d_, Key, on, "GrabberBarXBtn");
}

int Dockable::HSplitterMin() const {
    return pixelsToTwips(d_->props.HSplitterMinPx, d_->metrics.twipsPerPixelY);
}
void Dockable::SetHSplitterMin(int twips) {
    d_->props.HSplitterMinPx = twipsToPixels(twips, d_->metrics.twipsPerPixelY);
    d_->limits = d_->props.limits(d_->metrics);
    d_->markChanged("HSplitterMin");
}
int Dockable::VSplitterMin() const {
    return pixelsToTwips(d_->props.VSplitterMinPx, d_->metrics.twipsPerPixelX);
}
void Dockable::SetVSplitterMin(int twips) {
    d_->props.VSplitterMinPx = twipsToPixels(twips, d_->metrics.twipsPerPixelX);
    d_->limits = d_->props.limits(d_->metrics);
    d_->markChanged("VSplitterMin");
}
bool Dockable::MDIActiveLook() const {
    return d_->props.MDIActiveLook;
}
void Dockable::SetMDIActiveLook(bool on) {
    d_->props.MDIActiveLook = on;
    d_->markChanged("MDIActiveLook");
}

#define DOCKABLE_SIZER_MIN(Name)                                                                   \
    int Dockable::Name() const {                                                                   \
        return d_->props.Name;                                                                     \
    }                                                                                              \
    void Dockable::Set##Name(int twips) {                                                          \
        d_->props.Name = twips;                                                                    \
        d_->limits = d_->props.limits(d_->metrics);                                                \
        d_->markChanged(#Name);                                                                    \
    }
DOCKABLE_SIZER_MIN(TopSizerMin)
DOCKABLE_SIZER_MIN(BottomSizerMin)
DOCKABLE_SIZER_MIN(LeftSizerMin)
DOCKABLE_SIZER_MIN(RightSizerMin)
#undef DOCKABLE_SIZER_MIN

void Dockable::SetSettingsFile(const QString& path) {
    d_->settingsFile = path;
}

QString Dockable::AppName() const {
    return d_->appName;
}

} // namespace dockable
