#include "link/memory_layout.h"

#include <cmath>

qint32 RecordsForAddress(qint64 address) {
    const double records =
        static_cast<double>(address - Link::ImageHeaderBytes) / Link::ImageRecordBytes;
    return static_cast<qint32>(std::nearbyint(records));
}
