// Every registration of the program, run once before Main: the shell's start-up and
// shutdown hooks, and the panes and windows behind the one-owner calls of the lower layers.
// A record of program-wide state gets its start values in ResetProgramState.
#include "data/files/session_file.h"
#include "data/upload/upload_data.h"
#include "link/comm_state.h"
#include "link/connection.h"
#include "shell/command_line/command_line.h"
#include "shell/startup/shell_hooks.h"
#include "shell/wiring/program_state.h"
#include "shell/wiring/wire_data_table.h"
#include "shell/wiring/wire_dialogs.h"
#include "shell/wiring/wire_graphs.h"
#include "shell/wiring/wire_main_window.h"
#include "shell/wiring/wire_monitor.h"
#include "shell/wiring/wire_panes.h"
#include "shell/wiring/wire_realtime.h"
#include "shell/wiring/wire_settings.h"

void RegisterShellHooks() {
    RegisterDataReplyHandlers();
    RegisterPanes();
    RegisterMainWindow();
    RegisterDataTable();
    RegisterGraphs();
    WireRealTime();
    RegisterMonitor();
    RegisterIdentificationAndDateDialogs();
    RegisterSettingsAndAbout();
    ShellHooks& hooks = ShellHook();
    hooks.ResetState = [] { ResetProgramState(); };
    hooks.KillTimers = [] { StopLinkTimers(); };
    hooks.InitCommunication = [] { return InitCommunication(); };
    hooks.GestioneCommandLine = [] { GestioneCommandLine(); };
    hooks.SaveFile = [](const QString& fileName) { return SaveSessionFile(fileName); };
}
