#include "views/realtime/vector_drawing.h"

#include <QPaintEvent>
#include <QPainter>

namespace {
const QColor VectorColour(0xC0, 0, 0);
const QColor ConstructionColour(0x80, 0x80, 0x80);
} // namespace

VectorDrawing::VectorDrawing(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void VectorDrawing::SetAxes(const AxesScene& axes, const QColor& colour) {
    axes_ = axes;
    colour_ = colour;
    paintAxes();
    update();
}

void VectorDrawing::SetVector(const VectorScene& vector) {
    const QRect before = hasVector_ ? covered(vector_) : rect();
    vector_ = vector;
    hasVector_ = true;
    update(before.united(covered(vector_)));
}

QRect VectorDrawing::covered(const VectorScene& v) const {
    QRectF area = QRectF(v.Vector.p1(), v.Vector.p2()).normalized();
    for (const QLineF& l : {v.XProiez, v.YProiez, v.ZProiez})
        area = area.united(QRectF(l.p1(), l.p2()).normalized());
    const int m = TipRadius + 2;
    return area.toAlignedRect().adjusted(-m, -m, m, m);
}

void VectorDrawing::resizeEvent(QResizeEvent*) {
    paintAxes();
}

void VectorDrawing::paintAxes() {
    if (width() <= 0 || height() <= 0)
        return;
    axesPicture_ = QPixmap(size());
    axesPicture_.fill(Qt::white);
    QPainter p(&axesPicture_);
    p.setPen(QPen(colour_, 1));
    for (const auto* lines : {&axes_.Axes, &axes_.Heads, &axes_.Ticks})
        for (const QLineF& l : *lines)
            p.drawLine(l);
    const QRect big(0, 0, 40, 20);
    p.drawText(big.translated(axes_.ZLabel.toPoint()), Qt::AlignLeft | Qt::AlignTop,
               QStringLiteral("z"));
    p.drawText(big.translated(axes_.XLabel.toPoint()), Qt::AlignLeft | Qt::AlignTop,
               QStringLiteral("x"));
    p.drawText(big.translated(axes_.YLabel.toPoint()), Qt::AlignLeft | Qt::AlignTop,
               QStringLiteral("y"));
}

void VectorDrawing::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    if (!axesPicture_.isNull())
        p.drawPixmap(event->rect(), axesPicture_, event->rect());
    else
        p.fillRect(event->rect(), Qt::white);
    if (!hasVector_)
        return;
    p.setClipRect(rect());
    p.setPen(QPen(ConstructionColour, 1, Qt::DashLine));
    p.drawLine(vector_.XProiez);
    p.drawLine(vector_.YProiez);
    p.drawLine(vector_.ZProiez);
    p.setPen(QPen(VectorColour, 2));
    p.drawLine(vector_.Vector);
    p.setPen(Qt::NoPen);
    p.setBrush(VectorColour);
    p.drawEllipse(vector_.Tip, TipRadius, TipRadius);
}
