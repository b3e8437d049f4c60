// The printing rules that need no printer: page geometry, the page texts, the line that
// shrinks until it fits, the print dialog's page numbers and flags, the job's orientation.
#include "tests/support/language_scope.h"
#include "tests/views/printing/print_fixture.h"
#include "text/date_math.h"
#include "text/display_texts.h"
#include "views/printing/graph_page_layout.h"
#include "views/printing/print_dialog.h"
#include "views/printing/print_graph.h"
#include "views/printing/print_line.h"
#include "views/printing/printer_orientation.h"

#include "platform/trapped_error.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QPageLayout>
#include <QPrintDialog>
#include <QPrinter>

#include <gtest/gtest.h>

TEST(GraphPage, ChartRectanglesOfThePageInPortraitAndLandscape) {
    struct Case {
        const char* what;
        double width, height; // device pixels
        bool landscape;
        ChartPageRect expected;
    } cases[] = {
        // A4 at 600 dots per inch: 11906 x 16838 twips at 2.4 twips a pixel.
        {"A4 600 dpi portrait", 11906 / 2.4, 16838 / 2.4, false, {100, 986, 4861, 5044}},
        {"A4 600 dpi landscape", 16838 / 2.4, 11906 / 2.4, true, {100, 100, 6916, 4861}},
        {"A4 300 dpi portrait", 2480, 3508, false, {100, 530, 2380, 2448}},
        {"Letter 300 dpi landscape", 3300, 2550, true, {100, 100, 3200, 2450}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ChartRectOnPage(c.width, c.height, c.landscape), c.expected) << c.what;
    // The portrait band runs from its top down to h itself.
    const ChartPageRect portrait = ChartRectOnPage(11906 / 2.4, 16838 / 2.4, false);
    EXPECT_EQ(portrait.bottom - portrait.top, 4058);
}

TEST(GraphPage, TheLandscapeChartStaysBetweenTitleAndFooter) {
    // A landscape A4 page at 600 dpi: the title block ends at 280.4 px, the footer begins
    // at 4700.6 px.
    const ChartPageRect r = ChartRectBetween(16838 / 2.4, 11906 / 2.4, true, 280.4, 4700.6);
    EXPECT_EQ(r, (ChartPageRect{100, 281, 6916, 4700}));
    // Portrait keeps its band, which lies well inside.
    EXPECT_EQ(ChartRectBetween(11906 / 2.4, 16838 / 2.4, false, 280, 6900),
              (ChartPageRect{100, 986, 4861, 5044}));
    // A page too small for any chart: an empty rectangle, never an inverted one.
    const ChartPageRect tiny = ChartRectBetween(150, 180, true, 120, 60);
    EXPECT_LE(tiny.top, tiny.bottom);
    EXPECT_LE(tiny.left, tiny.right);
}

TEST(GraphPage, SummaryAndFooterTexts) {
    TaggedTexts texts;
    const QDateTime start = NaiveDateTime(2026, 12, 9, 7, 44, 47);
    const QString when = GeneralDateText(start);
    struct Case {
        const char* unit;
        QString tail;
    } cases[] = {
        {"s", QStringLiteral("T4081 15 T3013 ]")},
        {"n", QStringLiteral("T4081 15 T3012 ]")},
        {"h", QStringLiteral("T4081 15 T3014 ]")},
        {"d", QStringLiteral("T4081 15 T3015 ]")},
        {"x", QStringLiteral(" ]")},
        {"", QStringLiteral(" ]")},
    };
    for (const Case& c : cases)
        EXPECT_EQ(GraphSummaryLine(12345, start, 15, QString::fromLatin1(c.unit)),
                  QStringLiteral("[ 12345 T4031. T4080 ") + when + QStringLiteral(" ") + c.tail)
            << c.unit;
    EXPECT_EQ(GraphSummaryLine(0, start, 1, QStringLiteral("n")).left(5), QStringLiteral("[ 0 T"));
    EXPECT_EQ(FooterVersionText(1, 0, 12), QStringLiteral("Corvanel KL720. SW Rev. 1.0.12"));
    EXPECT_EQ(FooterPrintedText(start), QStringLiteral("T349") + when);
}

TEST(PrintLine, ShrinksUntilTheLineFitsAndPutsTheSizeBack) {
    struct Case {
        const char* what;
        int length;
        double start;
        int align;
        double printedSize; // the size the line was printed in
        double x;
    } cases[] = {
        // 10000 twips wide: a line fits when length x size x 10 + 100 <= 10000.
        {"empty, left", 0, 10, LineAlign::Left, 10, 50},
        {"fits, left", 50, 10, LineAlign::Left, 10, 50},
        {"fits, right", 50, 10, LineAlign::Right, 10, 10000 - 5000 - 50},
        {"fits, centred", 50, 10, LineAlign::Center, 10, 2500},
        {"fits, any other", 50, 10, 3, 10, 0},
        {"too wide, shrinks", 110, 10, LineAlign::Center, 9, (10000 - 9900) / 2.0},
        {"never fits: the smallest size", 400, 10, LineAlign::Right, 4, 10000 - 16000 - 50},
        {"40 points is never made smaller", 100, 40, LineAlign::Left, 40, 50},
    };
    for (const Case& c : cases) {
        FakeSurface s;
        s.size = c.start;
        s.y = 300;
        PrintLine(s, QString(c.length, u'x'), c.align);
        ASSERT_EQ(s.printed.size(), 1u) << c.what;
        EXPECT_EQ(s.printed[0].size, c.printedSize) << c.what;
        EXPECT_EQ(s.printed[0].x, c.x) << c.what;
        EXPECT_EQ(s.printed[0].y, 300) << c.what;
        EXPECT_EQ(s.size, c.start) << c.what;               // the size before
        EXPECT_EQ(s.y, 300 + c.printedSize * 20) << c.what; // on the next line
    }
}

TEST(GraphPage, TitleBlockAndFooterLines) {
    FakeSurface s;
    PrintTitle(s, QStringLiteral("TITLE"), QStringLiteral("summary"));
    ASSERT_EQ(s.printed.size(), 2u);
    EXPECT_EQ(s.printed[0].y, 10);
    EXPECT_EQ(s.printed[0].size, 12);
    EXPECT_TRUE(s.printed[0].bold);
    EXPECT_EQ(s.printed[0].x, (10000 - 5 * 12 * 10) / 2.0);
    EXPECT_EQ(s.printed[1].y, 10 + 12 * 20);
    EXPECT_EQ(s.printed[1].size, 10);
    EXPECT_FALSE(s.printed[1].bold);
    PrintFooter(s, QStringLiteral("left"), QStringLiteral("right"));
    ASSERT_EQ(s.printed.size(), 4u);
    EXPECT_EQ(s.printed[2].y, 15000 - 200); // the last line of the printable area
    EXPECT_EQ(s.printed[3].y, s.printed[2].y);
    EXPECT_EQ(s.printed[2].x, 50);
    EXPECT_EQ(s.printed[3].x, 10000 - 500 - 50);
}

TEST(PrintDialog, SettersKeepThePageNumbersInOrder) {
    struct Step {
        char setter; // m, f, t, x (Min, FromPage, ToPage, Max)
        int value;
        int min, from, to, max;
    };
    const std::vector<std::vector<Step>> scripts = {
        {{'x', 5, 0, 0, 0, 5}, {'f', 7, 0, 7, 7, 7}, {'m', -3, 0, 7, 7, 7}},
        {{'f', 4, 0, 4, 4, 4}, {'t', 0, 0, 0, 0, 4}},
        {{'m', 3, 3, 3, 3, 3}, {'x', 9, 3, 3, 3, 9}, {'t', 6, 3, 3, 6, 9}, {'f', 2, 2, 2, 6, 9}},
        {{'x', 8, 0, 0, 0, 8}, {'t', 8, 0, 0, 8, 8}, {'x', 5, 0, 0, 5, 5}, {'m', 6, 6, 6, 6, 6}},
    };
    for (size_t n = 0; n < scripts.size(); ++n) {
        clsPrintDialog d;
        for (const Step& s : scripts[n]) {
            switch (s.setter) {
            case 'm':
                d.SetMin(s.value);
                break;
            case 'f':
                d.SetFromPage(s.value);
                break;
            case 't':
                d.SetToPage(s.value);
                break;
            default:
                d.SetMax(s.value);
            }
            EXPECT_EQ(d.Min(), s.min) << n << s.setter << s.value;
            EXPECT_EQ(d.FromPage(), s.from) << n << s.setter << s.value;
            EXPECT_EQ(d.ToPage(), s.to) << n << s.setter << s.value;
            EXPECT_EQ(d.Max(), s.max) << n << s.setter << s.value;
        }
    }
}

TEST(PrintDialog, WhatTheFlagsOffer) {
    using Range = PrintDialogSetup::Range;
    struct Case {
        qint32 flags;
        bool selection, pageRange;
        Range range;
    } cases[] = {
        {0x80002, true, true, Range::All},   // the graph page: no page numbers to choose from
        {0x8000C, false, false, Range::All}, // the table with nothing selected
        {0x80008, true, false, Range::All},  // the table with a selection
        {0x80009, true, false, Range::Selection}, {0, true, true, Range::All},
    };
    for (const Case& c : cases) {
        const PrintDialogSetup s = SetupForFlags(c.flags, 0, 0, 0, 0);
        EXPECT_TRUE(s.printToFile) << std::hex << c.flags; // a PDF file stays offered
        EXPECT_EQ(s.selection, c.selection) << std::hex << c.flags;
        EXPECT_EQ(s.pageRange, c.pageRange) << std::hex << c.flags;
        EXPECT_EQ(s.range, c.range) << std::hex << c.flags;
    }
    EXPECT_EQ(SetupForFlags(0x2, 1, 5, 2, 3).range, Range::Pages);
}

TEST(PrintDialog, ConfirmedCancelledAndCancelAsAnError) {
    ScriptedPrintDialog script;
    script.pdf = QStringLiteral("/tmp/unused.pdf");
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QStringLiteral("/tmp/before.pdf"));
    printer.setPageOrientation(QPageLayout::Landscape);

    script.accept = false;
    clsPrintDialog cancelled;
    cancelled.SetFlags(0x80002);
    EXPECT_FALSE(cancelled.ShowPrinter(printer));
    EXPECT_EQ(cancelled.Flags(), 0x80002);
    EXPECT_EQ(printer.outputFileName(), QStringLiteral("/tmp/before.pdf"));
    EXPECT_EQ(printer.pageLayout().orientation(), QPageLayout::Landscape);
    clsPrintDialog raising;
    raising.SetCancelError(true);
    try {
        raising.ShowPrinter(printer);
        ADD_FAILURE() << "no error";
    } catch (const TrappedError& e) {
        EXPECT_EQ(e.Number(), 32755);
        EXPECT_EQ(e.Description(), QStringLiteral("Cancel."));
    }

    script.accept = true;
    script.range = QPrinter::Selection;
    clsPrintDialog selection;
    selection.SetFlags(0x80008);
    ASSERT_TRUE(selection.ShowPrinter(printer));
    EXPECT_EQ(selection.Flags(), 0x80009);
    EXPECT_EQ(script.shown.back().selection, true);
    script.range = QPrinter::AllPages;
    clsPrintDialog whole;
    whole.SetFlags(0x80003);
    ASSERT_TRUE(whole.ShowPrinter(printer));
    EXPECT_EQ(whole.Flags(), 0x80000);
    EXPECT_EQ(printer.outputFileName(), QStringLiteral("/tmp/unused.pdf"));
}

