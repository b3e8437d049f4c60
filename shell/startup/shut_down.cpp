#include "shell/startup/shut_down.h"

#include "core/error_report.h"
#include "core/language.h"
#include "core/message_box.h"
#include "core/options.h"
#include "data/dataset.h"
#include "data/files/recent_files.h"
#include "data/files/unsaved_data.h"
#include "platform/ui_services.h"
#include "shell/main/dock_host.h"
#include "shell/main/frm_main.h"
#include "shell/startup/frm_splash.h"
#include "shell/startup/shell_hooks.h"
#include "shell/startup/shell_state.h"
#include "shell/startup/startup_rules.h"
#include "views/windows/single_window.h"

#include <QApplication>
#include <QPointer>
#include <QWidget>

namespace {
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
    // Every loaded window runs its own unload, shown or hidden, on its own or as a child of
    // the main window (the real-time view stops polling and closes its log there).
    UnloadAllWindows(frm);
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
    // A cancelled save dialog lets the data go: the shutdown goes on.
    Trapped("ShutDown", [] {
        OfferToSaveCurrentData([](const QString& fileName) {
            const auto& save = ShellHook().SaveFile;
            const SaveOutcome outcome = save ? save(fileName) : SaveOutcome::Failed;
            if (outcome == SaveOutcome::Saved)
                SaveMRUFile(fileName); // stored with the options below
            return outcome;
        });
    });
    Trapped("ShutDown", [] { storeMainWindowState(); });
    Trapped("ShutDown", [frm] { unloadWindows(frm); });
    FreeResLibrary();
    SaveOptions();
    if (!frm)
        shell.Ended = true;
}
