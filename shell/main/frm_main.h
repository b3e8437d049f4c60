#pragma once

#include "shell/main/menu_tree.h"
#include "shell/main/toolbar_buttons.h"

#include <QMainWindow>
#include <QPixmap>

#include <array>
#include <memory>
#include <vector>

class DockHost;
class QAction;
class QFrame;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QToolBar;

// The program's main window: an MDI frame with the menus, the toolbar that runs the
// commands, the status bar and the information pane's holder. It is created, and loaded,
// on first use by MainWindow().
class frmMain : public QMainWindow {
    Q_OBJECT
public:
    // The form name under which the dock host knows the information pane.
    static inline const QString InfoFormName = QStringLiteral("frmInfo");

    explicit frmMain(QWidget* parent = nullptr);
    ~frmMain() override;

    // Port menu: index 0..9 stands for port 1..10.
    void mnuSubSubMonitor_Click(int index);
    bool PortOpen() const;
    int CommPort() const;
    DockHost& DockControl();

    // The command dispatcher: runs toolbar button index's command, exactly as a click on it.
    void tbrToolbar_ButtonClick(Button button);
    // An entry of the open button's drop-down: the recent file of that slot (1..4).
    void tbrToolbar_ButtonMenuClick(int slot);
    // After a load: closes and reopens the data views, then tiles the child windows.
    void OpenRequestedForms();
    // Fills the open button's drop-down again from the recent-files list.
    void RefreshRecentFiles();

    // A top menu opens.
    void mnuFile_Click();
    void mnuMonitor_Click();
    void mnuGraph_Click();
    void mnuWindows_Click();
    // A menu item is chosen.
    void mnuSubFile_Click(int index);
    void mnuSubMonitor_Click(int index);
    void mnuSubGraph_Click(int index);
    void mnuSubWindow_Click(int index);
    void mnuSubHelp_Click(int index);

    // The serial port's receive event: bytes came in while receive events were on.
    void Seriale_OnComm();

    // What other parts of the program use.
    QToolBar* tbrToolbar() const { return toolbar_; }
    QAction* ToolbarButton(int index) const; // 1..24; nullptr outside
    QAction* ToolbarButton(Button button) const { return ToolbarButton(ButtonIndex(button)); }
    QMenu* Menu(TopMenu menu) const;
    QAction* MenuItem(TopMenu menu, int index) const; // nullptr outside the menu
    QAction* PortItem(int index) const;               // 0..9
    QMenu* RecentFilesMenu() const { return recentFiles_; }
    QMdiArea* MdiArea() const { return mdiArea_; }
    QMdiSubWindow* AddChildWindow(QWidget* view);
    QLabel* lblPanel1() const { return lblPanel1_; }
    QLabel* imgCommStatus() const { return imgCommStatus_; }
    QLabel* lblCommStatus() const { return lblCommStatus_; }
    QLabel* imgBattStatus() const { return imgBattStatus_; }
    QLabel* lblBattStatus() const { return lblBattStatus_; }
    // The status picture of the store at index (see StatusPicture).
    QPixmap pctImage(int index) const;
    // Status display, repainted at once.
    void SetCommStatus(int picture, const QString& text);
    void SetBattStatus(int picture);
    void SetPanelText(const QString& text);
    QWidget* InfoPane() const { return frmInfo_; }
    // Shows or hides the information pane (docked or floating as the dock mark says);
    // button 20 and the Window menu's marks follow.
    void SetInfoPaneShown(bool shown);
    QWidget* WarningsPane() const { return frmWarnings_; }
    // Menu captions and toolbar tooltips from the language texts.
    void ApplyTexts();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void MDIForm_Load();
    void SetUpToolbar();
    void buildMenus();
    void buildStatusBar();
    void mirrorButtonStates();
    void refreshPortCaptions();
    void fillWindowList();
    void copyButtonStates(TopMenu menu);
    void toggleWarningsPane();
    void toggleInfoPane();
    void setWarningsPaneShown(bool shown);
    void followInfoPane();
    void setDockMark(bool docked);
    void runMenuItem(TopMenu menu, int index);
    void tileChildWindows();
    void bringToFront(QWidget* view);
    void showView(Button button);
    void showHelp(int command);
    // False when the user kept the program running.
    bool runShutDown();

    QMdiArea* mdiArea_ = nullptr;
    QToolBar* toolbar_ = nullptr;
    std::array<QAction*, ToolbarButtonCount + 1> buttons_{}; // 1-based
    QMenu* recentFiles_ = nullptr;
    std::array<QMenu*, TopMenus.size()> menus_{};
    std::array<std::vector<QAction*>, TopMenus.size()> items_;
    QMenu* portMenu_ = nullptr;
    std::array<QAction*, PortMenuItems> portItems_{};
    std::vector<QAction*> windowList_;

    QLabel* lblPanel1_ = nullptr;
    QFrame* pctBattStatus_ = nullptr;
    QLabel* imgBattStatus_ = nullptr;
    QLabel* lblBattStatus_ = nullptr;
    QFrame* pctCommStatus_ = nullptr;
    QLabel* imgCommStatus_ = nullptr;
    QLabel* lblCommStatus_ = nullptr;

    std::unique_ptr<DockHost> dockControl_;
    QWidget* frmInfo_ = nullptr;
    QWidget* frmWarnings_ = nullptr;
    bool shutDownRun_ = false;
};

// Creates the main window on first use (running its load) and returns it.
frmMain& MainWindow();
// True once the main window exists.
bool MainWindowLoaded();
// Deletes the main window (unload); MainWindow() afterwards makes a fresh one.
void UnloadMainWindow();
