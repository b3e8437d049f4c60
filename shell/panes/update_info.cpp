#include "shell/panes/update_info.h"

#include "core/error_report.h"
#include "data/dataset.h"
#include "link/comm_state.h"
#include "shell/main/frm_main.h"
#include "shell/panes/frm_info.h"
#include "views/realtime/frm_view.h"
#include "views/windows/single_window.h"

#include <QMdiArea>
#include <QMdiSubWindow>

void UpdateInfo() {
    Trapped("UpdateInfo", [] {
        const CommunicationState& comm = CommState();
        InfoWindow().Apply(DataInfoView(CurrentData(), comm.MonitorState, comm.Connected));
    });
}

bool RealTimeViewActive() {
    if (!MainWindowLoaded())
        return false;
    QMdiArea* area = MainWindow().MdiArea();
    if (!area)
        return false;
    // The current child, not the active one: a box or a floating pane in front leaves the
    // child that was last active current.
    QMdiSubWindow* child = area->currentSubWindow();
    frmView* view = Window<frmView>().Instance();
    return view && child && child->widget() == view;
}

void UpdateRTInfo(const LiveInfo& live) {
    Trapped("UpdateRTInfo", [&] {
        if (!RealTimeViewActive())
            return;
        const CommunicationState& comm = CommState();
        InfoWindow().Apply(LiveInfoView(live, comm.MonitorState, comm.Connected));
    });
}
