#pragma once

#include <QString>

// Live polling in place of the keep-alive. A start checks that the instrument answers,
// reads its identification (none: "(Nessun ID)", "-" and a 5.0 µT low range from then
// on), opens "RealTime.log", stops the keep-alive and polls with command 2 every 3000 ms;
// the instrument buttons of the toolbar are held meanwhile. A stop ends the polling, closes
// the log with its count and gives the link back to the keep-alive when connected.

inline constexpr int ViewTimerMs = 3000;
// How often a stop looks whether the outstanding reply is in, and how long it waits at
// most (the reply's own time-out is 2900 ms).
inline constexpr int StopCheckMs = 50;
inline constexpr int StopWaitLimitMs = 3500;

// "Start" or "Stop" (exact text); true only after a successful start. Any other text does
// nothing.
bool RealTimeView(const QString& action);
// The polling timer's tick: command 2 without waiting. A tick that finds another command
// still waiting for its reply is skipped, so polling goes on at the next one.
void ViewTimer();

// The start button: when "RealTime.log" exists, asks before it is replaced (anything but
// Yes changes nothing), then starts. True when polling started.
bool StartRealTimeAfterQuestion();
// The stop button and the view's close: no poll goes out any more; once no reply is
// outstanding the polling stops. Only the first call of a polling run acts.
void StopRealTimeWhenIdle();
// The link went down while polling (replies missed, the port lost): the run ends as a stop
// does, with the log closed and the view idle. Nothing while not polling.
void RealTimeLinkLost();
// A stop is waiting for the outstanding reply.
bool RealTimeStopWaiting();
