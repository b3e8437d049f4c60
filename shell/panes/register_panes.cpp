#include "shell/panes/register_panes.h"

#include "data/upload/load_hooks.h"
#include "link/link_hooks.h"
#include "shell/panes/frm_wait.h"
#include "shell/panes/frm_warnings.h"
#include "shell/panes/update_info.h"

// The main window registers the rest: it creates the panes at its load and shows the
// warnings pane after a load (RegisterMainWindow).
void RegisterPanes() {
    RegisterWaitBox();
    RegisterWarningsPane();
    LinkObserver().UpdateInfo = UpdateInfo;
    DataLoad().UpdateInfo = UpdateInfo;
}
