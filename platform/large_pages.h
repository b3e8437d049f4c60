#pragma once

#include <cstddef>

// Asks the system to back a large buffer that is about to be filled with large pages where
// it can: a text of tens of megabytes otherwise costs a page fault, and the clearing of a
// page, every 4 KiB, which takes longer than writing the text itself. Only a hint: where
// the system has no such pages, nothing changes.
void PreferLargePages(void* data, std::size_t bytes);

// Buffers smaller than this are left alone.
inline constexpr std::size_t LargePagesFrom = std::size_t(8) << 20;
