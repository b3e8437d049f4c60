#pragma once

#include <QByteArray>
#include <QString>

// How a save ended: written, declined by the user at the question before an existing
// file is replaced, or not written for any other reason (already reported to the user).
enum class SaveOutcome { Saved, Declined, Failed };

// Writes the current data set to a session log. Asks first when the file exists. The file
// is replaced whole or not at all.
SaveOutcome SaveSessionFile(const QString& fileName);
// The same, true when written.
bool SaveFile(const QString& fileName);

// Loads a session log (or, for a name ending in ".csv", a station CSV file) as the current
// data set; true when loaded. The current data set changes only when the whole file was
// read. Reports its own failures.
bool LoadFile(const QString& fileName);

// What LoadFile does once the file was read: makes a session log's bytes the current data
// set, named fileName, or reports why not.
bool LoadSessionBytes(const QByteArray& bytes, const QString& fileName);
