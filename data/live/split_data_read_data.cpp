#include "data/live/split_data_read_data.h"

#include "core/call_hook.h"
#include "core/error_report.h"
#include "core/language.h"
#include "core/program_events.h"
#include "data/files/realtime_log.h"
#include "data/live/realtime_hooks.h"
#include "data/live/realtime_set.h"
#include "link/link_hooks.h"
#include "link/live_reading.h"

void SplitDataReadData(const QByteArray& reply) {
    Trapped("SplitDataReadData", [&] {
        RealTimeSetState& set = RealTimeSet();
        RealTimeHooks& hooks = RealTimeHook();
        const LiveDecode decoded =
            DecodeLiveReply(reply, set.LowRangeFullScale, set.HighRangeFullScale);
        if (decoded.Fault != LiveReplyFault::TooShort)
            CallHook(hooks.BatteryPicture, decoded.Reading.BatteryLow);
        if (!decoded.Good()) {
            // Dropped whole: nothing of it is appended, logged or drawn.
            Events().StatusText(ResString(3860));
            set.DroppedReadingShown = true;
            return;
        }
        ClearDroppedReadingText();
        const LiveReading& r = decoded.Reading;
        AppendLiveReading(set, r.X, r.Y, r.Z, r.Res);
        CallHook(hooks.ShowLiveInfo);
        if (RealTimeLogOpen() && !AppendRealTimeRecord(r.X, r.Y, r.Z))
            Events().StatusText(ResString(3861));
        CallHook(hooks.DrawReading);
    });
}

void ClearDroppedReadingText() {
    RealTimeSetState& set = RealTimeSet();
    if (!set.DroppedReadingShown)
        return;
    set.DroppedReadingShown = false;
    Events().StatusText(QString());
}

void RegisterLiveReplyHandler() {
    LinkReplyHook().LiveReading = [](const QByteArray& reply) { SplitDataReadData(reply); };
}
