#include "shell/wiring/wire_monitor.h"

#include "link/instrument_commands.h"
#include "shell/main/main_hooks.h"

void RegisterMonitor() {
    MainWindowHooks& hooks = MainWindowHook();
    hooks.ReadMonitorSettings = [] { ReadMonitorSettings(); };
}
