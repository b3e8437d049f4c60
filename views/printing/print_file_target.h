#pragma once

#include <QString>

#include <functional>
#include <memory>

class QPainter;
class QPrinter;

// A print into a PDF file never leaves a half-written file in place of a good one: the
// document goes to a temporary file beside the one chosen, and Commit puts it in place only
// when it holds the whole document. The PDF writer reports no failed write (a full disk
// leaves a file cut short without a word), so the written file itself is read back; and its
// writer does not recover from one, so each such print has a printer of its own, set up as
// the chosen one. A print on a printer passes untouched.
class PrintFileTarget {
public:
    explicit PrintFileTarget(QPrinter& chosen);
    // A temporary file not put in place is removed.
    ~PrintFileTarget();
    PrintFileTarget(const PrintFileTarget&) = delete;
    PrintFileTarget& operator=(const PrintFileTarget&) = delete;

    // What to print on: the chosen printer, or for a PDF file the job's own.
    QPrinter& Printer() { return job_ ? *job_ : chosen_; }
    // False when no temporary file could be made beside the chosen one: nothing can print.
    bool Ready() const { return ready_; }
    // After the document was ended: true when it was whole and now stands under the chosen
    // name (always, for a printer); false when it was not, and then an earlier file of that
    // name is kept as it was.
    bool Commit();

private:
    QPrinter& chosen_;
    std::unique_ptr<QPrinter> job_;
    QString target_;  // the chosen file, empty for a printer
    QString written_; // the temporary file the job writes
    bool ready_ = true;
};

// Prints one document on the chosen printer through its target: paint draws the pages and
// returns false when a page could not be started. True when the whole document was made
// (and for a file, stands under the chosen name); otherwise false, with the printer's or the
// file's name in *error and an earlier file of that name kept as it was. What paint throws
// abandons the document and is passed on.
bool PrintOnTarget(QPrinter& chosen, QString* error,
                   const std::function<bool(QPrinter&, QPainter&)>& paint);
