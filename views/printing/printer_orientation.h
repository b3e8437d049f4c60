#pragma once

#include <QtGlobal>

class QPrinter;

// Orientation and double-sided printing of one print job, set on that job's printer only:
// the platform's stored printer settings, which other programs and later prints see, are
// never changed.

namespace PrintOrientation {
constexpr qint16 Portrait = 1;
constexpr qint16 Landscape = 2;
} // namespace PrintOrientation
namespace PrintDuplex {
constexpr qint32 Simplex = 1;
constexpr qint32 Vertical = 2;
constexpr qint32 Horizontal = 3;
} // namespace PrintDuplex

// The last orientation SetLandscape or SetPortrait asked for (2 or 1; 0 before either).
qint16& NewOrientation();

// Sets the duplex mode and the orientation (1 portrait, 2 landscape) on printer. False when
// the printer names no device to print on, or refuses either setting.
bool SetPrinterOrientation(QPrinter& printer, qint32 duplex, qint16 orientation);
// Landscape, or portrait, and single-sided.
bool SetLandscape(QPrinter& printer);
bool SetPortrait(QPrinter& printer);
