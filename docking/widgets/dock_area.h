#pragma once

#include <QPointer>
#include <QWidget>

namespace dockable {

// The host's docking area: the four edge windows around the host's own central widget.
// The top and bottom edges run the full width, the left and right edges between them;
// each edge takes the extent it is given (0 while it holds no pane).
class DockArea final : public QWidget {
    Q_OBJECT
public:
    explicit DockArea(QWidget* parent = nullptr);
    ~DockArea() override;

    // The edge window of a side (1 top, 2 bottom, 3 left, 4 right).
    QWidget* edge(int side) const { return edges_[side]; }
    void setCenter(QWidget* center);
    QWidget* center() const { return center_; }
    void setExtent(int side, int extent);
    int extent(int side) const { return extents_[side]; }
    // Places the edges and the center now.
    void relayout();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QWidget* edges_[5] = {};
    int extents_[5] = {};
    QPointer<QWidget> center_;
};

} // namespace dockable
