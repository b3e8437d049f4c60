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

bool ShutDown(QWidget* frm) {
    ShellState& shell = Shell();
    if (shell.ShutDownStarted)
        return true;
    shell.ShutDownStarted = true;
    // The unsaved data set comes first, while everything still runs: Cancel, a cancelled
    // save dialog or a failed save keep the program as it was, timers, windows and data.
    // Without a window (a failed start, the event loop gone) the program ends whatever the
    // answer, so the question then offers no Cancel and comes again until it is answered.
    const bool keep = !Trapped("ShutDown", true, [frm] {
        return OfferToSaveCurrentData(
            [](const QString& fileName) {
                const auto& save = ShellHook().SaveFile;
                const SaveOutcome outcome = save ? save(fileName) : SaveOutcome::Failed;
                if (outcome == SaveOutcome::Saved)
                    SaveMRUFile(fileName); // stored with the options below
                return outcome;
            },
            frm != nullptr);
    });
    if (keep && frm) {
        shell.ShutDownStarted = false;
        return false;
    }
    // A failure in one step is reported and the later steps still run, so that the
    // options are written and a failed start still ends.
    Trapped("ShutDown", [] {
        if (ShellHook().KillTimers)
            ShellHook().KillTimers();
    });
    Trapped("ShutDown", [] { storeMainWindowState(); });
    Trapped("ShutDown", [frm] { unloadWindows(frm); });
    FreeResLibrary();
    SaveOptions();
    if (!frm)
        shell.Ended = true;
    return true;
}
