#pragma once

#include <QColor>
#include <QtGlobal>

// Colours are kept as Windows BGR values (the options record's colours, the panes' and the
// monitoring state's): red in the low byte, then green, then blue.
inline QColor BgrColor(quint32 bgr) {
    return QColor(static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF),
                  static_cast<int>((bgr >> 16) & 0xFF));
}

// A colour as the options record and the panes keep it.
inline quint32 BgrValue(const QColor& color) {
    const QColor rgb = color.toRgb();
    return static_cast<quint32>(rgb.red()) | static_cast<quint32>(rgb.green()) << 8 |
           static_cast<quint32>(rgb.blue()) << 16;
}
