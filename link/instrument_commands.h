#pragma once

#include "link/monitor_status.h"

#include <functional>

// The instrument's single commands.

// Command 7: reads the instrument's identification texts into CommState().IdShort and
// IdLong; the data set keeps its own.
bool ReadID();
// Command 8: writes the two texts (blank-padded to 16 and 48 characters) to the
// instrument; once it confirmed, CommState() holds them as the instrument's. A failure
// answers false after saying that the instrument did not confirm the write (the reply may
// have been lost after the instrument stored the texts).
bool WriteID(const QString& idShort, const QString& idLong);
// Command 14: stops a monitoring session.
bool StopMonitor();
// Command 10, then the settings decoding for a good or a missing reply (a good one sets
// MonitorState and refreshes the information pane); no result.
void ReadMonitorSettings();

// What StartMonitoraggio reports to the monitoring dialog; the wiring sets these once, and
// they reach the dialog while it is loaded.
struct MonitorStageHooks {
    // Centre and show the progress frame with its four rows cleared.
    std::function<void()> ShowProgress;
    // SetState(k): rows before k done, row k in work (k = 0..4).
    std::function<void(int stage)> SetState;
    // The row of the stage that failed: single border, red text, error picture.
    std::function<void(int stage)> MarkFailed;
    // SetWaitButton, then run the event loop until the user closes the progress.
    std::function<void()> WaitForClose;
    // The session runs: status text 3010 on light red, start button off, stop button on.
    std::function<void()> ShowStarted;
    std::function<void()> HideProgress;
};
MonitorStageHooks& MonitorStages();
// The monitoring dialog shows the decoded settings while it is loaded.
struct MonitorSettingsHooks {
    std::function<void(const MonitorStatusView& view)> ShowMonitorStatus;
};
MonitorSettingsHooks& MonitorSettingsDecoder();

// Programs and starts a session from MonitorParams: clock (11), parameters (12), start
// (13), each stage shown through MonitorStages(). True when the session runs; the link is
// released then. On any failure the keep-alive runs again while connected and the progress
// frame goes away once the user closed it; after a failed start (13) the settings are read
// back (ReadMonitorSettings), so that the dialog shows whether the session runs.
bool StartMonitoraggio();
