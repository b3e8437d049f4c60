#include "views/printing/print_dialog.h"

#include "core/language.h"
#include "platform/trapped_error.h"

#include <QFontMetrics>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

#include <algorithm>

namespace {
PrintDialogRunner& runner() {
    static PrintDialogRunner installed;
    return installed;
}

constexpr int CancelErrorNumber = 32755;

int NotBelowZero(int value) {
    return value < 1 ? 0 : value;
}
} // namespace

PrintDialogSetup SetupForFlags(qint32 flags, int minPage, int maxPage, int fromPage, int toPage) {
    PrintDialogSetup setup;
    setup.printToFile = true;
    setup.selection = (flags & PrintFlags::NoSelection) == 0;
    setup.pageRange = (flags & PrintFlags::NoPageNums) == 0;
    if ((flags & PrintFlags::Selection) && setup.selection)
        setup.range = PrintDialogSetup::Range::Selection;
    else if ((flags & PrintFlags::PageNums) && setup.pageRange && maxPage > 0)
        setup.range = PrintDialogSetup::Range::Pages;
    setup.minPage = minPage;
    setup.maxPage = maxPage;
    setup.fromPage = fromPage;
    setup.toPage = toPage;
    return setup;
}

void SetPrintDialogRunner(PrintDialogRunner installed) {
    runner() = std::move(installed);
}

int WidthForTitle(int dialogWidth, int titleWidth, int titleHeight) {
    return std::max(dialogWidth, titleWidth + 8 * titleHeight);
}

namespace {
// Qt's own dialog on this platform keeps its page-range choices ("Pages from ... to") on
// offer whatever its option says; where no range may be chosen they go.
void OfferNoPageRange(QPrintDialog& dialog) {
    static const char* const choices[] = {"printRange", "from", "to", "pagesRadioButton",
                                          "pagesLineEdit"};
    for (const char* name : choices) {
        if (QWidget* choice = dialog.findChild<QWidget*>(QLatin1String(name))) {
            choice->setEnabled(false);
            choice->hide();
        }
    }
}
} // namespace

bool RunPlatformPrintDialog(QPrinter& printer, const PrintDialogSetup& setup) {
    QPrintDialog dialog(&printer);
    PreparePlatformPrintDialog(dialog, setup);
    return dialog.exec() == QDialog::Accepted;
}

void PreparePlatformPrintDialog(QPrintDialog& dialog, const PrintDialogSetup& setup) {
    dialog.setOption(QAbstractPrintDialog::PrintToFile, setup.printToFile);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, setup.selection);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, setup.pageRange);
    if (!setup.pageRange)
        OfferNoPageRange(dialog);
    dialog.setOption(QAbstractPrintDialog::PrintCollateCopies, true);
    if (setup.maxPage > 0)
        dialog.setMinMax(std::max(1, setup.minPage), setup.maxPage);
    switch (setup.range) {
    case PrintDialogSetup::Range::Selection:
        dialog.setPrintRange(QAbstractPrintDialog::Selection);
        break;
    case PrintDialogSetup::Range::Pages:
        dialog.setPrintRange(QAbstractPrintDialog::PageRange);
        if (setup.fromPage > 0)
            dialog.setFromTo(setup.fromPage, std::max(setup.fromPage, setup.toPage));
        break;
    case PrintDialogSetup::Range::All:
        dialog.setPrintRange(QAbstractPrintDialog::AllPages);
        break;
    }
    if (setup.noPrinter) {
        dialog.setWindowTitle(ResString(3761));
        // The title says where the print goes: the frame shows it whole, in either language.
        QFont title = dialog.font();
        title.setBold(true);
        const QFontMetrics fm(title);
        dialog.setMinimumWidth(WidthForTitle(
            dialog.sizeHint().width(), fm.horizontalAdvance(dialog.windowTitle()), fm.height()));
    }
}

void clsPrintDialog::SetMin(int value) {
    const int v = NotBelowZero(value);
    min_ = v;
    from_ = std::max(from_, v);
    to_ = std::max(to_, v);
    max_ = std::max(max_, v);
}

void clsPrintDialog::SetFromPage(int value) {
    const int v = NotBelowZero(value);
    from_ = v;
    to_ = std::max(to_, v);
    max_ = std::max(max_, v);
    min_ = std::min(min_, v);
}

void clsPrintDialog::SetToPage(int value) {
    const int v = NotBelowZero(value);
    to_ = v;
    max_ = std::max(max_, v);
    from_ = std::min(from_, v);
    min_ = std::min(min_, v);
}

void clsPrintDialog::SetMax(int value) {
    const int v = NotBelowZero(value);
    max_ = v;
    to_ = std::min(to_, v);
    from_ = std::min(from_, v);
    min_ = std::min(min_, v);
}

bool clsPrintDialog::ShowPrinter(QPrinter& printer) {
    PrintDialogSetup setup = SetupForFlags(flags_, min_, max_, from_, to_);
    setup.noPrinter = QPrinterInfo::availablePrinters().isEmpty();
    const bool confirmed =
        runner() ? runner()(printer, setup) : RunPlatformPrintDialog(printer, setup);
    if (!confirmed) {
        if (cancelError_)
            RaiseError(CancelErrorNumber, QStringLiteral("Cancel."));
        return false;
    }
    flags_ &= ~(PrintFlags::Selection | PrintFlags::PageNums);
    if (printer.printRange() == QPrinter::Selection)
        flags_ |= PrintFlags::Selection;
    else if (printer.printRange() == QPrinter::PageRange)
        flags_ |= PrintFlags::PageNums;
    from_ = printer.fromPage();
    to_ = printer.toPage();
    return true;
}
