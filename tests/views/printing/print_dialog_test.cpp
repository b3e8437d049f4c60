// The platform's print dialog as the flags set it up: what it offers the user.
#include "tests/support/tagged_texts.h"
#include "views/printing/print_dialog.h"

#include <QApplication>
#include <QPrintDialog>
#include <QPrinter>
#include <QRadioButton>
#include <QTimer>

#include <gtest/gtest.h>

namespace {
// The page-range choices the dialog lets the user take, read while it is open; the dialog
// is then cancelled.
QStringList PageChoicesOffered(QPrinter& printer, const PrintDialogSetup& setup) {
    QStringList offered;
    QTimer look;
    look.setInterval(10);
    QObject::connect(&look, &QTimer::timeout, [&] {
        for (QWidget* top : QApplication::topLevelWidgets()) {
            auto* dialog = qobject_cast<QPrintDialog*>(top);
            if (!dialog || !dialog->isVisible())
                continue;
            for (const QRadioButton* choice : dialog->findChildren<QRadioButton*>()) {
                if (choice->text().contains(QLatin1String("Page")) && !choice->isHidden() &&
                    choice->isEnabled())
                    offered << choice->text();
            }
            look.stop();
            dialog->reject();
        }
    });
    look.start();
    EXPECT_FALSE(RunPlatformPrintDialog(printer, setup));
    return offered;
}
} // namespace

TEST(PlatformPrintDialog, OffersAPageRangeOnlyWhereTheFlagsAskForOne) {
    TaggedTexts texts;
    struct Case {
        qint32 flags;
        int maxPage;
        bool offered;
    } cases[] = {
        // The data table: no page numbers, with or without a selection.
        {PrintFlags::DisablePrintToFile | PrintFlags::NoPageNums | PrintFlags::NoSelection, 0,
         false},
        {PrintFlags::DisablePrintToFile | PrintFlags::NoPageNums, 0, false},
        // The graph page asks for page numbers.
        {PrintFlags::DisablePrintToFile | PrintFlags::PageNums, 0, true},
    };
    for (const Case& c : cases) {
        QPrinter printer;
        printer.setOutputFormat(QPrinter::PdfFormat);
        // A range left from an earlier print on the same printer.
        printer.setPrintRange(QPrinter::PageRange);
        printer.setFromTo(1, 1);
        const QStringList offered =
            PageChoicesOffered(printer, SetupForFlags(c.flags, 0, c.maxPage, 0, 0));
        EXPECT_EQ(!offered.isEmpty(), c.offered)
            << c.flags << " " << offered.join(u',').toStdString();
    }
}
