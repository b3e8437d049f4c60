#pragma once

#include <QColor>
#include <QtGlobal>

// A colour of the options record (red in the low byte, then green, then blue).
inline QColor OptionColor(quint32 rgb) {
    return QColor(static_cast<int>(rgb & 0xFF), static_cast<int>((rgb >> 8) & 0xFF),
                  static_cast<int>((rgb >> 16) & 0xFF));
}
