#include "shell/startup/shell_hooks.h"

ShellHooks& ShellHook() {
    static ShellHooks hooks;
    return hooks;
}
