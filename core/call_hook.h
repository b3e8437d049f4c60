#pragma once

#include <utility>

// Calls a member of a hook table (an XHooks) with the arguments, or does nothing while
// nobody has set it: every layer runs alone in tests, where most hooks stay empty.
template <class F, class... A> void CallHook(const F& hook, A&&... args) {
    if (hook)
        hook(std::forward<A>(args)...);
}
