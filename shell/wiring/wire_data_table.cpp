#include "shell/wiring/wire_data_table.h"

#include "views/printing/print_data.h"
#include "views/table/table_hooks.h"

void RegisterDataTable() {
    DataTableHook().PrintData = [] { PrintData(); };
}
