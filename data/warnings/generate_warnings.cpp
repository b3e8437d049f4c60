#include "data/warnings/generate_warnings.h"

#include "core/error_report.h"
#include "core/options.h"
#include "data/dataset.h"
#include "data/warnings/warning_rows.h"

WarningsPaneHooks& WarningsPane() {
    static WarningsPaneHooks hooks;
    return hooks;
}

void GenerateWarnings() {
    Trapped("GenerateWarnings", [] {
        const std::vector<WarningRow> rows = BuildWarnings(CurrentData(), Options().Threshold);
        const WarningsPaneHooks& pane = WarningsPane();
        if (pane.Clear)
            pane.Clear();
        if (!pane.Add)
            return;
        for (const WarningRow& row : rows)
            pane.Add(row.Text, static_cast<int>(row.Level));
    });
}
