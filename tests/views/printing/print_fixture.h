#pragma once

#include "data/dataset.h"
#include "tests/support/tagged_texts.h"
#include "views/printing/print_dialog.h"
#include "views/printing/print_surface.h"

#include <QMarginsF>
#include <QPageLayout>
#include <QPrinter>
#include <QRectF>
#include <QString>

#include <optional>
#include <vector>

// The print dialog answered by a script: confirmed, it sends the print into a PDF file with
// the orientation and range asked for; cancelled, it touches nothing. Installed for its
// lifetime; the program's printer starts afresh before and after.
class ScriptedPrintDialog {
public:
    ScriptedPrintDialog();
    ~ScriptedPrintDialog();

    bool accept = true;
    QString pdf;
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
    QPrinter::PrintRange range = QPrinter::AllPages;
    int fromPage = 0; // with range PageRange
    int toPage = 0;
    // The page's margins in points, as the page set-up gives them (none: the printer's own).
    std::optional<QMarginsF> margins;
    std::vector<PrintDialogSetup> shown;
};

// A surface with fixed metrics: a text is its length x font size x 10 twips wide and the
// size x 20 twips high; sizes below the smallest are not taken.
class FakeSurface : public PrintSurface {
public:
    double width = 10000;
    double height = 15000;
    double size = 10;
    double smallest = 4;
    bool bold = false;
    double x = 0;
    double y = 0;
    struct Printed {
        QString text;
        double x, y, size;
        bool bold;
    };
    std::vector<Printed> printed;

    double ScaleWidth() const override { return width; }
    double ScaleHeight() const override { return height; }
    double FontSize() const override { return size; }
    void SetFontSize(double points) override {
        if (points >= smallest)
            size = points;
    }
    void SetFontBold(bool b) override { bold = b; }
    double CurrentX() const override { return x; }
    void SetCurrentX(double twips) override { x = twips; }
    double CurrentY() const override { return y; }
    void SetCurrentY(double twips) override { y = twips; }
    double TextWidth(const QString& text) const override { return text.size() * size * 10; }
    double TextHeight(const QString&) const override { return size * 20; }
    void PrintText(const QString& text) override {
        printed.push_back({text, x, y, size, bold});
        y += size * 20;
        x = 0;
    }
};

// A downloaded data set of count samples, one a minute from 9 December 2026 07:44:47, its
// statistics computed.
DataSet PrintedSamples(qint32 count);

// The text of a PDF file through pdftotext, pages separated by form feeds; nothing when
// the tool is not installed.
std::optional<QString> PdfText(const QString& path);
// Where pdftotext finds each word, page by page, in points from the page's top left corner;
// nothing when the tool is not installed.
struct PdfPageWords {
    QSizeF size;
    std::vector<QRectF> words;
};
std::optional<std::vector<PdfPageWords>> PdfWords(const QString& path);
// Pages and the first page's size in points, read from the PDF's own objects.
int PdfPageCount(const QString& path);
QSizeF PdfPageSize(const QString& path);
