#pragma once

#include <QString>

class TableRows;

inline constexpr const char* ReportFileName = "tmp.dat";

// The report file the table text passes through on its way to the window, in the
// program's writable folder.
QString ReportFilePath();

// Writes the table's text to the report file (replacing an old one whole), straight from
// its rows, and deletes the file again. A failure raises an error and leaves no report file
// behind.
void PassThroughReportFile(const TableRows& rows);
