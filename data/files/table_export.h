#pragma once

#include "data/dataset.h"

#include <QByteArray>
#include <QLocale>
#include <QString>

// The two one-way exports of a data set for other programs. One line per sample, each
// ended by CR LF; the sample's time is its date and time text in the locale (short date,
// a blank, long time; midnight shows its time). Numbers carry the locale's decimal
// separator.

// The tab-separated table: the time, then x with "#0.00" and y, z and the resultant with
// "  #0.00", each left-padded with blanks to 8 characters, separated by one tab.
QByteArray TabTableBytes(const DataSet& data, const QLocale& locale = QLocale::system());
// The ";"-separated CSV file: four header lines (title, the two identification texts and
// the data source), the column titles, then the time and x, y, z and the resultant with
// "#.0000"; every line ends in ";".
QByteArray CsvFileBytes(const DataSet& data, const QLocale& locale = QLocale::system());

// Write the current data set to the file, replacing it whole or not at all (a failed
// export leaves the previous file as it was); true when written. A failure goes to the
// error report under the function's name.
bool SaveFileTxt(const QString& FileName);
bool SaveCsvFile(const QString& FileName);
// Kind 1 writes the CSV file, any other kind the tab-separated table.
bool SaveTableFile(const QString& FileName, int Kind);
