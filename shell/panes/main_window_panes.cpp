// The panes as the main window holds them: created at its load, their close boxes and the
// program's own showing kept in step with the toolbar buttons.
#include "shell/panes/main_window_panes.h"
#include "shell/main/dock_host.h"
#include "shell/main/frm_main.h"
#include "shell/main/main_hooks.h"
#include "shell/main/menu_tree.h"
#include "shell/main/toolbar_buttons.h"
#include "shell/panes/frm_info.h"
#include "shell/panes/frm_warnings.h"
#include "shell/panes/update_info.h"

#include <QAction>

namespace {
void setButton(int index, bool pressed) {
    if (!MainWindowLoaded())
        return;
    if (QAction* button = MainWindow().ToolbarButton(index))
        button->setChecked(pressed);
}

QWidget* createWarningsPane(QWidget* mainWindow) {
    frmWarnings* pane = LoadWarningsPane(mainWindow);
    QObject::connect(pane, &frmWarnings::ClosedByUser, pane,
                     [] { setButton(Button::Warnings, false); });
    QObject::connect(pane, &frmWarnings::ShownByProgram, pane,
                     [] { setButton(Button::Warnings, true); });
    return pane;
}
} // namespace

void InfoPaneHiddenByUser() {
    if (!MainWindowLoaded())
        return;
    frmMain& main = MainWindow();
    main.DockControl().SetState(QLatin1String(InfoPaneName), 0);
    setButton(Button::Info, false);
    if (QAction* item = main.MenuItem(TopMenu::Windows, 0))
        item->setChecked(false);
}

void RegisterMainWindowPanes() {
    MainHooks& hooks = MainWindowHooks();
    hooks.CreateInfoPane = [](QWidget* mainWindow) -> QWidget* { return LoadInfoPane(mainWindow); };
    hooks.CreateWarningsPane = createWarningsPane;
    hooks.UpdateInfo = UpdateInfo;
}
