#include "shell/datatable/register_data_table.h"

#include "shell/main/file_commands.h"
#include "shell/panes/update_info.h"
#include "views/table/table_hooks.h"

void RegisterDataTable() {
    DataTableHooks().UpdateInfo = UpdateInfo;
    // Printing is not built yet: the print button says so rather than doing nothing.
    DataTableHooks().PrintData = [] { CommandNotAvailable(); };
}
