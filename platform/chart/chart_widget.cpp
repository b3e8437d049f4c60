#include "platform/chart/chart_widget.h"

#include "platform/chart/chart_hit.h"
#include "platform/chart/chart_paint.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace {
// A press and release closer than this (pixels, each way) is a click, not a drag.
constexpr int ClickSlop = 4;
} // namespace

ChartWidget::ChartWidget(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(false);
    setMinimumSize(120, 90);
}

void ChartWidget::Refresh() {
    update();
}

void ChartWidget::UndoZoom() {
    if (!model_.Zoom)
        return;
    model_.Zoom.reset();
    update();
    emit ViewChanged();
}

void ChartWidget::ZoomTo(const ChartZoom& zoom) {
    if (!model_.ZoomEnabled)
        return;
    model_.Zoom = zoom;
    update();
    emit ViewChanged();
}

void ChartWidget::SetCrossHair(const QPointF& pixel) {
    crossHair_ = pixel;
    update();
}

void ChartWidget::HideCrossHair() {
    if (!crossHair_)
        return;
    crossHair_.reset();
    update();
}

ChartGeometry ChartWidget::Geometry() const {
    return ComputeChartGeometry(model_, QRectF(rect()), font(), const_cast<ChartWidget*>(this));
}

void ChartWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setFont(font());
    PaintChart(painter, model_, QRectF(rect()));
    if (!crossHair_ && !dragging_)
        return;
    // What is drawn over the chart stays inside the plot, off the titles and the labels.
    const QRectF plot = Geometry().plot;
    painter.setClipRect(plot);
    if (crossHair_) {
        QPen pen(Qt::black, 0, Qt::DashLine);
        pen.setCosmetic(true);
        painter.setPen(pen);
        painter.drawLine(QPointF(crossHair_->x(), plot.top()),
                         QPointF(crossHair_->x(), plot.bottom()));
        painter.drawLine(QPointF(plot.left(), crossHair_->y()),
                         QPointF(plot.right(), crossHair_->y()));
    }
    if (dragging_) {
        QPen pen(Qt::black, 0, Qt::DotLine);
        pen.setCosmetic(true);
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRect(pressAt_, dragTo_).normalized());
    }
}

void ChartWidget::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return QWidget::mousePressEvent(event);
    pressAt_ = dragTo_ = event->position().toPoint();
    dragging_ = false;
}

void ChartWidget::mouseMoveEvent(QMouseEvent* event) {
    if (!(event->buttons() & Qt::LeftButton))
        return;
    dragTo_ = event->position().toPoint();
    const QPoint moved = dragTo_ - pressAt_;
    if (model_.ZoomEnabled &&
        (dragging_ || std::abs(moved.x()) > ClickSlop || std::abs(moved.y()) > ClickSlop)) {
        dragging_ = true;
        update();
    }
}

void ChartWidget::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return QWidget::mouseReleaseEvent(event);
    const QPoint end = event->position().toPoint();
    const QPoint moved = end - pressAt_;
    const bool wasDragging = dragging_;
    dragging_ = false;
    update();
    if (std::abs(moved.x()) <= ClickSlop && std::abs(moved.y()) <= ClickSlop) {
        // A click on a point never zooms.
        const ChartGeometry g = Geometry();
        if (const auto hit = HitTest(model_, g, QPointF(end)))
            emit PointClicked(hit->series, hit->index);
        return;
    }
    if (!model_.ZoomEnabled || !wasDragging)
        return;
    if (moved.x() < 0 || moved.y() < 0) {
        UndoZoom();
        return;
    }
    const ChartGeometry g = Geometry();
    const QRectF band = QRectF(QPointF(pressAt_), QPointF(end)).normalized().intersected(g.plot);
    if (band.width() < 1 || band.height() < 1)
        return;
    ChartZoom zoom;
    zoom.xMin = g.x.ToValue(band.left());
    zoom.xMax = g.x.ToValue(band.right());
    zoom.yMin = g.y.ToValue(band.bottom());
    zoom.yMax = g.y.ToValue(band.top());
    ZoomTo(zoom);
}
