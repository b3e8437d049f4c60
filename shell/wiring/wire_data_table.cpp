#include "shell/wiring/wire_data_table.h"

#include "shell/main/file_commands.h"
#include "views/table/table_hooks.h"

void RegisterDataTable() {
    // Printing is not built yet: the print button says so rather than doing nothing.
    DataTableHook().PrintData = [] { CommandNotAvailable(); };
}
