#include "shell/settings/color_box.h"

#include "platform/bgr_color.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

ColorBox::ColorBox(QWidget* parent) : QAbstractButton(parent) {
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
}

void ColorBox::SetColor(quint32 color) {
    color_ = color & 0xFFFFFF;
    update();
}

QSize ColorBox::sizeHint() const {
    return {48, 22};
}

void ColorBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect box = rect().adjusted(2, 2, -3, -3);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.setBrush(BgrColor(color_));
    painter.drawRect(box);
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = rect();
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
}
