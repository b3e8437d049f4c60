#include "shell/panes/register_panes.h"

#include "data/files/file_hooks.h"
#include "data/upload/load_hooks.h"
#include "link/link_hooks.h"
#include "shell/core/options.h"
#include "shell/panes/frm_wait.h"
#include "shell/panes/frm_warnings.h"
#include "shell/panes/main_window_panes.h"
#include "shell/panes/update_info.h"

namespace {
// The data buttons a loaded data set enables: save, export, data table, statistics graph,
// time graph.
constexpr int DataButtons[] = {3, 4, 15, 14, 13};

void showWarningsPane() {
    if (frmWarnings* pane = WarningsWindow())
        pane->ShowByProgram();
}

// After a session file became the data set (its statistics and warnings already rebuilt).
void afterSessionLoad() {
    UpdateInfo();
    if (Options().ShowWarningsOnLoad)
        showWarningsPane();
    if (DataLoad().EnableToolbarButton)
        for (const int button : DataButtons)
            DataLoad().EnableToolbarButton(button);
}
} // namespace

void RegisterPanes() {
    RegisterWaitBox();
    RegisterWarningsPane();
    LinkObserver().UpdateInfo = UpdateInfo;
    DataLoad().UpdateInfo = UpdateInfo;
    DataLoad().ShowWarningsPane = showWarningsPane;
    FileHooks().AfterLoad = afterSessionLoad;
    RegisterMainWindowPanes();
}
