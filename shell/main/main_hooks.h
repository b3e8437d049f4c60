#pragma once

#include "data/files/session_file.h"
#include "views/windows/single_window.h"

#include <QString>

#include <functional>
#include <memory>

class DockHost;
class QMainWindow;
class QWidget;

// The work that the main window's commands hand to other subsystems. Each subsystem
// registers its members when it stands; a command whose member is still empty tells the
// user that it is not available yet instead of pretending success.
struct MainWindowHooks {
    // One data view that the dispatcher opens, brings to the front and reopens after a
    // load (time-evolution graph, statistics graph, data table).
    struct View {
        std::function<bool()> IsOpen;     // its open flag
        std::function<void()> Show;       // loads and shows it (not modal)
        std::function<void()> Unload;     // closes it
        std::function<QWidget*()> Window; // the open window, for its geometry
    };

    // Start-up and shutdown: false when the user kept the program running.
    std::function<bool(QWidget* closing)> ShutDown;

    // Session files and the recent-files list.
    std::function<bool(const QString& name)> LoadFile;
    std::function<SaveOutcome(const QString& name)> SaveFile;
    std::function<bool(const QString& name, int kind)> SaveTableFile; // 1 CSV, 2 tab-separated
    std::function<void(const QString& name)> SaveMRUFile;

    // The instrument: the memory download and the block download of the second kind of
    // instrument. True when the data became the current data set.
    std::function<bool()> UploadData;
    std::function<bool()> DownloadTressilData;

    // Views and dialogs.
    View GraphTe;
    View GraphSt;
    View Source; // Show builds the table in time order (ViewDataSource(-1, 0))
    std::function<void()> UnloadGraphRf;
    std::function<void()> ShowRealTimeView;
    std::function<void()> ShowMonitorDialog;   // modal
    std::function<void()> ShowIdCodeDialog;    // modal
    std::function<void()> ShowSettingsDialog;  // modal
    std::function<void()> ShowAbout;           // modal
    std::function<void()> ReadMonitorSettings; // the instrument's session into the dialog

    // Panes. The main window asks for each pane once, at its load; while a member is empty
    // it holds a plain stand-in.
    std::function<QWidget*(QWidget* mainWindow)> CreateInfoPane;
    std::function<QWidget*(QWidget* mainWindow)> CreateWarningsPane;
    std::function<void()> UpdateInfo;

    // The help viewer (path of the help file, command 3 contents or 11 search); while empty
    // the main window's own help window shows the file.
    std::function<void(const QString& path, int command)> ShowHelp;

    // The holder of the information pane; while empty the main window's plain dock host.
    std::function<std::unique_ptr<DockHost>(QMainWindow* mainWindow)> CreateDockHost;
};

MainWindowHooks& MainWindowHook();

// The view members of a single-instance window W (views/windows/single_window.h); show
// loads it and brings it up as the command wants.
template <class W> MainWindowHooks::View ViewOf(std::function<void()> show) {
    MainWindowHooks::View view;
    view.IsOpen = [] { return Window<W>().IsOpen(); };
    view.Show = std::move(show);
    view.Unload = [] { Window<W>().Unload(); };
    view.Window = []() -> QWidget* { return Window<W>().Instance(); };
    return view;
}
