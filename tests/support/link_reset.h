#pragma once

#include "link/comm_port.h"
#include "link/comm_state.h"
#include "link/exchange.h"
#include "link/link_hooks.h"

// Leaves the link as a fresh start finds it: no timers, no port, no resolver, no hooks,
// fresh communication state. Tests that put the link together end with it.
inline void ResetLinkForTests() {
    StopLinkTimers();
    CloseCommPort();
    InstallSeriale(nullptr);
    SetPortResolver(nullptr);
    ResetCommState();
    LinkReplyHook() = LinkReplyHooks();
}
