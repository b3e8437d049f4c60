#include "shell/main/plain_dock_host.h"

#include "shell/main/twips.h"

#include <QDockWidget>
#include <QEvent>
#include <QMainWindow>
#include <QScreen>

namespace {
Qt::DockWidgetArea areaOf(int align) {
    switch (align) {
    case dockable::EAlignTop:
        return Qt::TopDockWidgetArea;
    case dockable::EAlignBottom:
        return Qt::BottomDockWidgetArea;
    case dockable::EAlignLeft:
        return Qt::LeftDockWidgetArea;
    default:
        return Qt::RightDockWidgetArea;
    }
}

int alignOf(Qt::DockWidgetArea area) {
    switch (area) {
    case Qt::TopDockWidgetArea:
        return dockable::EAlignTop;
    case Qt::BottomDockWidgetArea:
        return dockable::EAlignBottom;
    case Qt::LeftDockWidgetArea:
        return dockable::EAlignLeft;
    case Qt::RightDockWidgetArea:
        return dockable::EAlignRight;
    default:
        return dockable::NoEAlign;
    }
}
} // namespace

PlainDockHost::PlainDockHost(QMainWindow* host) : QObject(host), host_(host) {}

PlainDockHost::~PlainDockHost() = default;

PlainDockHost::Entry* PlainDockHost::find(const QString& key) {
    for (Entry& entry : entries_)
        if (entry.key == key && entry.holder)
            return &entry;
    return nullptr;
}

const PlainDockHost::Entry* PlainDockHost::find(const QString& key) const {
    for (const Entry& entry : entries_)
        if (entry.key == key && entry.holder)
            return &entry;
    return nullptr;
}

double PlainDockHost::dotsPerInch() const {
    return host_->logicalDpiX() > 0 ? host_->logicalDpiX() : 96.0;
}

void PlainDockHost::AddForm(QWidget* form, int state, int align) {
    if (!form || find(form->objectName()))
        return;
    Entry entry;
    entry.key = form->objectName();
    entry.align = align;
    auto* holder = new QDockWidget(form->windowTitle(), host_);
    holder->setObjectName(QStringLiteral("dock_") + entry.key);
    holder->setWidget(form);
    holder->installEventFilter(this);
    entry.holder = holder;
    host_->addDockWidget(areaOf(align > 0 ? align : dockable::EAlignRight), holder);
    holder->hide();

    // What the user does with the holder (closing it, floating it, docking it elsewhere)
    // is the form's state from then on.
    const QString key = entry.key;
    connect(holder, &QDockWidget::topLevelChanged, this, [this, key](bool floating) {
        if (Entry* e = find(key); e && e->state != dockable::FormHidden) {
            e->state = floating ? dockable::FormUndocked : dockable::FormDocked;
            userChanged(*e);
        }
    });
    connect(holder, &QDockWidget::dockLocationChanged, this, [this, key](Qt::DockWidgetArea area) {
        if (Entry* e = find(key); e && alignOf(area) != dockable::NoEAlign)
            e->align = alignOf(area);
    });
    connect(form, &QWidget::windowTitleChanged, holder, &QDockWidget::setWindowTitle);
    entries_.push_back(entry);
    applyAllowedAreas(entries_.back());
    if (state == dockable::FormDocked || state == dockable::FormUndocked)
        SetState(key, state);
}

bool PlainDockHost::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Close) {
        for (Entry& entry : entries_)
            if (entry.holder == watched && entry.state != dockable::FormHidden) {
                entry.state = dockable::FormHidden;
                userChanged(entry);
            }
    }
    return QObject::eventFilter(watched, event);
}

void PlainDockHost::userChanged(const Entry& entry) {
    if (observer_ && !applying_)
        observer_(entry.key, entry.state);
}

void PlainDockHost::Show(const QString& key, int align) {
    Entry* entry = find(key);
    if (!entry)
        return;
    QDockWidget* holder = entry->holder;
    const bool wasApplying = applying_;
    applying_ = true;
    struct Restore {
        bool& flag;
        bool value;
        ~Restore() { flag = value; }
    } restore{applying_, wasApplying};
    if (align >= dockable::EAlignTop && align <= dockable::EAlignRight) {
        entry->align = align;
        host_->addDockWidget(areaOf(align), holder);
        holder->setFloating(false);
        holder->show();
        entry->state = dockable::FormDocked;
        applyEdgeWidth(*entry);
        return;
    }
    holder->setFloating(true);
    placeFloating(*entry);
    holder->show();
    entry->state = dockable::FormUndocked;
}

