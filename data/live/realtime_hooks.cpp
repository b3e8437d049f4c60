#include "data/live/realtime_hooks.h"

RealTimeHooks& RealTimeHook() {
    static RealTimeHooks hooks;
    return hooks;
}
