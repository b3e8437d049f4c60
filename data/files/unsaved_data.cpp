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

bool OfferToSaveCurrentData(const SaveChosenFile& save) {
    const DataSet& data = CurrentData();
    while (data.DataPresent && !data.DataSaved) {
        if (!MessBox(ResString(31), QString(), -1, 0))
            return true;
        const FileDialogResult chosen =
            Ui().SaveFile(SaveBeforeReplaceRequest(Options().LastFolder));
        if (!chosen.accepted || chosen.fileName.isEmpty())
            return false;
        const SaveOutcome outcome = save ? save(chosen.fileName) : SaveOutcome::Failed;
        if (outcome == SaveOutcome::Saved)
            return true;
        // Declining to replace a file is no failure: the question comes again instead.
        if (outcome == SaveOutcome::Failed)
            MessBox(ResString(8), QString(), -1, -1);
    }
    return true;
}

bool MayReplaceCurrentData() {
    return OfferToSaveCurrentData(
        [](const QString& fileName) { return SaveSessionFile(fileName); });
}
