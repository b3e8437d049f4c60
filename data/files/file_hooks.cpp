#include "data/files/file_hooks.h"

SessionFileHooks& FileHooks() {
    static SessionFileHooks hooks;
    return hooks;
}
