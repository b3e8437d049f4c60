#pragma once

#include <QPixmap>
#include <QString>

// The about box's and the credits window's own pictures, drawn at that size.
QPixmap AboutPicture(const QString& name, int size, qreal devicePixelRatio = 1.0);
