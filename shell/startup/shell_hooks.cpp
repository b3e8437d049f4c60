#include "shell/startup/shell_hooks.h"

ShellHooks& ShellHooksRegistry() {
    static ShellHooks hooks;
    return hooks;
}
