#pragma once

#include <QString>
#include <QtGlobal>

class QDateTime;

// "RealTime.log": the live readings of one start, in the session-log layout, so that a
// live recording opens like any saved session. Lines 1 to 6 as a session log, except that
// line 2 holds the start time alone, line 3 is " 3s" and line 4, the count, is ten blanks
// without quotes overwritten from its first character by a blank and the count's digits.
// The count is brought up to date after every record, so a log that was never closed (a
// crash, a killed program) still loads with every reading it holds.

inline constexpr const char* RealTimeLogName = "RealTime.log";
// The count field's width: a blank and up to nine digits.
inline constexpr int RealTimeCountWidth = 10;
inline constexpr qint32 RealTimeCountLimit = 999'999'999;

// Where the log is written: the program's writable folder.
QString RealTimeLogPath();

// Creates (or replaces) the log and writes lines 1 to 6: the start time (the clock plus
// 3 s, in whole seconds) and the live readings' identification texts. Also sets the live
// set's start time, step 3 "s" and source "Real Time", first, so that they hold for this
// run even when the log cannot be made. A failure goes to the error report under
// "OpenLastLog" and leaves the log closed; false then.
bool OpenLastLog();
// Writes the count in place and closes the log. Nothing when it is not open.
void CloseLastLog();
bool RealTimeLogOpen();

// Appends one reading's record ("x y z  0") and writes the new count in place. False when
// the record could not be written: the log is then closed, with the count of the records
// that were written, and error holds the reason.
bool AppendRealTimeRecord(float x, float y, float z, QString* error = nullptr);

// The count field's ten bytes for a count: a blank, the digits, blanks to the width.
QByteArray RealTimeCountField(qint32 count);
