#pragma once

#include "platform/file_filter.h"
#include "platform/ui_services.h"

#include <QString>

// The open, save and export dialogs of the toolbar commands: their titles, filters, initial
// folder and preset name.

// The preset file name: the text after the last separator of the trimmed last folder, when
// a file of that name is found; else empty.
QString PresetFileName(const QString& trimmedFolder);

// The folder part of a file name: up to and including its last separator.
QString FolderPart(const QString& fileName);

// Options().LastFolder trimmed, and the folder a command stores there.
QString LastFolder();
void StoreLastFolder(const QString& folder);

// The three dialogs, set up from the language texts and the last folder.
FileDialogRequest OpenSessionDialog();
FileDialogRequest SaveSessionDialog();
FileDialogRequest ExportDialog();
