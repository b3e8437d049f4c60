#pragma once

#include <QString>

class TableRows;

// Saves the data-table text as shown to a plain-text file: CR LF line ends, UTF-8,
// written whole or not at all (a failed save leaves the previous file as it was). A
// failure goes to the error report under "SalvaDati".
void SalvaDati(const QString& FileName, const TableRows& shown);

// The save button's command: the save dialog (text file or any file, in the folder the
// program writes to), then SalvaDati under the chosen name, which takes ".txt" when the
// text-file kind was chosen and the name has no suffix. A cancelled dialog writes nothing.
void SaveTableTextCommand(const TableRows& shown);
