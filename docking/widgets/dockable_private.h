#pragma once

#include "docking/core/drop_target.h"
#include "docking/core/properties.h"
#include "docking/core/sides.h"
#include "docking/dockable.h"
#include "docking/widgets/dock_area.h"
#include "docking/widgets/dock_edge.h"
#include "docking/widgets/dock_form.h"
#include "docking/widgets/outline_window.h"

#include <QHash>
#include <QObject>
#include <QPointer>

#include <memory>
#include <vector>

namespace dockable {

class Dockable;
class LayoutStore;

// The control's own state and the operations its parts share.
class DockablePrivate final : public QObject {
    Q_OBJECT
public:
    DockablePrivate(Dockable* q, QWidget* host);
    ~DockablePrivate() override;
    // The state behind a control (the library's own parts and its tests reach it here).
    static DockablePrivate& of(const Dockable& control) { return *control.d_; }

    Dockable* q;
    QPointer<QWidget> host;
    QPointer<DockArea> area;
    DockableProperties props;
    Metrics metrics;
    Limits limits;
    std::unique_ptr<DockEdge> edges[5];
    std::vector<std::unique_ptr<DockForm>> forms;
    bool initialised = false;
    bool connectFailed = false;
    bool painted = false;
    bool layoutSaved = false;
    bool hostLinked = false;
    bool terminated = false;
    bool hostClosing = false; // the host was asked to close and has not said no yet
    QString appName;
    QString settingsFile;
    QStringList changed;
    // What the host was last told of each form: its state and, docked, its edge.
    struct Told {
        int state = 0;
        int side = 0;
        friend bool operator==(const Told&, const Told&) = default;
    };
    QHash<QString, Told> reported;
    // Changes and errors are told once the call that made them is over, so that whatever
    // the host does in its slots finds the control whole.
    int calls = 0;
    QStringList pendingForms;
    QStringList pendingErrors;
    std::unique_ptr<OutlineWindow> outline;

    void markChanged(const QString& name);
    int FormIndex(const QString& key) const; // 0-based, -1 when none
    DockForm* form(const QString& key) const;
    DockEdge* edge(int side) const { return isSide(side) ? edges[side].get() : nullptr; }

    void InitEdges(DockArea* area);
    bool createEdges(QWidget* edgeParent);
    void showForm(const QString& key, int align, QString hostPane, int alignToHostPane,
                  int splitPromille);
    bool UndeleteForm(const QString& key);
    void hideForm(const QString& key);
    // store: the layout is stored first when it is the first removal (a host's call).
    void removeForm(const QString& key, bool store = true);
    // The host deleted the form itself: its wrapper and pane go with it.
    void formGone(const QString& key);
    // The host window gets back the room the edges took.
    void releaseArea();
    void setState(const QString& key, int state);
    void paint();
    void terminate();

    void PreventUndeleteAll(const QString& key);
    void RemovePaneFromEdges(const QString& key);
    bool EdgeKeyFromhWnd(const QWidget* pane, QString& key, int& align) const;
    void ResizeEdges();
    void SetSizerBoundsAll();
    int VisibleEdgeWidth(int side) const;
    Rect GetDockAreaRect() const;
    // What the drop-target search sees for that form at that point.
    DockSnapshot snapshot(const DockForm& dragged, Point pt) const;
    // Pane ids name a live leaf: its edge's side and its slot.
    static int paneId(int side, int slot) { return side * 1000 + slot; }
    QWidget* paneById(int id) const;
    int idOfPane(const QWidget* pane) const;
    // The form's state or edge may have changed: the host hears of it when the call ends.
    void stateChanged(const DockForm& form);
    void stateChanged(const QString& key);
    void reportError(const QString& method, const QString& description);
    // Tells the host what changed, when no call of the control is under way any more.
    void tell();
    OutlineWindow& outlineWindow();

    // The stored layout (only while the control is persistent).
    void SaveLayout();
    bool LoadLayout();
    void ClearLayout();
    std::unique_ptr<LayoutStore> openStore() const;

    int edgeTwips(int side);
    void setEdgeTwips(int side, int twips);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

// One call into the control, from the host or from the user's doing: what it changes is
// told when the outermost call ends. Nothing of the control may be touched after that,
// since a slot may have deleted it.
class ControlCall {
public:
    explicit ControlCall(DockablePrivate* d) : d_(d) { ++d_->calls; }
    ~ControlCall() {
        if (--d_->calls == 0) {
            d_->tell();
        }
    }
    ControlCall(const ControlCall&) = delete;
    ControlCall& operator=(const ControlCall&) = delete;

private:
    DockablePrivate* d_;
};

} // namespace dockable
