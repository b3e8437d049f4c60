#include "shell/main/main_hooks.h"

MainHooks& MainWindowHooks() {
    static MainHooks hooks;
    return hooks;
}
