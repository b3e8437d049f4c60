#include "shell/main/register_main_window.h"

#include "core/options.h"
#include "core/program_events.h"
#include "data/files/file_hooks.h"
#include "data/files/recent_files.h"
#include "data/files/session_file.h"
#include "data/upload/load_hooks.h"
#include "data/upload/upload_data.h"
#include "shell/command_line/command_line.h"
#include "shell/main/frm_main.h"
#include "shell/main/main_hooks.h"
#include "shell/panes/frm_info.h"
#include "shell/panes/frm_warnings.h"
#include "shell/panes/update_info.h"
#include "shell/startup/shut_down.h"
#include "views/graphs/graph_hooks.h"
#include "views/table/frm_source.h"
#include "views/table/table_hooks.h"
#include "views/table/view_data_source.h"
#include "views/windows/single_window.h"

#include <QAction>
#include <QMdiSubWindow>

namespace {
// The calls upward reach the main window only while it stands.
void onMainWindow(const std::function<void(frmMain&)>& work) {
    if (MainWindowLoaded())
        work(MainWindow());
}

void enableButton(int button) {
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

void setPanelText(const QString& text) {
    onMainWindow([&text](frmMain& w) { w.SetPanelText(text); });
}

// Shows a view as a child window of the main window (alone while none stands).
void showChild(QWidget* window) {
    if (!MainWindowLoaded()) {
        window->show();
        return;
    }
    frmMain& main = MainWindow();
    QMdiSubWindow* frame = qobject_cast<QMdiSubWindow*>(window->parentWidget());
    if (!frame)
        frame = main.AddChildWindow(window);
    frame->show();
    window->show();
}

void registerCommands(MainHooks& hooks) {
    hooks.ShutDown = [](QWidget* closing) { ShutDown(closing); };
    hooks.LoadFile = [](const QString& name) { return LoadFile(name); };
    hooks.SaveFile = [](const QString& name) {
        const SaveOutcome outcome = SaveSessionFile(name);
        // The information pane's picture shows the data set saved from now on.
        if (outcome == SaveOutcome::Saved)
            UpdateInfo();
        return outcome;
    };
    hooks.SaveMRUFile = [](const QString& name) { SaveMRUFile(name); };
    hooks.UploadData = [] { return UploadData(); };
    hooks.Source.IsOpen = [] { return SourceViewOpen(); };
    hooks.Source.Show = [] { ViewDataSource(-1, 0); };
    hooks.Source.Window = []() -> QWidget* { return SourceWindow(); };
    hooks.Source.Unload = [] {
        frmSource* window = SourceWindow();
        if (!window)
            return;
        // The window sits in a child frame of the main window when it was shown there.
        if (auto* frame = qobject_cast<QMdiSubWindow*>(window->parentWidget()))
            delete frame;
        else
            delete window;
    };
}

void registerPanes(MainHooks& hooks) {
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

void registerUpwardCalls() {
    SessionFileHooks& files = FileHooks();
    files.StatusText = setPanelText;
    files.RecentFilesChanged = [] { onMainWindow([](frmMain& w) { w.RefreshRecentFiles(); }); };
    files.AfterLoad = [] {
        UpdateInfo();
        if (Options().ShowWarningsOnLoad)
            showWarningsPane();
        for (int button :
             {Button::Save, Button::Export, Button::GraphTe, Button::GraphSt, Button::Source})
            enableButton(button);
    };

    DataLoadHooks& load = DataLoad();
    if (!load.UpdateInfo)
        load.UpdateInfo = [] { UpdateInfo(); };
    load.EnableToolbarButton = enableButton;
    load.ShowWarningsPane = showWarningsPane;
    load.OpenRequestedForms = [] { onMainWindow([](frmMain& w) { w.OpenRequestedForms(); }); };

    CommandLineHook().OpenRequestedForms = [] {
        onMainWindow([](frmMain& w) { w.OpenRequestedForms(); });
    };

    GraphHook().PanelText = setPanelText;

    // Graph windows and the data table are child windows of the main window.
    GraphHook().ShowChild = showChild;
    DataTableHooks().ShowChild = showChild;
}
} // namespace

// The main window's answers to the program's broadcasts.
void connectEvents() {
    ProgramEvents& events = Events();
    QObject::connect(&events, &ProgramEvents::DataSetReplaced, &events, [] {
        UpdateInfo();
        if (Options().ShowWarningsOnLoad)
            showWarningsPane();
        for (int button :
             {Button::Save, Button::Export, Button::GraphTe, Button::GraphSt, Button::Source})
            enableButton(button);
    });
    QObject::connect(&events, &ProgramEvents::InfoChanged, &events, [] { UpdateInfo(); });
    QObject::connect(&events, &ProgramEvents::WindowActivated, &events, [] { UpdateInfo(); });
    QObject::connect(&events, &ProgramEvents::StatusText, &events, setPanelText);
    QObject::connect(&events, &ProgramEvents::RecentFilesChanged, &events,
                     [] { onMainWindow([](frmMain& w) { w.RefreshRecentFiles(); }); });
    SetChildWindowPlacement(showChild);
}

void RegisterMainWindow() {
    MainHooks& hooks = MainWindowHooks();
    registerCommands(hooks);
    registerPanes(hooks);
    registerUpwardCalls();
    static bool connected = false;
    if (!connected) {
        connected = true;
        connectEvents();
    }
}
