#include "shell/wiring/wire_monitor.h"

#include "link/instrument_commands.h"
#include "shell/dialogs/frm_monitor.h"
#include "shell/main/main_hooks.h"
#include "views/windows/single_window.h"

namespace {
// The work reaches the dialog only while it is loaded.
template <class F> auto onDialog(F work) {
    return [work](auto&&... args) {
        if (frmMonitor* dialog = Window<frmMonitor>().Instance())
            work(*dialog, args...);
    };
}
} // namespace

void RegisterMonitor() {
    MainWindowHooks& hooks = MainWindowHook();
    hooks.ShowMonitorDialog = [] { ShowMonitorDialog(); };
    hooks.ReadMonitorSettings = [] { ReadMonitorSettings(); };

    MonitorSettingsDecoder().ShowMonitorStatus =
        onDialog([](frmMonitor& d, const MonitorStatusView& view) { d.ShowMonitorStatus(view); });

    MonitorStageHooks& stages = MonitorStages();
    stages.ShowProgress = onDialog([](frmMonitor& d) { d.ShowProgress(); });
    stages.SetState = onDialog([](frmMonitor& d, int k) { d.SetState(k); });
    stages.MarkFailed = onDialog([](frmMonitor& d, int stage) { d.MarkFailed(stage); });
    stages.WaitForClose = onDialog([](frmMonitor& d) { d.WaitForClose(); });
    stages.ShowStarted = onDialog([](frmMonitor& d) { d.ShowStarted(); });
    stages.HideProgress = onDialog([](frmMonitor& d) { d.HideProgress(); });
}
