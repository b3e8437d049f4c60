#include "views/graphs/graph_hooks.h"

GraphHooks& GraphHook() {
    static GraphHooks hooks;
    return hooks;
}
