#include "data/upload/load_hooks.h"

DataLoadHooks& DataLoad() {
    static DataLoadHooks hooks;
    return hooks;
}
