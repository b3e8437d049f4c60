#pragma once

#include <QByteArray>
#include <QString>

// Writes the current data set to a session log; true when written. Asks first when the
// file exists. The file is replaced whole or not at all.
bool SaveFile(const QString& fileName);

// Loads a session log (or, for a name ending in ".csv", a station CSV file) as the current
// data set; true when loaded. The current data set changes only when the whole file was
// read. Reports its own failures.
bool LoadFile(const QString& fileName);

// What LoadFile does once the file was read: makes a session log's bytes the current data
// set, named fileName, or reports why not.
bool LoadSessionBytes(const QByteArray& bytes, const QString& fileName);
