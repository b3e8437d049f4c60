// The information pane's close box as the main window shows it.
#include "shell/panes/info_pane_close.h"
#include "shell/main/frm_main.h"

void InfoPaneHiddenByUser() {
    if (!MainWindowLoaded())
        return;
    MainWindow().SetInfoPaneShown(false);
}
