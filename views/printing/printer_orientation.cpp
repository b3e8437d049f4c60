#include "views/printing/printer_orientation.h"

#include <QPageLayout>
#include <QPrinter>

qint16& NewOrientation() {
    static qint16 orientation = 0;
    return orientation;
}

bool SetPrinterOrientation(QPrinter& printer, qint32 duplex, qint16 orientation) {
    if (printer.outputFormat() == QPrinter::NativeFormat && printer.printerName().isEmpty())
        return false;
    QPrinter::DuplexMode mode = QPrinter::DuplexNone;
    switch (duplex) {
    case PrintDuplex::Simplex:
        mode = QPrinter::DuplexNone;
        break;
    case PrintDuplex::Vertical:
        mode = QPrinter::DuplexLongSide;
        break;
    case PrintDuplex::Horizontal:
        mode = QPrinter::DuplexShortSide;
        break;
    default:
        return false;
    }
    if (orientation != PrintOrientation::Portrait && orientation != PrintOrientation::Landscape)
        return false;
    printer.setDuplex(mode);
    return printer.setPageOrientation(orientation == PrintOrientation::Landscape
                                          ? QPageLayout::Landscape
                                          : QPageLayout::Portrait);
}

bool SetLandscape(QPrinter& printer) {
    NewOrientation() = PrintOrientation::Landscape;
    return SetPrinterOrientation(printer, PrintDuplex::Simplex, NewOrientation());
}

bool SetPortrait(QPrinter& printer) {
    NewOrientation() = PrintOrientation::Portrait;
    return SetPrinterOrientation(printer, PrintDuplex::Simplex, NewOrientation());
}
