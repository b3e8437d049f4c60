// Any five bytes as the instrument's time stamp: what decodes encodes back to the same
// bytes (where they are plain BCD, as the instrument writes them) and to the same time, in
// a year not after now whose two bits are the stamp's.
#include "link/time_stamp.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {
[[noreturn]] void breach(const char* what) {
    std::fprintf(stderr, "time stamp fuzz: %s\n", what);
    std::abort();
}

bool plainBcd(quint8 b) {
    return (b >> 4) <= 9 && (b & 0x0F) <= 9;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 5)
        return 0;
    // "Now" from the bytes after the stamp: any day of 2012 to 2099.
    int nowDays = 0;
    if (size >= 7)
        nowDays = (data[5] << 8 | data[6]) % (88 * 365);
    const QDateTime now(QDate(2012, 1, 1).addDays(nowDays), QTime(12, 0), Qt::UTC);
    const std::optional<QDateTime> when = DecodeStamp(data, now);
    if (!when)
        return 0;
    // The latest year not after now whose bits match: one of the four years up to now's.
    // Near 2012 that year lies before 2012, so the bits are the remainder taken upward.
    const int year = when->date().year();
    const int nowYear = now.date().year();
    if (!when->isValid() || year > nowYear || year <= nowYear - 4 ||
        ((year - 2012) % 4 + 4) % 4 != data[3] >> 6)
        breach("a stamp decoded to a year its bits or now do not allow");
    const InstrumentStamp back = EncodeStamp(*when);
    const std::optional<QDateTime> again = DecodeStamp(back.data(), now);
    if (!again || *again != *when)
        breach("an encoded stamp decodes to another time");
    // The month byte's top three bits are not read.
    const quint8 stamp[5] = {data[0], data[1], data[2], data[3],
                             static_cast<quint8>(data[4] & 0x1F)};
    const bool plain = plainBcd(stamp[0]) && plainBcd(stamp[1]) && plainBcd(stamp[2]) &&
                       plainBcd(stamp[3] & 0x3F) && plainBcd(stamp[4]);
    if (plain && std::memcmp(back.data(), stamp, 5) != 0)
        breach("a decoded stamp encodes to other bytes");
    return 0;
}
