// Any bytes as the options file: only a record of the file's exact size is read, and a
// record repaired of its out-of-range fields is in range, and repairing it again changes
// nothing. Its bytes read back to the same bytes.
#include "core/options.h"

#include <QByteArray>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {
[[noreturn]] void breach(const char* what) {
    std::fprintf(stderr, "options record fuzz: %s\n", what);
    std::abort();
}

bool inRange(const OptionsRecord& r) {
    return r.CommPort >= 1 && r.CommPort <= 10 && r.Language <= 1 && r.WindowState >= 0 &&
           r.WindowState <= 2 &&
           (r.MemorySize == 4096 || r.MemorySize == 8192 || r.MemorySize == 32768 ||
            r.MemorySize == 65536) &&
           std::isfinite(r.Threshold) && r.Threshold >= 0.0f && r.Threshold <= 200.0f;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray raw(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    OptionsRecord record;
    if (OptionsFromBytes(raw, record) != (raw.size() == OptionsFileSize))
        breach("a record of another size was read, or one of the right size refused");
    // The input as a whole record: cut or padded to the file's size.
    QByteArray bytes = raw.left(OptionsFileSize);
    bytes.append(QByteArray(OptionsFileSize - bytes.size(), '\0'));
    if (!OptionsFromBytes(bytes, record))
        breach("a record of the file's size was refused");
    DefaultOutOfRangeOptions(record);
    if (!inRange(record))
        breach("a repaired record is out of range");
    const QByteArray repaired = OptionsToBytes(record);
    if (repaired.size() != OptionsFileSize)
        breach("a record wrote another size");
    if (DefaultOutOfRangeOptions(record) || OptionsToBytes(record) != repaired)
        breach("repairing a repaired record changed it");
    OptionsRecord back;
    if (!OptionsFromBytes(repaired, back) || OptionsToBytes(back) != repaired)
        breach("a written record reads back otherwise");
    return 0;
}
