#include "platform/large_pages.h"

#include <cstdint>

#if defined(__linux__)
#include <sys/mman.h>
#endif

void PreferLargePages(void* data, std::size_t bytes) {
#if defined(__linux__) && defined(MADV_HUGEPAGE)
    if (bytes < LargePagesFrom)
        return;
    // Only whole pages inside the buffer; the system takes large pages where they fit.
    constexpr std::uintptr_t Page = 4096;
    const auto start = reinterpret_cast<std::uintptr_t>(data);
    const std::uintptr_t first = (start + Page - 1) & ~(Page - 1);
    const std::uintptr_t last = (start + bytes) & ~(Page - 1);
    if (last > first)
        madvise(reinterpret_cast<void*>(first), last - first, MADV_HUGEPAGE);
#else
    (void)data;
    (void)bytes;
#endif
}
