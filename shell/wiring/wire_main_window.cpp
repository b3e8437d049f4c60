#include "shell/wiring/wire_main_window.h"

#include "core/options.h"
#include "core/program_events.h"
#include "data/files/recent_files.h"
#include "data/files/session_file.h"
#include "data/files/table_export.h"
#include "data/upload/tressil_download.h"
#include "data/upload/upload_data.h"
#include "shell/main/frm_main.h"
#include "shell/main/main_hooks.h"
#include "shell/panes/frm_info.h"
#include "shell/panes/frm_warnings.h"
#include "shell/panes/update_info.h"
#include "shell/startup/shut_down.h"
#include "shell/wiring/wire_realtime.h"
#include "views/realtime/frm_view.h"
#include "views/table/frm_source.h"
#include "views/table/view_data_source.h"
#include "views/windows/single_window.h"

#include <QAction>
#include <QMdiSubWindow>

namespace {
// The answers reach the main window only while it stands.
void onMainWindow(const std::function<void(frmMain&)>& work) {
    if (MainWindowLoaded())
        work(MainWindow());
}

void enableButton(Button button) {
    onMainWindow([button](frmMain& w) {
        if (QAction* action = w.ToolbarButton(button))
            action->setEnabled(true);
    });
}

void showWarningsPane() {
    onMainWindow([](frmMain& w) {
        if (w.WarningsPane() && w.WarningsPane()->isHidden())
            w.tbrToolbar_ButtonClick(Button::Warnings);
    });
}

// A data window goes into a child frame of the main window while it stands, else alone.
void showChild(QWidget* window) {
    if (!MainWindowLoaded()) {
        window->show();
        return;
    }
    QMdiSubWindow* frame = qobject_cast<QMdiSubWindow*>(window->parentWidget());
    if (!frame)
        frame = MainWindow().AddChildWindow(window);
    frame->show();
    window->show();
}

void registerCommands(MainWindowHooks& hooks) {
    hooks.ShutDown = [](QWidget* closing) { return ShutDown(closing); };
    hooks.LoadFile = [](const QString& name) { return LoadFile(name); };
    hooks.SaveFile = [](const QString& name) {
        const SaveOutcome outcome = SaveSessionFile(name);
        // The information pane's picture shows the data set saved from now on.
        if (outcome == SaveOutcome::Saved)
            emit Events().InfoChanged();
        return outcome;
    };
    hooks.SaveMRUFile = [](const QString& name) { SaveMRUFile(name); };
    hooks.SaveTableFile = [](const QString& name, int kind) { return SaveTableFile(name, kind); };
    hooks.UploadData = [] { return UploadData(); };
    hooks.DownloadTressilData = [] { return DownloadTressilData(); };
    hooks.Source = ViewOf<frmSource>([] { ViewDataSource(-1, 0); });
}

void registerPanes(MainWindowHooks& hooks) {
    hooks.CreateInfoPane = [](QWidget* main) -> QWidget* { return LoadInfoPane(main); };
    hooks.CreateWarningsPane = [](QWidget* main) -> QWidget* {
        frmWarnings* pane = LoadWarningsPane(main);
        // Closed by the user: its button shows raised again.
        QObject::connect(pane, &frmWarnings::ClosedByUser, pane, [] {
            onMainWindow([](frmMain& w) { w.ToolbarButton(Button::Warnings)->setChecked(false); });
        });
        return pane;
    };
    hooks.UpdateInfo = [] { UpdateInfo(); };
}

// The main window's answers to the program's broadcasts; the window's own status box and
// buttons are connected by the window itself (ConnectLinkToMainWindow).
void connectEvents() {
    ProgramEvents& events = Events();
    QObject::connect(&events, &ProgramEvents::DataSetReplaced, &events, [] {
        UpdateInfo();
        if (Options().ShowWarningsOnLoad)
            showWarningsPane();
        for (Button button :
             {Button::Save, Button::Export, Button::GraphTe, Button::GraphSt, Button::Source})
            enableButton(button);
    });
    QObject::connect(&events, &ProgramEvents::InfoChanged, &events, [] { UpdateInfo(); });
    QObject::connect(&events, &ProgramEvents::WindowActivated, &events, [](QWidget* window) {
        // The real-time view in front shows the live readings, every other window the data set.
        if (window && window == Window<frmView>().Instance())
            UpdateRTInfo(LiveInfoFromSet());
        else
            UpdateInfo();
    });
    QObject::connect(&events, &ProgramEvents::RecentFilesChanged, &events,
                     [] { onMainWindow([](frmMain& w) { w.RefreshRecentFiles(); }); });
    SetChildWindowPlacement(showChild);
}
} // namespace

void RegisterMainWindow() {
    MainWindowHooks& hooks = MainWindowHook();
    registerCommands(hooks);
    registerPanes(hooks);
    // The broadcasts are connected once for the run, however often the hooks are set again.
    static const bool connected = (connectEvents(), true);
    Q_UNUSED(connected);
}
