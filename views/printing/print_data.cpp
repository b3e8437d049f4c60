#include "views/printing/print_data.h"

#include "core/error_report.h"
#include "core/language.h"
#include "core/message_box.h"
#include "views/printing/current_printer.h"
#include "views/printing/print_dialog.h"
#include "views/printing/print_file_target.h"
#include "views/printing/printer_orientation.h"
#include "views/table/frm_source.h"
#include "views/table/table_text_box.h"

#include <QAbstractTextDocumentLayout>
#include <QMarginsF>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>

#include <algorithm>
#include <memory>
#include <vector>

namespace {
constexpr qint32 WholeTableFlags =
    PrintFlags::DisablePrintToFile | PrintFlags::NoPageNums | PrintFlags::NoSelection;
constexpr qint32 SelectionFlags = PrintFlags::DisablePrintToFile | PrintFlags::NoPageNums;

// Where each page begins in the laid-out document: a page ends before the first line that
// would not fit on it whole, so no line is ever cut between two pages.
std::vector<double> PageStarts(const QTextDocument& document, double pageHeight) {
    std::vector<double> starts{0};
    const QAbstractTextDocumentLayout* layout = document.documentLayout();
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const QTextLayout* lines = block.layout();
        const double blockTop = layout->blockBoundingRect(block).top();
        for (int i = 0; lines && i < lines->lineCount(); ++i) {
            const QTextLine line = lines->lineAt(i);
            const double top = blockTop + line.y();
            if (top + line.height() - starts.back() > pageHeight && top > starts.back())
                starts.push_back(top);
        }
    }
    return starts;
}

// The pages of a paged document the printer was asked for, counted from 0: all of them, or
// the range chosen in the print dialog.
struct PageSpan {
    size_t first = 0;
    size_t last = 0;
};
PageSpan ChosenPages(const QPrinter& printer, size_t pages) {
    PageSpan span{0, pages - 1};
    if (printer.printRange() == QPrinter::PageRange && printer.fromPage() > 0) {
        span.first = size_t(printer.fromPage() - 1);
        if (printer.toPage() > 0)
            span.last = std::min(span.last, size_t(printer.toPage() - 1));
    }
    return span;
}

// The free border kept around the rows, in device pixels: half an inch on a sheet printed
// edge to edge (a PDF file without page margins), none where the printer's own unprintable
// border or the page margins already keep one.
QMarginsF FreeBorder(const QPrinter& printer) {
    const bool edgeToEdge =
        printer.fullPage() || printer.pageLayout().margins(QPageLayout::Point).isNull();
    if (!edgeToEdge)
        return QMarginsF();
    const double x = printer.logicalDpiX() / 2.0;
    const double y = printer.logicalDpiY() / 2.0;
    return QMarginsF(x, y, x, y);
}
} // namespace

bool PrintTextDocument(QPrinter& chosen, const QTextDocument& document, QString* error) {
    return PrintOnTarget(chosen, error, [&document](QPrinter& printer, QPainter& painter) {
        bool printed = true;
        std::unique_ptr<QTextDocument> pages(document.clone());
        pages->setDefaultFont(document.defaultFont());
        pages->documentLayout()->setPaintDevice(&printer);
        // The layout takes a document margin in screen pixels; the border is kept here, in
        // the printer's own pixels, and on every page alike.
        pages->setDocumentMargin(0);
        const QMarginsF border = FreeBorder(printer);
        const QSizeF page(printer.width() - border.left() - border.right(),
                          printer.height() - border.top() - border.bottom());
        pages->setTextWidth(page.width());
        const std::vector<double> starts = PageStarts(*pages, page.height());
        const PageSpan chosen = ChosenPages(printer, starts.size());
        // Line by line, each on the page it begins: a line is printed once and whole.
        const QAbstractTextDocumentLayout* layout = pages->documentLayout();
        size_t current = 0;
        bool pageStarted = false;
        painter.setPen(Qt::black);
        for (QTextBlock block = pages->begin(); block.isValid() && printed; block = block.next()) {
            const QTextLayout* lines = block.layout();
            const QRectF box = layout->blockBoundingRect(block);
            for (int i = 0; lines && i < lines->lineCount() && printed; ++i) {
                const QTextLine line = lines->lineAt(i);
                const double top = box.top() + line.y();
                size_t lineStart = current;
                while (lineStart + 1 < starts.size() && top >= starts[lineStart + 1])
                    ++lineStart;
                if (lineStart < chosen.first || lineStart > chosen.last) {
                    current = lineStart;
                    continue;
                }
                if (pageStarted && lineStart != current)
                    printed = printer.newPage();
                current = lineStart;
                pageStarted = true;
                if (printed)
                    line.draw(&painter, QPointF(border.left() + box.left(),
                                                border.top() + box.top() - starts[current]));
            }
        }
        return printed;
    });
}

void PrintData() {
    Trapped("PrintData", [] {
        frmSource* window = SourceWindow();
        if (!window)
            return;
        TableTextBox* box = window->txtSource;
        clsPrintDialog dialog;
        dialog.SetFlags(box->HasSelection() ? SelectionFlags : WholeTableFlags);
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
        // The selection alone, or the whole table, in the box's font with the median row
        // marked as the box shows it; the box keeps its selection and caret.
        const bool selected = selection && box->HasSelection();
        const qint32 firstLine = selected ? std::min(box->Anchor(), box->Caret()).line : 0;
        auto copy = std::make_unique<QTextDocument>();
        copy->setDefaultFont(box->font());
        copy->setPlainText(selected ? box->SelectedText() : box->toPlainText());
        const QTextBlock marked = copy->findBlockByNumber(box->MarkedLine() - firstLine);
        if (box->MarkedLine() >= firstLine && marked.isValid()) {
            QTextCursor cursor(marked);
            cursor.setPosition(marked.position() + marked.length() - 1, QTextCursor::KeepAnchor);
            QTextCharFormat format;
            format.setForeground(Qt::red);
            format.setFontWeight(QFont::Bold);
            cursor.mergeCharFormat(format);
        }
        QString failed;
        if (!PrintTextDocument(printer, *copy, &failed))
            MessBox(ResString(3760).arg(failed), QString(), -1, -1);
    });
}
