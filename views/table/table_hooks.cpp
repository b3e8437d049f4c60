#include "views/table/table_hooks.h"

TableHooks& DataTableHooks() {
    static TableHooks hooks;
    return hooks;
}
