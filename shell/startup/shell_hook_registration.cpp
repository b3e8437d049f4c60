// Every registration of the program, run once before Main: the shell's start-up and
// shutdown hooks, and the panes and windows that stand behind the lower layers' hooks. A
// subsystem whose shared state needs its start values at start-up adds its reset to
// ResetState here.
#include "data/files/session_file.h"
#include "data/upload/upload_data.h"
#include "link/comm_state.h"
#include "link/connection.h"
#include "shell/command_line/command_line.h"
#include "shell/datatable/register_data_table.h"
#include "shell/graphs/register_graphs.h"
#include "shell/main/register_main_window.h"
#include "shell/panes/register_panes.h"
#include "shell/startup/shell_hooks.h"

void RegisterShellHooks() {
    RegisterDataReplyHandlers();
    RegisterPanes();
    RegisterMainWindow();
    RegisterDataTable();
    RegisterGraphs();
    ShellHooks& hooks = ShellHooksRegistry();
    hooks.ResetState = {
        [] { ResetCommState(); },
    };
    hooks.KillTimers = [] { StopLinkTimers(); };
    hooks.InitCommunication = [] { return InitCommunication(); };
    hooks.GestioneCommandLine = [] { GestioneCommandLine(); };
    hooks.SaveFile = [](const QString& fileName) { return SaveSessionFile(fileName); };
}
