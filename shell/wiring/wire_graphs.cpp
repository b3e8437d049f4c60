#include "shell/wiring/wire_graphs.h"

#include "shell/main/main_hooks.h"
#include "views/graphs/frm_graph_rf.h"
#include "views/graphs/frm_graph_st.h"
#include "views/graphs/frm_graph_te.h"
#include "views/graphs/graph_hooks.h"
#include "views/printing/print_graph.h"
#include "views/table/table_hooks.h"
#include "views/windows/single_window.h"

void RegisterGraphs() {
    MainWindowHooks& main = MainWindowHook();
    main.GraphTe = ViewOf<frmGraphTe>([] { ShowGraphTe(); });
    main.GraphSt = ViewOf<frmGraphSt>([] { Window<frmGraphSt>().Show(); });
    // A new data set closes the RF graph; it opens again only from its button.
    main.UnloadGraphRf = [] { Window<frmGraphRf>().Unload(); };

    GraphHooks& graphs = GraphHook();
    graphs.PrintGraph = [](const QString& title, const QString& kind) { PrintGraph(title, kind); };
    graphs.ShowRfGraph = [] { Window<frmGraphRf>().Show(); };
    DataTableHook().RfGraph = []() -> CrosshairChart* {
        return GraphRfOpen() ? Window<frmGraphRf>().Instance() : nullptr;
    };
}
