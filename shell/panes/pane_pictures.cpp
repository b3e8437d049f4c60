#include "shell/panes/pane_pictures.h"

#include <QPainter>
#include <QPainterPath>

namespace {
QPixmap blank(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

void prepare(QPainter& p, int size) {
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 16.0, size / 16.0);
}

void information(QPainter& p) {
    p.setPen(QPen(QColor(0x1f, 0x4e, 0x9a), 1));
    p.setBrush(QColor(0x5b, 0x8f, 0xd8));
    p.drawEllipse(QRectF(1, 1, 14, 14));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QRectF(7, 3.5, 2, 2));
    p.drawRect(QRectF(7, 6.5, 2, 6));
}

void fine(QPainter& p) {
    p.setPen(QPen(QColor(0x1e, 0x6b, 0x1e), 1));
    p.setBrush(QColor(0x4c, 0xb0, 0x4c));
    p.drawEllipse(QRectF(1, 1, 14, 14));
    QPen tick(Qt::white, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(tick);
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(QPolygonF({QPointF(4.5, 8.5), QPointF(7, 11), QPointF(11.5, 5)}));
}

void attention(QPainter& p) {
    QPainterPath triangle;
    triangle.moveTo(8, 1);
    triangle.lineTo(15, 14.5);
    triangle.lineTo(1, 14.5);
    triangle.closeSubpath();
    p.setPen(QPen(QColor(0x8a, 0x5a, 0x00), 1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(QColor(0xf5, 0xc2, 0x11));
    p.drawPath(triangle);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    p.drawRect(QRectF(7.2, 5, 1.6, 5.5));
    p.drawEllipse(QRectF(7.1, 11.3, 1.8, 1.8));
}
} // namespace

QPixmap WarningPicture(int number, int size) {
    QPixmap pixmap = blank(size);
    QPainter p(&pixmap);
    prepare(p, size);
    switch (number) {
    case 1:
        information(p);
        break;
    case 2:
        fine(p);
        break;
    case 3:
        attention(p);
        break;
    default:
        break;
    }
    return pixmap;
}

QPixmap DataPresentPicture(bool present, int size) {
    // A drum of data: filled when a data set is loaded, an empty outline otherwise.
    QPixmap pixmap = blank(size);
    QPainter p(&pixmap);
    prepare(p, size);
    const QColor edge = present ? QColor(0x1f, 0x4e, 0x9a) : QColor(0x90, 0x90, 0x90);
    p.setPen(QPen(edge, 1));
    p.setBrush(present ? QColor(0x5b, 0x8f, 0xd8) : QColor(0xf0, 0xf0, 0xf0));
    QPainterPath drum;
    drum.addRect(QRectF(2.5, 3.5, 11, 9));
    p.drawPath(drum);
    p.drawEllipse(QRectF(2.5, 1.5, 11, 4));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(2.5, 10.5, 11, 4), 180 * 16, 180 * 16);
    if (present) {
        p.setPen(QPen(Qt::white, 1));
        p.drawLine(QPointF(5, 8), QPointF(11, 8));
        p.drawLine(QPointF(5, 10.5), QPointF(11, 10.5));
    }
    return pixmap;
}

QPixmap SavedPicture(bool saved, int size) {
    // A disk: with a green tick when the data set is on disk, a red cross when it is not.
    QPixmap pixmap = blank(size);
    QPainter p(&pixmap);
    prepare(p, size);
    p.setPen(QPen(QColor(0x40, 0x40, 0x40), 1));
    p.setBrush(QColor(0x70, 0x80, 0x90));
    p.drawRect(QRectF(1.5, 1.5, 11, 11));
    p.setBrush(QColor(0xe8, 0xe8, 0xe8));
    p.drawRect(QRectF(3.5, 1.5, 7, 4));
    p.drawRect(QRectF(3.5, 8, 7, 4.5));
    QPen mark(saved ? QColor(0x2e, 0x8b, 0x2e) : QColor(0xc0, 0x20, 0x20), 2, Qt::SolidLine,
              Qt::RoundCap, Qt::RoundJoin);
    p.setPen(mark);
    if (saved) {
        p.drawPolyline(QPolygonF({QPointF(8.5, 11.5), QPointF(10.5, 13.5), QPointF(14.5, 8.5)}));
    } else {
        p.drawLine(QPointF(9.5, 9.5), QPointF(14.5, 14.5));
        p.drawLine(QPointF(14.5, 9.5), QPointF(9.5, 14.5));
    }
    return pixmap;
}
