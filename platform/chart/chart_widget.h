#pragma once

#include "platform/chart/chart_layout.h"
#include "platform/chart/chart_model.h"

#include <QPoint>
#include <QWidget>

#include <optional>

// A chart on the screen: paints its model, zooms with a rubber band dragged to the lower
// right (a drag to the upper left, or UndoZoom, shows everything again), reports a click
// on a point, and carries a cross-hair over the chart.
class ChartWidget : public QWidget {
    Q_OBJECT
public:
    explicit ChartWidget(QWidget* parent = nullptr);

    ChartModel& Model() { return model_; }
    const ChartModel& Model() const { return model_; }
    // Repaints after the model changed.
    void Refresh();

    // Full scale again; a notice of the changed view when it was zoomed.
    void UndoZoom();
    // Shows the window of values; ignored while zooming is disabled.
    void ZoomTo(const ChartZoom& zoom);
    bool Zoomed() const { return model_.Zoom.has_value(); }

    // The cross-hair: a vertical and a horizontal line across the plot through a pixel of
    // the widget; not drawn while that pixel lies outside the plot.
    void SetCrossHair(const QPointF& pixel);
    void HideCrossHair();
    bool CrossHairVisible() const { return crossHair_.has_value(); }
    std::optional<QPointF> CrossHair() const { return crossHair_; }

    // Layout of the chart at the widget's present size.
    ChartGeometry Geometry() const;

    QSize sizeHint() const override { return QSize(640, 420); }

signals:
    // A click (press and release without a drag) near a point of an active series.
    void PointClicked(int series, qint32 index);
    // The visible range changed (zoom or undo).
    void ViewChanged();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    ChartModel model_;
    std::optional<QPointF> crossHair_;
    bool dragging_ = false;
    QPoint pressAt_;
    QPoint dragTo_;
};
