#pragma once

#include "docking/core/split_tree.h"
#include "docking/widgets/form_frame.h"
#include "docking/widgets/grabber_bar.h"
#include "docking/widgets/splitter_bar.h"
#include "docking/widgets/window_hooks.h"

#include <QPointer>
#include <QRect>

#include <map>

namespace dockable {

class DockablePrivate;
class DockForm;

// One edge of the host window: its edge window, the sizer along its inner side and the
// split tree of panes holding the docked forms.
class DockEdge final : public SplitTreeObserver, public WndSubClass {
public:
    DockEdge(DockablePrivate* parent, QWidget* edgeWindow, int side, int width);
    ~DockEdge() override;

    int Align() const { return side_; }
    int DWidth() const { return dwidth_; }
    void setStoredDWidth(int width) { dwidth_ = width; }
    bool Visible() const { return visible_; }
    int Count() const { return tree_.Count(); }
    const SplitTree& tree() const { return tree_; }
    SplitTree& tree() { return tree_; }
    QWidget* window() const { return window_; }
    SplitterBar* sizer() const { return sizer_; }

    // The outer pane window of the new leaf, nullptr when the form is on this edge already.
    QWidget* AddPane(DockForm& form, const QString& hostPane, int alignToHostPane,
                     int hostSplitPromille);
    void RemovePane(const QString& key);
    QWidget* Undelete(const QString& key, DockForm& form);
    void PreventUndelete(const QString& key) { tree_.PreventUndelete(key); }
    // The key of the live leaf whose pane window that is; false when none.
    bool KeyFromhWnd(const QWidget* pane, QString& key, int& align) const;
    // The pane window that is or holds that window, nullptr when none.
    QWidget* FormhWndFromChildhWnd(const QWidget* window) const;
    // The slot of a live leaf's pane window, 0 when none.
    int slotOfPane(const QWidget* pane) const;
    QWidget* paneWindow(int slot) const;
    QWidget* innerWindow(int slot) const;
    GrabberBar* grabber(int slot) const;
    SplitterBar* splitter(int slot) const;

    void Resize();
    void SetDWidth(int width);
    void Sizer_Change(int position);
    void SetSizerBounds();
    void splitterChanged(int slot, int position);

    // Layout passes run so far (the host's resizes included).
    int layouts() const { return layouts_; }

    bool WindowProc(QWidget* window, QEvent* event) override;
    void leafCreated(int slot, const QString& key) override;
    void leafDestroyed(int slot) override;
    void splitterCreated(int slot, bool horizontal) override;
    void splitterDestroyed(int slot) override;

private:
    struct SlotWidgets {
        QPointer<QWidget> outer;
        QPointer<QWidget> inner;
        QPointer<GrabberBar> grabber;
        QPointer<SplitterBar> splitter;
        QPointer<FormFrame> frame;
        QRect pendingForm;
    };
    void moveNodes();
    void MoveForms();

    DockablePrivate* parent_;
    QPointer<QWidget> window_;
    QPointer<SplitterBar> sizer_;
    int side_;
    int dwidth_ = 0;
    bool visible_ = true;
    bool inLayout_ = false;
    int layouts_ = 0;
    SplitTree tree_;
    std::map<int, SlotWidgets> widgets_;
    DockForm* adding_ = nullptr;
};

} // namespace dockable
