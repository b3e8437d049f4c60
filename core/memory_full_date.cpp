#include "core/options.h"

#include "text/date_math.h"

#include <cmath>
#include <limits>

qint32 SamplesThatFit(qint64 memoryBytes) {
    // Halves round to even: 65536 bytes give 9349 samples.
    return static_cast<qint32>(std::nearbyint(static_cast<double>(memoryBytes - 96) / 7.0));
}

QDateTime CalculateMemoryFullDate(const QDateTime& start, qint32 step, const QString& unit,
                                  qint32 intervalMultiplier) {
    const qint64 count =
        static_cast<qint64>(SamplesThatFit(Options().MemorySize)) * step * intervalMultiplier;
    if (count > std::numeric_limits<qint32>::max() || count < std::numeric_limits<qint32>::min())
        return QDateTime();
    const QDateTime full = DateAdd(unit, count, start);
    if (!full.isValid() || full.date().year() > 9999)
        return QDateTime();
    return full;
}
