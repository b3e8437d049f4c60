#pragma once

#include "docking/core/rect.h"

#include <QWidget>

namespace dockable {

// The outline a drag shows on the screen: a ring of the given thickness around a screen
// rectangle (or the whole rectangle when it is thinner than twice the ring), drawn above
// every window and never taking the mouse or the focus.
class OutlineWindow final : public QWidget {
    Q_OBJECT
public:
    OutlineWindow();

    void showOutline(Rect screenRect, int thickness);
    void hideOutline();
    int repaints() const { return repaints_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int thickness_ = 1;
    int repaints_ = 0;
};

} // namespace dockable
