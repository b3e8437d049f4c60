#include "shell/panes/register_panes.h"

#include "shell/panes/frm_wait.h"
#include "shell/panes/frm_warnings.h"

void RegisterPanes() {
    RegisterWaitBox();
    RegisterWarningsPane();
}
