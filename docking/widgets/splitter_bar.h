#pragma once

#include "docking/core/form_drag.h"

#include <QWidget>

#include <memory>

namespace dockable {

class OutlineWindow;

// The bar between two panes, and the sizer along an edge's inner side: dragged, a ghost
// line follows the mouse within the bar's limits, and the drop reports where the bar's
// centre went, in the parent's client coordinates.
class SplitterBar final : public QWidget {
    Q_OBJECT
public:
    SplitterBar(bool horizontal, QWidget* parent);
    ~SplitterBar() override;

    bool Horizontal() const { return horizontal_; }
    // Limits of the bar's top (horizontal) or left (vertical), parent coordinates.
    void setLimits(int minimum, int maximum);
    int minimum() const { return minimum_; }
    int maximum() const { return maximum_; }
    // Places the bar and keeps its top or left as the origin of a drag.
    void Move(int left, int top, int width, int height);
    bool dragging() const { return drag_.dragging(); }

signals:
    void Change(int position);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    int along(const QPointF& global) const;
    void showGhost();

    bool horizontal_;
    int minimum_ = 0;
    int maximum_ = 0;
    int origin_ = 0;
    SplitterDrag drag_;
    std::unique_ptr<OutlineWindow> ghost_;
};

} // namespace dockable
