#pragma once

#include <QString>
#include <QtGlobal>

// What the user is told when a file could not be written: its name and what happened, the
// disk full where its folder has no room left for what was still to be written, else that
// it could not be written, with the system's reason when the system gives one. Every save
// writes a new file and puts it in place whole, so an earlier file of that name is kept, and
// the text says so.
QString WriteFailureText(const QString& fileName, qint64 bytesLeft, const QString& reason);

// True when the folder of fileName has less room left than bytes (at least one byte).
bool NoRoomFor(const QString& fileName, qint64 bytes);
