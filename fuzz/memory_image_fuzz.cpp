// Any bytes as a downloaded memory image: the unpacking never reads past them, and what it
// accepts is a whole data set whose records all lie inside the image.
#include "data/dataset.h"
#include "data/upload/memory_image.h"

#include <QDateTime>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArrayView image(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QDateTime now(QDate(2026, 12, 10), QTime(9, 0), Qt::UTC);
    UnpackedImage unpacked = UnpackMemoryImage(image, now);
    DataSet& d = unpacked.Data;
    if (unpacked.Refusal != ImageRefusal::None) {
        if (d.DataPresent || d.NumSamples != 0)
            std::abort();
        return 0;
    }
    const qint64 n = d.NumSamples;
    if (n < 1 || MemoryImage::HeaderBytes + MemoryImage::RecordBytes * n > image.size())
        std::abort();
    if (d.DataX.size() != n + 1 || d.DataRes.size() != n + 1)
        std::abort();
    if (!d.StartDate.isValid() || !d.DataEndDate.isValid() || !d.StopDate.isValid())
        std::abort();
    RecomputeStatistics(d);
    if (!d.StatisticsPresent || d.MedianIndex < 1 || d.MedianIndex > n ||
        d.MedianSampleNumber < 1 || d.MedianSampleNumber > n)
        std::abort();
    return 0;
}
