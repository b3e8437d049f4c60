#pragma once

#include <QString>

class QPrinter;
class QTextDocument;

// Prints a text document on printer page after page, in the document's own fonts and
// colours, paged to the printable area (half an inch free on every side of every page where
// the page has no margins), the pages chosen in the print dialog alone when a range was
// chosen. True when the whole document went to the printer; false with the reason when the
// print could not start or a page failed, and then the job is abandoned, never left half
// queued; a PDF file of that name is replaced only by a whole document.
bool PrintTextDocument(QPrinter& printer, const QTextDocument& document, QString* error = nullptr);

// The data table's print button: the print dialog (the selection offered when text is
// selected), the orientation chosen there set on this job with single-sided printing, then
// the whole table or its selection, paged. The table's selection and caret stay as they
// were. Errors go to the error report under "PrintData".
void PrintData();
