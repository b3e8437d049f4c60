#pragma once

class QPrinter;
class QString;

// The program's printer for the whole run: the printer, copies, duplex and orientation the
// user chose in the print dialog stay for the next print. Where no printer is installed it
// prints into a PDF file, named in the writable folder until the user names another.
QPrinter& CurrentPrinter();
// Forgets the choices (tests).
void ResetCurrentPrinter();
// What a print on printer goes to, for a message about it: the PDF file or the printer.
QString PrintTargetName(const QPrinter& printer);
