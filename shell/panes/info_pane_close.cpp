// The information pane's close box as the main window shows it.
#include "shell/panes/info_pane_close.h"
#include "shell/main/dock_host.h"
#include "shell/main/frm_main.h"
#include "shell/main/menu_tree.h"
#include "shell/main/toolbar_buttons.h"
#include "shell/panes/frm_info.h"

#include <QAction>

namespace {
void setButton(int index, bool pressed) {
    if (!MainWindowLoaded())
        return;
    if (QAction* button = MainWindow().ToolbarButton(index))
        button->setChecked(pressed);
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
