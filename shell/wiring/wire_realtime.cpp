#include "shell/wiring/wire_realtime.h"

#include "data/live/realtime_hooks.h"
#include "data/live/realtime_set.h"
#include "data/live/split_data_read_data.h"
#include "shell/main/frm_main.h"
#include "shell/main/main_hooks.h"
#include "shell/main/picture_store.h"
#include "shell/main/toolbar_buttons.h"
#include "shell/panes/update_info.h"
#include "views/realtime/frm_view.h"
#include "views/windows/single_window.h"

#include <QAction>

namespace {
// The view while it stands and is not going away.
frmView* liveView() {
    frmView* view = Window<frmView>().Instance();
    return view && !view->Unloading() ? view : nullptr;
}
} // namespace

LiveInfo LiveInfoFromSet() {
    const RealTimeSetState& set = RealTimeSet();
    LiveInfo live;
    live.IdShort = set.RtIDShort;
    live.IdLong = set.RtIDLong;
    live.Active = set.RealTimeActive;
    live.Count = set.RtCount;
    live.SourceName = set.RtSourceName;
    live.Start = set.RtStartDate;
    live.Step = set.RtStep;
    live.StepUnit = set.RtStepUnit;
    live.Min = set.Figures.RtMin;
    live.Max = set.Figures.RtMax;
    live.Mean = set.Figures.RtMean;
    return live;
}

void WireRealTime() {
    RegisterLiveReplyHandler();
    RealTimeHooks& hooks = RealTimeHook();
    hooks.BatteryPicture = [](bool low) {
        if (MainWindowLoaded())
            MainWindow().SetBattStatus(low ? StatusPicture::BatteryLow : StatusPicture::BatteryOk);
    };
    hooks.ShowLiveInfo = [] { UpdateRTInfo(LiveInfoFromSet()); };
    hooks.DrawReading = [] {
        if (frmView* view = liveView())
            view->DrawLatestReading();
    };
    hooks.ClearTrend = [] {
        if (frmView* view = liveView())
            view->ClearTrend();
    };
    hooks.ShowPolling = [](PollingShown shown) {
        if (frmView* view = liveView())
            view->ShowPolling(shown);
    };
    hooks.EnableInstrumentButtons = [](bool enabled) {
        if (!MainWindowLoaded())
            return;
        for (Button button : {Button::IdCode, Button::Monitor, Button::Upload})
            if (QAction* action = MainWindow().ToolbarButton(button))
                action->setEnabled(enabled);
    };
    MainWindowHook().ShowRealTimeView = [] { Window<frmView>().Show(); };
}
