#include "views/printing/current_printer.h"

#include "platform/paths.h"

#include <QDir>
#include <QPrinter>

#include <memory>

namespace {
std::unique_ptr<QPrinter>& printer() {
    static std::unique_ptr<QPrinter> current;
    return current;
}
} // namespace

QPrinter& CurrentPrinter() {
    if (!printer()) {
        printer() = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer()->setFullPage(false);
    }
    QPrinter& p = *printer();
    if (p.outputFormat() == QPrinter::PdfFormat && p.outputFileName().isEmpty())
        p.setOutputFileName(QDir(WritableFolder()).filePath(QStringLiteral("Corvanel.pdf")));
    return p;
}

void ResetCurrentPrinter() {
    printer().reset();
}

QString PrintTargetName(const QPrinter& printer) {
    if (printer.outputFormat() == QPrinter::PdfFormat)
        return QDir::toNativeSeparators(printer.outputFileName());
    return printer.printerName();
}