TEST(PrinterOrientation, SetOnThisJobOnly) {
    for (const bool startLandscape : {false, true}) {
        for (const QPrinter::DuplexMode startDuplex :
             {QPrinter::DuplexNone, QPrinter::DuplexLongSide}) {
            QPrinter printer;
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setPageOrientation(startLandscape ? QPageLayout::Landscape
                                                      : QPageLayout::Portrait);
            printer.setDuplex(startDuplex);
            EXPECT_TRUE(SetLandscape(printer));
            EXPECT_EQ(NewOrientation(), 2);
            EXPECT_EQ(printer.pageLayout().orientation(), QPageLayout::Landscape);
            EXPECT_EQ(printer.duplex(), QPrinter::DuplexNone);
            EXPECT_TRUE(SetPortrait(printer));
            EXPECT_TRUE(SetPortrait(printer)); // twice is once
            EXPECT_EQ(NewOrientation(), 1);
            EXPECT_EQ(printer.pageLayout().orientation(), QPageLayout::Portrait);
            EXPECT_EQ(printer.duplex(), QPrinter::DuplexNone);
        }
    }
    // Nothing reached any stored default: a new printer starts as printers do.
    QPrinter fresh;
    EXPECT_EQ(fresh.pageLayout().orientation(), QPageLayout::Portrait);
    // A printer that names no device has nothing to set.
    QPrinter nameless;
    nameless.setOutputFormat(QPrinter::NativeFormat);
    if (nameless.outputFormat() == QPrinter::NativeFormat) {
        nameless.setPrinterName(QString());
        EXPECT_FALSE(SetLandscape(nameless));
    }
    QPrinter pdf;
    pdf.setOutputFormat(QPrinter::PdfFormat);
    EXPECT_FALSE(SetPrinterOrientation(pdf, 1, 3));
}

// Where no printer is installed the dialog's title says the print goes to a PDF file: the
// dialog is wide enough for a window frame to show that title whole, in both languages.
TEST(PrintDialogTitle, IsNeverElidedWhereNoPrinterIsInstalled) {
    EXPECT_EQ(WidthForTitle(500, 300, 20), 500);
    EXPECT_EQ(WidthForTitle(400, 380, 20), 540);
    for (int language : {0, 1}) {
        LanguageScope texts(language);
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        QPrintDialog dialog(&printer);
        PrintDialogSetup setup;
        setup.noPrinter = true;
        PreparePlatformPrintDialog(dialog, setup);
        dialog.show();
        QCoreApplication::processEvents();
        EXPECT_EQ(dialog.windowTitle(), ResString(3761));
        QFont title = dialog.font();
        title.setBold(true);
        const QFontMetrics fm(title);
        EXPECT_GE(dialog.width(), fm.horizontalAdvance(ResString(3761)) + 8 * fm.height())
            << language;
        dialog.hide();
    }
}
