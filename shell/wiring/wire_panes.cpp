#include "shell/wiring/wire_panes.h"

#include "shell/panes/frm_wait.h"
#include "shell/panes/frm_warnings.h"

// The main window creates the panes at its load and answers the broadcasts that refresh
// them (RegisterMainWindow).
void RegisterPanes() {
    RegisterWaitBox();
    RegisterWarningsPane();
}
