#include "views/printing/print_data.h"

#include "core/error_report.h"
#include "core/language.h"
#include "core/message_box.h"
#include "views/printing/current_printer.h"
#include "views/printing/print_dialog.h"
#include "views/printing/printer_orientation.h"
#include "views/table/frm_source.h"
#include "views/table/table_text_box.h"

#include <QAbstractTextDocumentLayout>
#include <QDir>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>

#include <memory>

namespace {
constexpr qint32 WholeTableFlags =
    PrintFlags::DisablePrintToFile | PrintFlags::NoPageNums | PrintFlags::NoSelection;
constexpr qint32 SelectionFlags = PrintFlags::DisablePrintToFile | PrintFlags::NoPageNums;

QString TargetName(const QPrinter& printer) {
    if (printer.outputFormat() == QPrinter::PdfFormat)
        return QDir::toNativeSeparators(printer.outputFileName());
    return printer.printerName();
}
} // namespace

bool PrintTextDocument(QPrinter& printer, const QTextDocument& document, QString* error) {
    QPainter painter;
    if (!painter.begin(&printer)) {
        if (error)
            *error = TargetName(printer);
        return false;
    }
    bool printed = true;
    try {
        std::unique_ptr<QTextDocument> pages(document.clone());
        pages->setDefaultFont(document.defaultFont());
        pages->documentLayout()->setPaintDevice(&printer);
        pages->setDocumentMargin(0);
        const QSizeF page(printer.width(), printer.height());
        pages->setPageSize(page);
        const int count = std::max(1, pages->pageCount());
        for (int p = 0; p < count && printed; ++p) {
            if (p > 0 && !printer.newPage()) {
                printed = false;
                break;
            }
            painter.save();
            const QRectF shown(0, p * page.height(), page.width(), page.height());
            painter.translate(0, -shown.top());
            painter.setClipRect(shown);
            QAbstractTextDocumentLayout::PaintContext context;
            context.clip = shown;
            context.palette.setColor(QPalette::Text, Qt::black);
            pages->documentLayout()->draw(&painter, context);
            painter.restore();
        }
    } catch (...) {
        printer.abort();
        painter.end();
        throw;
    }
    if (!printed) {
        printer.abort();
        painter.end();
    } else if (!painter.end() || printer.printerState() == QPrinter::Error) {
        printed = false;
    }
    if (!printed && error)
        *error = TargetName(printer);
    return printed;
}

void PrintData() {
    Trapped("PrintData", [] {
        frmSource* window = SourceWindow();
        if (!window)
            return;
        TableTextBox* box = window->txtSource;
        const QTextCursor caret = box->textCursor();
        clsPrintDialog dialog;
        dialog.SetFlags(caret.hasSelection() ? SelectionFlags : WholeTableFlags);
        QPrinter& printer = CurrentPrinter();
        if (!dialog.ShowPrinter(printer))
            return;
        const bool selection = (dialog.Flags() & PrintFlags::Selection) != 0;
        const bool oriented = printer.pageLayout().orientation() == QPageLayout::Landscape
                                  ? SetLandscape(printer)
                                  : SetPortrait(printer);
        if (!oriented) {
            MessBox(ResString(16), QString(), -1, -1);
            return;
        }
        // The selection is printed from a copy: the box keeps its selection and caret.
        std::unique_ptr<QTextDocument> selected;
        const QTextDocument* printed = box->document();
        if (selection && caret.hasSelection()) {
            selected = std::make_unique<QTextDocument>();
            QTextCursor(selected.get()).insertFragment(caret.selection());
            printed = selected.get();
        }
        std::unique_ptr<QTextDocument> copy(printed->clone());
        copy->setDefaultFont(box->font());
        QString failed;
        if (!PrintTextDocument(printer, *copy, &failed))
            MessBox(ResString(3760).arg(failed), QString(), 2, 1);
    });
}
