#pragma once

#include <QString>

#include <functional>

// What the live readings and their polling tell the windows above them. Exactly one owner
// answers each (the main window, the information pane, the real-time view); the shell's
// wiring sets them once. Each is called only when set, so the live code runs alone in
// tests.

// How the real-time view shows the polling: its start and stop buttons and status picture.
enum class PollingShown {
    Idle,     // start enabled, stop disabled, picture "not polling"
    Polling,  // start disabled, stop enabled, picture "polling"
    Stopping, // both disabled until the outstanding reply is in
};

struct RealTimeHooks {
    // The main window's battery picture: low (picture 2) or good (picture 1).
    std::function<void(bool low)> BatteryPicture;
    // UpdateRTInfo: the information pane shows the live readings while the view is in
    // front.
    std::function<void()> ShowLiveInfo;
    // The reading just appended (RtValues) is drawn and joins the trend chart.
    std::function<void()> DrawReading;
    // The trend chart loses its points (every start).
    std::function<void()> ClearTrend;
    // Toolbar buttons 7, 10 and 11 (download, monitoring, identification): disabled while
    // polling.
    std::function<void(bool enabled)> EnableInstrumentButtons;
    std::function<void(PollingShown shown)> ShowPolling;
};
RealTimeHooks& RealTimeHook();
