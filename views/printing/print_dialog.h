#pragma once

#include <QString>
#include <QtGlobal>

#include <functional>

class QPrintDialog;
class QPrinter;

// The print dialog's flags, with the values the platform gave them.
namespace PrintFlags {
constexpr qint32 Selection = 0x1;   // the selection is (to be) printed
constexpr qint32 PageNums = 0x2;    // a page range is (to be) printed
constexpr qint32 NoSelection = 0x4; // no selection to offer
constexpr qint32 NoPageNums = 0x8;  // no page range to offer
constexpr qint32 DisablePrintToFile = 0x80000;
} // namespace PrintFlags

// What the dialog offers and starts from, worked out from the flags and the page numbers.
struct PrintDialogSetup {
    bool printToFile = true; // printing into a PDF file
    bool selection = false;  // "selection" may be chosen
    bool pageRange = false;  // a page range may be chosen
    enum class Range { All, Selection, Pages } range = Range::All;
    int minPage = 0;
    int maxPage = 0;
    int fromPage = 0;
    int toPage = 0;
    // No printer is installed: a PDF file is the one target, and the dialog says so.
    bool noPrinter = false;
};

// The setup for the flags. Printing to a PDF file stays offered whatever the flags say: on
// many machines it is the only way to print at all.
PrintDialogSetup SetupForFlags(qint32 flags, int minPage, int maxPage, int fromPage, int toPage);

// Shows the print dialog for a printer; true when the user confirmed, and then the printer
// carries the choices (printer, copies, duplex, orientation, range). A cancelled dialog
// leaves the printer as it was. Tests replace it; unset, the platform's dialog runs.
using PrintDialogRunner = std::function<bool(QPrinter& printer, const PrintDialogSetup& setup)>;
void SetPrintDialogRunner(PrintDialogRunner runner);
// The platform's dialog (QPrintDialog).
bool RunPlatformPrintDialog(QPrinter& printer, const PrintDialogSetup& setup);
// The platform's dialog set up for the setup, not yet shown.
void PreparePlatformPrintDialog(QPrintDialog& dialog, const PrintDialogSetup& setup);

// The width a dialog needs so that a window frame shows its whole title: the title's own
// width and room for the frame's icon and buttons, about eight title heights; never less
// than the dialog's own width.
int WidthForTitle(int dialogWidth, int titleWidth, int titleHeight);

// The print dialog for one print: the flags and page numbers it is shown with, and after a
// confirmed dialog the flags and range it returned. The setters keep
// Min <= FromPage <= ToPage <= Max, each at least 0.
class clsPrintDialog {
public:
    qint32 Flags() const { return flags_; }
    void SetFlags(qint32 flags) { flags_ = flags; }
    bool CancelError() const { return cancelError_; }
    void SetCancelError(bool cancelError) { cancelError_ = cancelError; }
    int Min() const { return min_; }
    void SetMin(int value);
    int FromPage() const { return from_; }
    void SetFromPage(int value);
    int ToPage() const { return to_; }
    void SetToPage(int value);
    int Max() const { return max_; }
    void SetMax(int value);

    // Shows the dialog on printer. Confirmed: the returned range goes into Flags (Selection,
    // PageNums), FromPage and ToPage (stored as returned), and true. Cancelled: false, or
    // the error 32755 "Cancel." when CancelError is set; the printer is not changed.
    bool ShowPrinter(QPrinter& printer);

private:
    qint32 flags_ = 0;
    bool cancelError_ = false;
    int min_ = 0;
    int from_ = 0;
    int to_ = 0;
    int max_ = 0;
};
