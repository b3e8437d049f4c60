#pragma once

#include "docking/core/rect.h"

#include <QPointer>
#include <QWidget>

namespace dockable {

// Where a grab strip sends what the user does on it: the form's caption handling.
class CaptionTarget {
public:
    virtual ~CaptionTarget() = default;
    virtual void captionPress(QPoint global) = 0;
    virtual void captionMove(QPoint global) = 0;
    virtual void captionRelease(QPoint global) = 0;
    virtual void captionDoubleClick() = 0;
    virtual void captionMenu(QPoint global) = 0;
    virtual void closeRequest() = 0;
};

// The grab strip a docked form may show along its pane instead of its own caption: a
// grip and an optional close box. Clicks on it count as clicks on the form's caption.
class GrabberBar final : public QWidget {
    Q_OBJECT
public:
    // formWindow: the form window whose owner takes the forwarded clicks.
    GrabberBar(QWidget* formWindow, QWidget* pane);

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool on) { enabled_ = on; }
    bool CloseButton() const { return closeButton_; }
    void SetCloseButton(bool on) { closeButton_ = on; }
    bool Vertical() const { return vertical_; }
    // Places the strip along the pane for an edge of that side; r is the pane's client
    // rectangle. Only when enabled.
    void PlaceGrabber(int side, Rect r);
    void Clear() { hide(); }
    // The close box, in the strip's coordinates, as last drawn.
    Rect closeBox() const { return closeBox_; }
    bool HitCloseButton(QPoint p) const;
    bool armed() const { return armed_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    CaptionTarget* target() const;
    void updateCloseBox();

    QPointer<QWidget> formWindow_;
    bool enabled_ = false;
    bool closeButton_ = true;
    bool vertical_ = false;
    bool armed_ = false;
    bool forwarding_ = false;
    Rect closeBox_;
};

} // namespace dockable
