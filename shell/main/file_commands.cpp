#include "shell/main/file_commands.h"

#include "core/language.h"
#include "core/message_box.h"
#include "core/options.h"
#include "data/files/unsaved_data.h"
#include "platform/ui_services.h"
#include "shell/main/file_dialogs.h"
#include "shell/main/main_hooks.h"

#include <optional>

namespace {
void failed(int textId) {
    MessBox(ResString(textId), QString(), -1, -1);
}

// The loader has said why a load failed; the open dialog's command adds text 7 after it.
bool loadAndRemember(const QString& name, bool tellFailure) {
    MainWindowHooks& hooks = MainWindowHook();
    if (!hooks.LoadFile(name)) {
        if (tellFailure)
            failed(7);
        return false;
    }
    if (hooks.SaveMRUFile)
        hooks.SaveMRUFile(name);
    return true;
}

struct SaveChoice {
    QString name; // with the chosen filter's extension when it had none
    QString folder;
    int filterIndex = 0;
};

// The save dialog of request; nothing when the user cancelled. The chosen folder is
// remembered at once, before the file is written.
std::optional<SaveChoice> chooseSaveName(const FileDialogRequest& request) {
    const FileDialogResult chosen = Ui().SaveFile(request);
    if (!chosen.accepted || chosen.fileName.isEmpty())
        return std::nullopt;
    SaveChoice choice;
    choice.name = WithFilterSuffix(chosen.fileName, request.filter, chosen.filterIndex);
    choice.folder = FolderPart(choice.name);
    choice.filterIndex = chosen.filterIndex;
    StoreLastFolder(choice.folder);
    return choice;
}
} // namespace

bool CommandNotAvailable() {
    MessBox(ResString(4191), QString(), -1, -1);
    return false;
}

bool OpenSessionCommand() {
    if (!MainWindowHook().LoadFile)
        return CommandNotAvailable();
    const FileDialogResult chosen = Ui().OpenFile(OpenSessionDialog());
    if (!chosen.accepted || chosen.fileName.isEmpty())
        return false;
    // A cancelled save of the unsaved data set cancels the load, and changes nothing.
    if (!MayReplaceCurrentData())
        return false;
    const QString folder = FolderPart(chosen.fileName);
    StoreLastFolder(folder);
    if (!loadAndRemember(chosen.fileName, true))
        return false;
    StoreLastFolder(folder);
    return true;
}

bool SaveSessionCommand() {
    if (!MainWindowHook().SaveFile)
        return CommandNotAvailable();
    // Saved under the name the open dialog's filter will show.
    const std::optional<SaveChoice> chosen = chooseSaveName(SaveSessionDialog());
    if (!chosen)
        return false;
    const SaveOutcome outcome = MainWindowHook().SaveFile(chosen->name);
    if (outcome != SaveOutcome::Saved) {
        // A user who declined to replace the file was not let down by a failure.
        if (outcome == SaveOutcome::Failed)
            failed(8);
        return false;
    }
    StoreLastFolder(chosen->folder);
    // The list holds the files opened or saved.
    if (MainWindowHook().SaveMRUFile)
        MainWindowHook().SaveMRUFile(chosen->name);
    return false;
}

bool ExportCommand() {
    if (!MainWindowHook().SaveTableFile)
        return CommandNotAvailable();
    const std::optional<SaveChoice> chosen = chooseSaveName(ExportDialog());
    if (!chosen)
        return false;
    // The chosen filter names the kind: the first CSV, the second tab-separated.
    const int kind = chosen->filterIndex == 1 ? 2 : 1;
    if (!MainWindowHook().SaveTableFile(chosen->name, kind)) {
        failed(8);
        return false;
    }
    StoreLastFolder(chosen->folder);
    return false;
}

bool OpenRecentFileCommand(int slot) {
    if (slot < 1 || slot > 4)
        return false;
    if (!MainWindowHook().LoadFile)
        return CommandNotAvailable();
    QString& stored = Options().MRU[static_cast<size_t>(slot)];
    stored = stored.trimmed();
    const QString name = stored; // the list changes under the load
    if (name.isEmpty() || !MayReplaceCurrentData())
        return false;
    return loadAndRemember(name, false);
}
