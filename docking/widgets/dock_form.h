#pragma once

#include "docking/core/form_drag.h"
#include "docking/core/form_record.h"
#include "docking/widgets/form_frame.h"
#include "docking/widgets/grabber_bar.h"
#include "docking/widgets/window_hooks.h"

#include <QPointer>

#include <vector>

namespace dockable {

class DockablePrivate;

// The control's wrapper of one registered form: the form's state and remembered
// placements, and what the user does with the mouse on its caption and frame.
class DockForm final : public WndSubClass, public DragQuery, public CaptionTarget {
public:
    DockForm(DockablePrivate* parent, QWidget* form);
    ~DockForm() override;

    QString name() const { return rec.name; }
    QWidget* form() const { return form_; }
    FormFrame* frame() const { return frame_; }
    QWidget* pane() const { return pane_; }
    void setPane(QWidget* pane) { pane_ = pane; }

    void Hide();
    void PrepareToShowUnDocked();
    void StoreUnDockedRect();
    // Shows the floating form as a window of its own above the host.
    void showFloating();
    // Shows the docked form in its pane.
    void showDocked();
    // Docked goes floating; floating goes back to its edge when it was ever docked.
    void toggle();
    // The window-menu command (SC_DOCKABLE toggles, Close hides).
    void SysCommand(int command);
    // The close box or the window's own close: the form is hidden, not unloaded.
    void closeRequest() override;

    const FormDrag& drag() const { return drag_; }

    bool WindowProc(QWidget* window, QEvent* event) override;

    DropHit sideAtPoint(Point pt) override;
    Rect edgeDropRect(int side) override;
    Rect paneRect(int pane) override;
    int ownPane() override;

    void captionPress(QPoint global) override;
    void captionMove(QPoint global) override;
    void captionRelease(QPoint global) override;
    void captionDoubleClick() override;
    void captionMenu(QPoint global) override;

    FormRecord rec;

private:
    bool framePress(QMouseEvent* event);
    void showOutline();
    void execute(const DragCommand& command);
    void setFloatingWindow();
    // The screens' available areas, the host's first.
    std::vector<Rect> screenAreas() const;
    void takeMinimumSize();

    DockablePrivate* parent_;
    QPointer<QWidget> form_;
    QPointer<FormFrame> frame_;
    QPointer<QWidget> pane_;
    FormDrag drag_;
    bool everShownFloating_ = false;
    bool placedByHost_ = false; // the host put the form somewhere before it came here
};

} // namespace dockable
