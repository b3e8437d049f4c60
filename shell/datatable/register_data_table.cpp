#include "shell/datatable/register_data_table.h"

#include "shell/panes/update_info.h"
#include "views/table/table_hooks.h"

void RegisterDataTable() {
    DataTableHooks().UpdateInfo = UpdateInfo;
}
