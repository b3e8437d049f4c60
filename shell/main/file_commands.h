#pragma once

// The toolbar's file commands: open, save and export a session, and open a recent file.
// Each shows its dialog, stores the chosen folder, hands the work to the files subsystem
// and tells the user of a failure. True when a data set was loaded (the caller then
// reopens the views).

bool OpenSessionCommand();
bool SaveSessionCommand();
bool ExportCommand();
// Loads the file of recent-files slot 1..4; a failed load changes neither the list nor
// the views.
bool OpenRecentFileCommand(int slot);

// Tells the user that a command's work is not built yet; always false.
bool CommandNotAvailable();
