#include "shell/panes/register_panes.h"

#include "shell/panes/frm_wait.h"
#include "shell/panes/frm_warnings.h"
#include "shell/panes/update_info.h"

#include "link/link_hooks.h"

void RegisterPanes() {
    RegisterWaitBox();
    RegisterWarningsPane();
    LinkObserver().UpdateInfo = UpdateInfo;
}
