#include "data/live/realtime_view.h"

#include "core/call_hook.h"
#include "core/error_report.h"
#include "core/language.h"
#include "core/message_box.h"
#include "data/files/realtime_log.h"
#include "data/live/realtime_hooks.h"
#include "data/live/realtime_set.h"
#include "data/live/split_data_read_data.h"
#include "link/comm_state.h"
#include "link/exchange.h"
#include "link/instrument_commands.h"
#include "platform/clock.h"
#include "platform/timers/timer_registry.h"

#include <QFileInfo>

namespace {
struct StopWait {
    bool waiting = false;
    TimerId timer = 0;
    qint64 since = 0;
};
StopWait& stopWait() {
    static StopWait wait;
    return wait;
}

bool start() {
    RealTimeSetState& set = RealTimeSet();
    RealTimeHooks& hooks = RealTimeHook();
    // A dropped reading of an earlier run is no news about this one.
    ClearDroppedReadingText();
    if (!SendCommand(3, true, true, QByteArray(), Link::DefaultTimeoutMs)) {
        CallHook(hooks.ShowPolling, PollingShown::Idle);
        return false;
    }
    CallHook(hooks.EnableInstrumentButtons, false);
    if (ReadID()) {
        set.RtIDShort = CommState().IdShort.trimmed();
        set.RtIDLong = CommState().IdLong.trimmed();
    } else {
        set.LowRangeFullScale = 5.0;
        set.RtIDShort = QStringLiteral("(Nessun ID)");
        set.RtIDLong = QStringLiteral("-");
    }
    set.RtCount = 0;
    CallHook(hooks.ClearTrend);
    // A log that cannot be made has been reported; the readings are still shown.
    OpenLastLog();
    StopKeepAlive();
    CommunicationState& comm = CommState();
    KillTimerId(comm.ViewTimerId);
    comm.ViewTimerId = Timers().SetTimer(ViewTimerMs, [] { ViewTimer(); });
    stopWait() = StopWait();
    CallHook(hooks.ShowPolling, PollingShown::Polling);
    set.RealTimeActive = true;
    CallHook(hooks.ShowLiveInfo);
    return true;
}

void stop() {
    RealTimeSetState& set = RealTimeSet();
    CommunicationState& comm = CommState();
    StopWait& wait = stopWait();
    KillTimerId(wait.timer);
    wait.waiting = false;
    // Only a polling run has anything to give back.
    if (!set.RealTimeActive && comm.ViewTimerId == 0 && !RealTimeLogOpen())
        return;
    RealTimeHooks& hooks = RealTimeHook();
    KillTimerId(comm.ViewTimerId);
    CallHook(hooks.EnableInstrumentButtons, true);
    CloseLastLog();
    CallHook(hooks.ShowPolling, PollingShown::Idle);
    set.RealTimeActive = false;
    if (comm.Connected)
        StartKeepAlive();
}

void checkStopWait() {
    StopWait& wait = stopWait();
    if (!wait.waiting)
        return;
    const bool timedOut = CurrentClock().MonotonicMs() - wait.since >= StopWaitLimitMs;
    if (CommState().CommandPending() && !timedOut)
        return;
    RealTimeView(QStringLiteral("Stop"));
}
} // namespace

bool RealTimeView(const QString& action) {
    return Trapped("RealTimeView", false, [&] {
        if (action == QLatin1String("Start"))
            return start();
        if (action == QLatin1String("Stop"))
            stop();
        return false;
    });
}

void ViewTimer() {
    Trapped("ViewTimer", [] {
        // A reply still awaited keeps its exchange; this tick's poll is left out.
        if (CommState().CommandPending())
            return;
        SendCommand(2, false, false, QByteArray(), Link::DefaultTimeoutMs);
    });
}

bool StartRealTimeAfterQuestion() {
    if (QFileInfo::exists(RealTimeLogPath()) && !MessBox(ResString(35), QString(), 2, 0))
        return false;
    return RealTimeView(QStringLiteral("Start"));
}

void StopRealTimeWhenIdle() {
    Trapped("RealTimeView", [] {
        StopWait& wait = stopWait();
        if (!RealTimeSet().RealTimeActive || wait.waiting)
            return;
        KillTimerId(CommState().ViewTimerId);
        if (!CommState().CommandPending()) {
            RealTimeView(QStringLiteral("Stop"));
            return;
        }
        wait.waiting = true;
        wait.since = CurrentClock().MonotonicMs();
        CallHook(RealTimeHook().ShowPolling, PollingShown::Stopping);
        wait.timer = Timers().SetTimer(StopCheckMs, [] { checkStopWait(); });
        if (wait.timer == 0)
            RealTimeView(QStringLiteral("Stop"));
    });
}

void RealTimeLinkLost() {
    Trapped("RealTimeView", [] {
        // Nothing answers any more: no reply is waited for, the run ends as a stop does and
        // the keep-alive stays off with the link.
        if (RealTimeSet().RealTimeActive)
            RealTimeView(QStringLiteral("Stop"));
    });
}

bool RealTimeStopWaiting() {
    return stopWait().waiting;
}
