#include "shell/main/main_hooks.h"

MainWindowHooks& MainWindowHook() {
    static MainWindowHooks hooks;
    return hooks;
}
