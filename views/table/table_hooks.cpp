#include "views/table/table_hooks.h"

DataTableHooks& DataTableHook() {
    static DataTableHooks hooks;
    return hooks;
}
