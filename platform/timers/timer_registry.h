#pragma once

#include <QtGlobal>

#include <functional>

// The program's timers in the manner of the old SetTimer/KillTimer pair: every timer has a
// non-zero id, fires its callback every interval on the event loop, and repeats until it is
// killed. Callbacks never run inside a blocking wait (they need the event loop); a timer
// that became due meanwhile fires once afterwards.
using TimerId = quint32;

class TimerService {
public:
    virtual ~TimerService() = default;
    // Starts a repeating timer; returns its id, 0 when it cannot be made.
    virtual TimerId SetTimer(int intervalMs, std::function<void()> callback) = 0;
    // Stops the timer; false when no timer has that id. Safe inside the timer's own callback.
    virtual bool KillTimer(TimerId id) = 0;
    virtual bool IsTimerRunning(TimerId id) const = 0;
};

// The timers in use: the installed ones, else the real ones on QTimer.
TimerService& Timers();
// Installs timers for the whole program (tests use virtual time); nullptr restores QTimer.
void SetTimers(TimerService* timers);

// Kills the timer whose id is held in id (when non-zero) and sets id to 0.
void KillTimerId(TimerId& id);
