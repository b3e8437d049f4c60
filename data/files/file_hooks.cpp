#include "data/files/file_hooks.h"

SessionFileHooks& SessionFileHook() {
    static SessionFileHooks hooks;
    return hooks;
}
