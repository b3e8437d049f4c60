#pragma once

#include "data/dataset.h"
#include "tests/support/tagged_texts.h"
#include "views/printing/print_dialog.h"
#include "views/printing/print_surface.h"

#include <QPageLayout>
#include <QPrinter>
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
// Pages and the first page's size in points, read from the PDF's own objects.
int PdfPageCount(const QString& path);
QSizeF PdfPageSize(const QString& path);
