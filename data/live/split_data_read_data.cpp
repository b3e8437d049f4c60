#include "data/live/split_data_read_data.h"

#include "core/error_report.h"
#include "core/language.h"
#include "core/program_events.h"
#include "data/files/realtime_log.h"
#include "data/live/realtime_hooks.h"
#include "data/live/realtime_set.h"
#include "link/link_hooks.h"
#include "link/live_reading.h"

namespace {
template <class F, class... A> void call(const F& hook, A&&... args) {
    if (hook)
        hook(std::forward<A>(args)...);
}
} // namespace

void SplitDataReadData(const QByteArray& reply) {
    Trapped("SplitDataReadData", [&] {
        RealTimeSetState& set = RealTimeSet();
        RealTimeHooks& hooks = RealTimeHook();
        const LiveDecode decoded =
            DecodeLiveReply(reply, set.LowRangeFullScale, set.HighRangeFullScale);
        if (decoded.Fault != LiveReplyFault::TooShort)
            call(hooks.BatteryPicture, decoded.Reading.BatteryLow);
        if (!decoded.Good()) {
            // Dropped whole: nothing of it is appended, logged or drawn.
            Events().StatusText(ResString(3860));
            return;
        }
        const LiveReading& r = decoded.Reading;
        AppendLiveReading(set, r.X, r.Y, r.Z, r.Res);
        call(hooks.ShowLiveInfo);
        if (RealTimeLogOpen() && !AppendRealTimeRecord(r.X, r.Y, r.Z))
            Events().StatusText(ResString(3861));
        call(hooks.DrawReading);
    });
}

void RegisterLiveReplyHandler() {
    LinkReplyHook().LiveReading = [](const QByteArray& reply) { SplitDataReadData(reply); };
}
