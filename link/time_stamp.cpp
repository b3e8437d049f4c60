#include "link/time_stamp.h"

#include "core/error_report.h"

namespace {
// Two BCD digits, or -1 when a digit is above 9.
int strictBcd(quint8 bcd) {
    const int high = bcd >> 4, low = bcd & 0x0F;
    return high > 9 || low > 9 ? -1 : high * 10 + low;
}

int yearBitsOf(int year) {
    return ((year - 2012) % 4 + 4) % 4;
}
} // namespace

quint8 ToBcd(int value) {
    if (value < 0 || value > 99)
        RaiseError(ErrorNumber::Overflow, QStringLiteral("Overflow"));
    return static_cast<quint8>((value / 10) << 4 | (value % 10));
}

int FromBcd(quint8 bcd) {
    const int high = bcd >> 4, low = bcd & 0x0F;
    if (high > 9)
        return 0;
    if (low > 9)
        return high;
    return high * 10 + low;
}

InstrumentStamp EncodeStamp(const QDateTime& when) {
    const QDate date = when.date();
    const QTime time = when.time();
    return {ToBcd(time.second()), ToBcd(time.minute()), ToBcd(time.hour()),
            static_cast<quint8>(ToBcd(date.day()) | yearBitsOf(date.year()) << 6),
            ToBcd(date.month())};
}

int YearFromBits(int yearBits, int nowYear) {
    int year = nowYear;
    while (yearBitsOf(year) != (yearBits & 3))
        --year;
    return year;
}

std::optional<QDateTime> DecodeStamp(const quint8* bytes, const QDateTime& now) {
    const int second = strictBcd(bytes[0]);
    const int minute = strictBcd(bytes[1]);
    const int hour = strictBcd(bytes[2]);
    const int day = strictBcd(bytes[3] & 63);
    const int month = strictBcd(bytes[4] & 31);
    if (second < 0 || second > 59 || minute < 0 || minute > 59 || hour < 0 || hour > 23 ||
        day < 1 || month < 1 || month > 12)
        return std::nullopt;
    const QDate date(YearFromBits(bytes[3] >> 6, now.date().year()), month, day);
    if (!date.isValid())
        return std::nullopt;
    return QDateTime(date, QTime(hour, minute, second), Qt::UTC);
}