void PlainDockHost::placeFloating(Entry& entry) {
    if (entry.placedFloating)
        return;
    // The first time it floats, the form stands inside the host's right edge.
    entry.placedFloating = true;
    QDockWidget* holder = entry.holder;
    const int width = qMax(holder->sizeHint().width(), RightEdgePixels());
    const int height = qMax(holder->sizeHint().height(), host_->height() / 2);
    const QRect frame = host_->geometry();
    holder->setGeometry(qMax(frame.left(), frame.right() - width - 20), frame.top() + 60, width,
                        height);
}

void PlainDockHost::Hide(const QString& key) {
    if (Entry* entry = find(key)) {
        const bool wasShown = entry->state != dockable::FormHidden;
        entry->holder->hide();
        entry->state = dockable::FormHidden;
        // The pane may hide itself (its own close box): whoever shows its state hears it.
        if (wasShown && observer_)
            observer_(entry->key, entry->state);
    }
}

int PlainDockHost::State(const QString& key) const {
    const Entry* entry = find(key);
    return entry ? entry->state : dockable::FormHidden;
}

void PlainDockHost::SetState(const QString& key, int state) {
    Entry* entry = find(key);
    if (!entry)
        return;
    switch (state) {
    case dockable::FormHidden:
        Hide(key);
        break;
    case dockable::FormDocked:
        if (entry->align > 0)
            Show(key, entry->align);
        break;
    case dockable::FormUndocked:
        Show(key, dockable::NoEAlign);
        break;
    default:
        break;
    }
}

void PlainDockHost::applyAllowedAreas(Entry& entry) {
    Qt::DockWidgetAreas areas = Qt::LeftDockWidgetArea | Qt::RightDockWidgetArea;
    if (entry.canTop)
        areas |= Qt::TopDockWidgetArea;
    if (entry.canBottom)
        areas |= Qt::BottomDockWidgetArea;
    entry.holder->setAllowedAreas(areas);
}

void PlainDockHost::SetCanDockTop(const QString& key, bool can) {
    if (Entry* entry = find(key)) {
        entry->canTop = can;
        applyAllowedAreas(*entry);
    }
}

void PlainDockHost::SetCanDockBottom(const QString& key, bool can) {
    if (Entry* entry = find(key)) {
        entry->canBottom = can;
        applyAllowedAreas(*entry);
    }
}

void PlainDockHost::applyEdgeWidth(Entry& entry) {
    int pixels = 0;
    if (entry.align == dockable::EAlignLeft)
        pixels = LeftEdgePixels();
    else if (entry.align == dockable::EAlignRight)
        pixels = RightEdgePixels();
    if (pixels > 0 && !entry.holder->isFloating())
        host_->resizeDocks({entry.holder.data()}, {pixels}, Qt::Horizontal);
}

void PlainDockHost::SetLeftEdgeWidth(int twips) {
    leftTwips_ = twips;
    for (Entry& entry : entries_)
        if (entry.holder && entry.state == dockable::FormDocked)
            applyEdgeWidth(entry);
}

void PlainDockHost::SetRightEdgeWidth(int twips) {
    rightTwips_ = twips;
    for (Entry& entry : entries_)
        if (entry.holder && entry.state == dockable::FormDocked)
            applyEdgeWidth(entry);
}

QDockWidget* PlainDockHost::Holder(const QString& key) const {
    const Entry* entry = find(key);
    return entry ? entry->holder.data() : nullptr;
}

int PlainDockHost::Edge(const QString& key) const {
    const Entry* entry = find(key);
    return entry ? entry->align : dockable::NoEAlign;
}

int PlainDockHost::LeftEdgePixels() const {
    return TwipsToPixels(leftTwips_, dotsPerInch());
}

int PlainDockHost::RightEdgePixels() const {
    return TwipsToPixels(rightTwips_, dotsPerInch());
}
