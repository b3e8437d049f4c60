#include "views/table/view_data_source.h"

#include "core/error_report.h"
#include "data/dataset.h"
#include "views/graphs/frm_graph_te.h"
#include "views/table/chart_row_link.h"
#include "views/table/frm_source.h"
#include "views/table/table_hooks.h"
#include "views/table/table_report_file.h"
#include "views/table/table_rows.h"
#include "views/table/table_text_box.h"
#include "views/windows/single_window.h"

namespace {
ChartRowWindows openWindows() {
    ChartRowWindows windows;
    const DataTableHooks& hooks = DataTableHook();
    if (hooks.TimeGraph)
        windows.timeGraph = hooks.TimeGraph();
    else
        windows.timeGraph = GraphTeOpen() ? GraphTeWindow() : nullptr;
    windows.rfGraph = hooks.RfGraph ? hooks.RfGraph() : nullptr;
    windows.table = SourceWindow();
    return windows;
}
} // namespace

bool ViewDataSource(qint16 Chronological, qint16 unused) {
    Q_UNUSED(unused);
    return Trapped("ViewDataSource", false, [&] {
        DataSet& data = CurrentData();
        if (!data.DataPresent)
            return false;
        const bool timeOrder = Chronological != 0;
        if (!timeOrder)
            SortByValue(data);
        // The table passes whole through the report file before any window changes, so a
        // failure leaves none half filled.
        auto rows = std::make_shared<const TableRows>(data, timeOrder ? TableOrder::Time
                                                                      : TableOrder::Value);
        PassThroughReportFile(*rows);
        const qint32 medianRow = rows->MedianRow();

        frmSource& form = LoadSourceWindow();
        form.ShowTable(std::move(rows), timeOrder);
        if (medianRow >= 0)
            HighlightMediana(medianRow);
        Window<frmSource>().Show();
        form.raise();
        form.activateWindow();
        return true;
    });
}

void HighlightMediana(qint32 Pos) {
    Trapped("HighlightMediana", [&] {
        frmSource* form = SourceWindow();
        if (!form || Pos < 0)
            return;
        // The header length of the table shown: a station import has one line more.
        form->txtSource->MarkLine(LineOfPoint(Pos, form->HeaderOffset()));
    });
}

void GetChartPoint() {
    Trapped("GetChartPoint", [] { FollowCaret(openWindows()); });
}

void GetSourceRow(qint32 ValueIndex) {
    Trapped("GetSourceRow", [&] { FollowPoint(openWindows(), ValueIndex); });
}
