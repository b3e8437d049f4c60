#include "shell/startup/shut_down.h"

#include "core/error_report.h"
#include "core/language.h"
#include "core/message_box.h"
#include "core/options.h"
#include "data/dataset.h"
#include "data/files/recent_files.h"
#include "platform/ui_services.h"
#include "shell/main/dock_host.h"
#include "shell/main/frm_main.h"
#include "shell/startup/frm_splash.h"
#include "shell/startup/shell_hooks.h"
#include "shell/startup/shell_state.h"
#include "shell/startup/startup_rules.h"

#include <QApplication>
#include <QPointer>
#include <QWidget>

namespace {
// Asks to save an unsaved data set. A save that fails asks again, so the user can try
// another name or let the data go.
void offerToSave() {
    const DataSet& data = CurrentData();
    while (data.DataPresent && !data.DataSaved) {
        if (!MessBox(ResString(31), QString(), -1, 0))
            return;
        const FileDialogResult chosen = Ui().SaveFile(ShutdownSaveRequest(Options().LastFolder));
        if (!chosen.accepted)
            return;
        const auto& save = ShellHook().SaveFile;
        const SaveOutcome outcome = save ? save(chosen.fileName) : SaveOutcome::Failed;
        if (outcome == SaveOutcome::Saved) {
            SaveMRUFile(chosen.fileName); // stored with the options below
            return;
        }
        // Declining to replace a file is no failure: the question comes again instead.
        if (outcome == SaveOutcome::Failed)
            MessBox(ResString(8), QString(), -1, -1);
    }
}

void storeMainWindowState() {
    if (!MainWindowLoaded())
        return;
    frmMain& main = MainWindow();
    StoreMainWindowOptions(Options(), main.windowState(),
                           main.DockControl().State(QStringLiteral("frmInfo")), main.PortOpen(),
                           main.CommPort());
}

void unloadWindows(QWidget* frm) {
    delete Shell().Splash.data();
    QList<QPointer<QWidget>> windows;
    for (QWidget* w : QApplication::topLevelWidgets())
        windows.append(w);
    QWidget* main = MainWindowLoaded() ? &MainWindow() : nullptr;
    for (const QPointer<QWidget>& w : windows)
        if (w && w != frm && w != main && w->isVisible())
            w->close();
    if (main && main != frm) {
        Ui().SetOwner(nullptr);
        UnloadMainWindow();
    }
}
} // namespace

void ShutDown(QWidget* frm) {
    ShellState& shell = Shell();
    if (shell.ShutDownStarted)
        return;
    shell.ShutDownStarted = true;
    // A failure in one step is reported and the later steps still run, so that the
    // options are written and a failed start still ends.
    Trapped("ShutDown", [] {
        if (ShellHook().KillTimers)
            ShellHook().KillTimers();
    });
    Trapped("ShutDown", [] { offerToSave(); });
    Trapped("ShutDown", [] { storeMainWindowState(); });
    Trapped("ShutDown", [frm] { unloadWindows(frm); });
    FreeResLibrary();
    SaveOptions();
    if (!frm)
        shell.Ended = true;
}
