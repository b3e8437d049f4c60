#pragma once

#include "docking/dock_state.h"
#include "docking/dockable_export.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <QVariantMap>

#include <memory>

class QWidget;

namespace dockable {

class DockablePrivate;

// The docking-window control of a host window. The host registers its tool windows with
// AddForm and from then on names each by its object name (the Key). The control docks a
// registered form into a pane on one of the four edges of the host, floats it as a window
// of its own above the host, or hides it; the user drags forms between edges, panes and
// the floating state by their captions. Sizes given in twips are turned into pixels of the
// host's screen. Failures never reach the host as errors: they are reported by Error.
//
// Ownership: AddForm takes the form. The control puts it in a window of its own (docked in
// a pane, or floating) and deletes it at RemoveForm, at Terminate and when the control
// ends. The host may still delete a form itself: the control then forgets it and its pane
// goes. The control ends itself when its host window closes (or is deleted); the host may
// delete the control earlier, and the host window then gets back the room of the edges.
//
// When forms appear: AddForm never shows a form. The first Paint puts every form where its
// stored layout (or else the State given to AddForm) says; it runs once, by itself when
// the host is shown or activated with forms registered, or when the host calls it. A form
// added after it stays hidden until the host calls Show or SetState for it.
//
// The stored layout: while the control is Persistent (the default), it keeps the edges'
// sizes, every form's state and placements and the panes' splits between runs. They are
// read at the first Paint and stored once, at the first RemoveForm or when the control
// ends (its host closing included). The store is the user's configuration folder (the
// per-user "Dockable/Layouts" settings file, on Linux ~/.config/Dockable/Layouts.ini),
// one entry per program, keyed by the program's full path (AppName). SetSettingsFile
// keeps it in a file of the host's choice instead. To keep no layout, set the control not
// persistent (SetPersistent(false), or ReadProperties with "Persistant" false) before the
// first Paint: that Paint then deletes whatever an earlier run of the program stored.
//
// Placing a form: Align is the edge to dock to (EdgeAlign: 1 top, 2 bottom, 3 left,
// 4 right), NoEAlign (0) floats it and EAlignPrevious (-1) puts it back where it last was.
// HostPane is the Key of a form docked on that edge whose pane the new one shares (empty,
// or naming no pane there: the edge's first pane). AlignToHostPane is the side of that pane
// the new form takes (HostAlign: 1 above, 2 below, 3 left of, 4 right of it); a value
// outside 1..4 takes below on the left and right edges and right of it on the top and
// bottom edges. SplitPromille is where the shared space is split, in thousandths of its
// height (above, below) or width (left, right) from its top or left; each part keeps the
// splitter's minimum.
//
// Signals: Error and StateChanged are emitted once the call that caused them is over (or
// the user's drag, toggle or close), so a slot may call any member, remove or add forms,
// or delete the control.
class DOCKABLE_EXPORT Dockable final : public QObject {
    Q_OBJECT
public:
    // host: the window whose edges take the forms (a QMainWindow's central widget is
    // wrapped by the edges; another widget gets the edges in a layout of its own).
    explicit Dockable(QWidget* host, QObject* parent = nullptr);
    ~Dockable() override;

    // The design-time properties, by the keys of the host's stored form data.
    void ReadProperties(const QVariantMap& bag);
    QVariantMap WriteProperties() const;
    // The names of the properties changed since the last ReadProperties.
    QStringList ChangedProperties() const;

    // Registers a form under its object name, hidden; a second form of a registered name
    // changes nothing. What the first Paint, SetState and Show(EAlignPrevious) go by.
    void AddForm(QWidget* frmForm, int State = FormHidden, int Align = -1,
                 const QString& HostPane = QString(), int AlignToHostPane = 0,
                 int SplitPromille = 500);
    void Show(const QString& Key, int Align = NoEAlign, const QString& HostPane = QString(),
              int AlignToHostPane = 0, int SplitPromille = 500);
    void Hide(const QString& Key);
    void RemoveForm(const QString& Key);
    int State(const QString& Key) const;
    void SetState(const QString& Key, int NewState);
    void Paint();
    // The host supplies the widget that holds the edges instead of the control choosing
    // one; it must not have a layout yet.
    void ConnectToPicture(QWidget* edgeParent);

    QString SysMenuCaption() const;
    void SetSysMenuCaption(const QString& caption);
    int LeftEdgeWidth();
    void SetLeftEdgeWidth(int twips);
    int RightEdgeWidth();
    void SetRightEdgeWidth(int twips);
    int BottomEdgeHeight();
    void SetBottomEdgeHeight(int twips);
    int TopEdgeHeight();
    void SetTopEdgeHeight(int twips);
    bool Persistant() const;
    void SetPersistant(bool persistent);
    bool Persistent() const;
    void SetPersistent(bool persistent);
    bool AllowTopMost() const { return false; }
    void SetAllowTopMost(bool) {}
    bool CanDockRight(const QString& Key) const;
    void SetCanDockRight(const QString& Key, bool can);
    bool CanDockLeft(const QString& Key) const;
    void SetCanDockLeft(const QString& Key, bool can);
    bool CanDockTop(const QString& Key) const;
    void SetCanDockTop(const QString& Key, bool can);
    bool CanDockBottom(const QString& Key) const;
    void SetCanDockBottom(const QString& Key, bool can);
    bool GrabberBar(const QString& Key) const;
    void SetGrabberBar(const QString& Key, bool on);
    bool GrabberBarXBtn(const QString& Key) const;
    void SetGrabberBarXBtn(const QString& Key, bool on);
    int HSplitterMin() const;
    void SetHSplitterMin(int twips);
    int VSplitterMin() const;
    void SetVSplitterMin(int twips);
    bool MDIActiveLook() const;
    void SetMDIActiveLook(bool on);
    int TopSizerMin() const;
    void SetTopSizerMin(int twips);
    int BottomSizerMin() const;
    void SetBottomSizerMin(int twips);
    int LeftSizerMin() const;
    void SetLeftSizerMin(int twips);
    int RightSizerMin() const;
    void SetRightSizerMin(int twips);

    // Where the layout is kept between runs when the control is persistent: an INI file
    // in place of the per-user store (tests, portable hosts). Empty: the per-user store.
    void SetSettingsFile(const QString& path);
    // The name the layout is stored under: the host program's full path in quotes.
    QString AppName() const;

    // Ends the control before its host goes: stores the layout once when persistent,
    // deletes every registered form and gives the host window back the room of the edges.
    // Runs by itself when the control is destroyed or its host closes; later calls do
    // nothing.
    void Terminate();

signals:
    void Error(const QString& Message);
    // A form's state (DockState) or, docked, its edge changed: by a call, or by the user's
    // drag, toggle or close box; a removed form is told as hidden.
    void StateChanged(const QString& Key, int State);

private:
    friend class DockablePrivate;
    std::unique_ptr<DockablePrivate> d_;
};

} // namespace dockable
