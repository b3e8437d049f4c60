#pragma once

#include <QByteArray>
#include <QString>

inline constexpr const char* ReportFileName = "tmp.dat";

// The report file the table text passes through on its way to the window, in the
// program's writable folder.
QString ReportFilePath();

// Writes the text to the report file (replacing an old one whole), reads it back and
// deletes the file; the text read back. A failure raises an error and leaves no report
// file behind.
QByteArray PassThroughReportFile(const QByteArray& text);
