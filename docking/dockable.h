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

    // Ends the control before its host goes: stores the layout once when persistent and
    // lets every registered form go. Runs by itself when the control is destroyed or its
    // host closes; later calls do nothing.
    void Terminate();

signals:
    void Error(const QString& Message);
    // A form's state changed (by a call, or by the user's drag, toggle or close box).
    void StateChanged(const QString& Key, int State);

private:
    friend class DockablePrivate;
    std::unique_ptr<DockablePrivate> d_;
};

} // namespace dockable
