#pragma once

#if defined(DOCKABLE_BUILDING)
#define DOCKABLE_EXPORT __attribute__((visibility("default")))
#else
#define DOCKABLE_EXPORT
#endif
