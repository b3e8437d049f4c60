#include "data/files/unsaved_data.h"

#include "core/language.h"
#include "core/message_box.h"
#include "core/options.h"
#include "data/dataset.h"
#include "data/files/recent_files.h"

#include <QFileInfo>

FileDialogRequest SaveBeforeReplaceRequest(const QString& lastFolder) {
    FileDialogRequest request;
    request.title = ResString(3003);
    request.filter =
        QStringLiteral("Corvanel Log File (*.log);;") + ResString(3002) + QStringLiteral(" (*)");
    request.filterIndex = 0;
    request.folder = lastFolder.trimmed();
    // The preset name is the folder text's last part, when that names a file.
    const QFileInfo last(request.folder);
    request.fileName = last.isFile() ? last.fileName() : QString();
    request.confirmOverwrite = false;
    return request;
}

bool OfferToSaveCurrentData(const SaveChosenFile& save, bool cancellable) {
    const DataSet& data = CurrentData();
    while (data.DataPresent && !data.DataSaved) {
        // A question, not a failure: the question's look, and Cancel where the caller can
        // still keep everything as it is.
        const BoxAnswer answer =
            cancellable
                ? MessBoxYesNoCancel(ResString(31), QString(), 2)
                : (MessBox(ResString(31), QString(), 2, 0) ? BoxAnswer::Yes : BoxAnswer::No);
        if (answer == BoxAnswer::No)
            return true;
        if (answer == BoxAnswer::Cancel)
            return false;
        const FileDialogResult chosen =
            Ui().SaveFile(SaveBeforeReplaceRequest(Options().LastFolder));
        if (!chosen.accepted || chosen.fileName.isEmpty()) {
            if (cancellable)
                return false;
            continue;
        }
        const SaveOutcome outcome = save ? save(chosen.fileName) : SaveOutcome::Failed;
        if (outcome == SaveOutcome::Saved)
            return true;
        // Declining to replace a file is no failure: the question comes again instead.
        if (outcome == SaveOutcome::Failed) {
            MessBox(ResString(8), QString(), -1, -1);
            if (cancellable)
                return false;
        }
    }
    return true;
}

bool MayReplaceCurrentData() {
    return OfferToSaveCurrentData(
        [](const QString& fileName) { return SaveSessionFile(fileName); });
}
