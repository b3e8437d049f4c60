#pragma once

#include "data/files/session_file.h"
#include "platform/ui_services.h"

#include <QString>

#include <functional>

// The question before an unsaved data set is replaced or let go.

// Every load, download and import asks this before it replaces the current data set (the
// file open dialog, the recent files, the command line, the download, the station import,
// the block download). When the data set was never saved it asks as the shutdown does
// (text 31, a question with Yes, No and Cancel): Yes saves first through the save dialog,
// No goes on. False when the data set is to stay as it is (Cancel, the save dialog
// cancelled, the save failed): the caller then replaces nothing.
bool MayReplaceCurrentData();

// The question itself, for the loaders above and the shutdown: asks while the data set is
// present and unsaved; save writes the file chosen in the save dialog. True once the data
// set is saved or the user answered No. With cancellable, false for Cancel, a cancelled
// save dialog and a save that failed (after text 8): everything stays as it was. Without
// (the program ends whatever the answer), the question offers Yes and No only and comes
// again until the data set is saved or the user answered No. A save that the user
// declined to write over a file asks again either way.
using SaveChosenFile = std::function<SaveOutcome(const QString& fileName)>;
bool OfferToSaveCurrentData(const SaveChosenFile& save, bool cancellable = true);

// The save dialog of that question: like the toolbar's save, without the overwrite prompt
// (the save asks itself).
FileDialogRequest SaveBeforeReplaceRequest(const QString& lastFolder);
