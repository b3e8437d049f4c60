#include "link/link_hooks.h"

LinkObservers& LinkObserver() {
    static LinkObservers observers;
    return observers;
}

LinkReplyHandlers& LinkReplies() {
    static LinkReplyHandlers handlers;
    return handlers;
}
