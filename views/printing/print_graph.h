#pragma once

#include <QFont>
#include <QString>

class ChartModel;
class PrintSurface;
class QPrinter;

// The texts of a graph page beside its title.
struct GraphPageTexts {
    QString summary;     // the data set's one-line summary under the title
    QString footerLeft;  // the program's version
    QString footerRight; // the print date and time
};

// The texts for the current data set, printed now.
GraphPageTexts CurrentGraphPageTexts();

// The title block: the title centred in 12 point bold 10 twips from the top, the summary
// centred under it in 10 point.
void PrintTitle(PrintSurface& surface, const QString& title, const QString& summary);
// The footer on the last line of the printable area: the version at the left, the print
// date and time at the right of the same line.
void PrintFooter(PrintSurface& surface, const QString& left, const QString& right);

// Prints one graph page on printer: the title block, the chart drawn by the chart's one paint
// routine between the title and the footer, and the footer. True when the page went to the
// printer; false with the reason when the print could not start or failed, and then no
// half document is left behind: a PDF file of that name is replaced only by a whole one. The chart
// on the screen is not touched.
bool PrintGraphPage(QPrinter& printer, const QString& title, const ChartModel& chart,
                    const QFont& chartFont, const GraphPageTexts& texts, QString* error = nullptr);

// The graph windows' print button: the page of the chart of kind "TE" (time evolution),
// "ST" (statistics) or "RF" (the RF graph), after the print dialog. Nothing for a window
// that is not loaded or another kind; a cancelled dialog prints nothing and says nothing;
// a print that fails is reported.
void PrintGraph(const QString& title, const QString& kind);
