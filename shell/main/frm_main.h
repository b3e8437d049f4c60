#pragma once

#include <QMainWindow>

class DockHost;

// The program's main window (an MDI frame). This is the start-up contract: the window is
// created on first use by MainWindow().
class frmMain : public QMainWindow {
    Q_OBJECT
public:
    explicit frmMain(QWidget* parent = nullptr);
    ~frmMain() override;

    // Port menu: index 0..9 stands for port 1..10.
    void mnuSubSubMonitor_Click(int index);
    bool PortOpen() const;
    int CommPort() const;
    DockHost& DockControl();
};

// Creates the main window on first use (running its load) and returns it.
frmMain& MainWindow();
// True once the main window exists.
bool MainWindowLoaded();
// Deletes the main window (unload); MainWindow() afterwards makes a fresh one.
void UnloadMainWindow();
