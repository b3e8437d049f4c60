#include "shell/graphs/register_graphs.h"

#include "shell/main/file_commands.h"
#include "shell/main/frm_main.h"
#include "shell/main/main_hooks.h"
#include "shell/panes/update_info.h"
#include "views/graphs/frm_graph_rf.h"
#include "views/graphs/frm_graph_st.h"
#include "views/graphs/frm_graph_te.h"
#include "views/graphs/graph_hooks.h"
#include "views/table/table_hooks.h"
#include "views/table/view_data_source.h"
#include "views/windows/single_window.h"

#include <QMdiSubWindow>

namespace {
// A graph window in a child frame of the main window while it stands, else alone.
void showChild(QWidget* window) {
    if (!MainWindowLoaded()) {
        window->show();
        return;
    }
    QMdiSubWindow* frame = qobject_cast<QMdiSubWindow*>(window->parentWidget());
    if (!frame)
        frame = MainWindow().AddChildWindow(window);
    frame->show();
    window->show();
}
} // namespace

void RegisterGraphs() {
    MainHooks::View& view = MainWindowHooks().GraphTe;
    view.IsOpen = [] { return GraphTeOpen(); };
    view.Show = [] { ShowGraphTe(); };
    view.Window = []() -> QWidget* { return GraphTeWindow(); };
    view.Unload = [] { CloseGraphTe(); };

    MainHooks::View& statistics = MainWindowHooks().GraphSt;
    statistics.IsOpen = [] { return GraphStOpen(); };
    statistics.Show = [] { Window<frmGraphSt>().Show(); };
    statistics.Window = []() -> QWidget* { return Window<frmGraphSt>().Instance(); };
    statistics.Unload = [] { Window<frmGraphSt>().Unload(); };
    // A new data set closes the RF graph; it opens again only from its button.
    MainWindowHooks().UnloadGraphRf = [] { Window<frmGraphRf>().Unload(); };

    GraphHooks& graphs = GraphHook();
    graphs.ShowChild = showChild;
    graphs.UpdateInfo = [] { UpdateInfo(); };
    // Printing is not built yet: the print button says so rather than doing nothing.
    graphs.PrintGraph = [](const QString&, const QString&) { CommandNotAvailable(); };
    graphs.PointClicked = [](qint32 valueIndex) { GetSourceRow(valueIndex); };
    graphs.ShowRfGraph = [] { Window<frmGraphRf>().Show(); };
    DataTableHooks().TimeGraph = []() -> CrosshairChart* {
        return GraphTeOpen() ? GraphTeWindow() : nullptr;
    };
    DataTableHooks().RfGraph = []() -> CrosshairChart* {
        return GraphRfOpen() ? Window<frmGraphRf>().Instance() : nullptr;
    };
}
