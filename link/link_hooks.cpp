#include "link/link_hooks.h"

LinkReplyHooks& LinkReplyHook() {
    static LinkReplyHooks hooks;
    return hooks;
}
