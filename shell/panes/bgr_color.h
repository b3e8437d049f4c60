#pragma once

#include <QColor>
#include <QtGlobal>

// Colours are kept as Windows BGR values: red in the low byte, blue in the third.
inline QColor BgrColor(quint32 bgr) {
    return QColor(static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF),
                  static_cast<int>((bgr >> 16) & 0xFF));
}
