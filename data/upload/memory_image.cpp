#include "data/upload/memory_image.h"

#include "link/live_reading.h"
#include "link/monitor_units.h"
#include "link/time_stamp.h"
#include "platform/code_page.h"
#include "text/date_math.h"

#include <algorithm>
#include <cmath>

namespace {
quint8 byteAt(QByteArrayView image, qsizetype offset) {
    return static_cast<quint8>(image[offset]);
}

quint16 wordAt(QByteArrayView image, qsizetype offset) {
    return static_cast<quint16>(byteAt(image, offset) << 8 | byteAt(image, offset + 1));
}

} // namespace

float SampleValue(quint8 high, quint8 low, bool highRange) {
    const int raw = high << 8 | low;
    double value;
    if (highRange)
        value = raw * static_cast<double>(HighRangeFullScale) / 1024.0;
    else if (high == 0 && low <= 3)
        value = 0.0;
    else
        value = raw * static_cast<double>(StoredLowRangeFullScale) / 1024.0;
    return static_cast<float>(RoundTwoDecimalsHalfEven(value));
}

double Resultant(float x, float y, float z) {
    const double dx = x, dy = y, dz = z;
    return RoundTwoDecimalsHalfEven(std::sqrt(dy * dy + dx * dx + dz * dz));
}

QDateTime StampDateTime(const quint8* stamp, const QDateTime& now) {
    const int second = FromBcd(stamp[0]);
    const int minute = FromBcd(stamp[1]);
    const int hour = FromBcd(stamp[2]);
    const int day = FromBcd(stamp[3] & 0x3F);
    const int month = FromBcd(stamp[4] & 0x1F);
    const int year = YearFromBits((stamp[3] & 0xC0) >> 6, now.date().year());
    // Month 0 is December of the year before, day 0 the last day of the month before.
    const QDate date = QDate(year, 1, 1).addMonths(month - 1).addDays(day - 1);
    return QDateTime(date, QTime(0, 0), Qt::UTC).addSecs(hour * 3600 + minute * 60 + second);
}

bool StampReadable(const quint8* stamp) {
    auto decimal = [](quint8 bcd) { return (bcd >> 4) <= 9 && (bcd & 0x0F) <= 9; };
    return decimal(stamp[0]) && decimal(stamp[1]) && decimal(stamp[2]) &&
           decimal(stamp[3] & 0x3F) && decimal(stamp[4] & 0x1F);
}

UnpackedImage UnpackMemoryImage(QByteArrayView image, const QDateTime& now,
                                const std::optional<QDateTime>& start) {
    UnpackedImage result;
    auto refuse = [&result](ImageRefusal why) {
        result.Refusal = why;
        result.Data = DataSet();
        return result;
    };
    if (image.size() < MemoryImage::HeaderBytes)
        return refuse(ImageRefusal::TooShort);
    if (image.sliced(MemoryImage::MarkerOffset, 3) != QByteArrayView("VYK"))
        return refuse(ImageRefusal::NoMarker);

    const QString unit = StepUnitLetter(byteAt(image, 7) & 7);
    if (unit.isEmpty())
        return refuse(ImageRefusal::BadUnit);
    const int step = FromBcd(byteAt(image, 8));
    if (step < 1 || step > 99)
        return refuse(ImageRefusal::BadStep);

    const qint32 recordsPresent =
        static_cast<qint32>((image.size() - MemoryImage::HeaderBytes) / MemoryImage::RecordBytes);
    const qint32 samples = std::min(RecordsForAddress(wordAt(image, 0)), recordsPresent);
    if (samples <= 0)
        return refuse(ImageRefusal::NoSamples);

    DataSet& d = result.Data;
    d.StopReason = byteAt(image, 20);
    d.DataSourceName = QStringLiteral("Upload");
    d.IDShort = DecodeWindows1252(image.sliced(32, IdShortLength).toByteArray());
    d.IDLong = DecodeWindows1252(image.sliced(48, IdLongLength).toByteArray());
    const qsizetype stampOffset = (byteAt(image, 9) & 1) ? 10 : 2;
    const quint8* stamp = reinterpret_cast<const quint8*>(image.data()) + stampOffset;
    result.StartUnreadable = !StampReadable(stamp);
    d.StartDate = start ? *start : StampDateTime(stamp, now);
    d.NumSamples = samples;
    d.SampleStepUnit = unit;
    d.SampleStep = step;
    d.DataPresent = true;
    d.DataSaved = false;
    d.CurrentFileName.clear();
    d.RfDataPresent = false;

    const qint32 stopRecords = std::max(RecordsForAddress(wordAt(image, 15)), 0);
    d.StopDate = stopRecords == 0
                     ? NoStopDate()
                     : DateAdd(unit, static_cast<qint64>(step) * stopRecords, d.StartDate);
    d.DataEndDate = DataEndTime(d);

    d.DataX.resize(samples + 1);
    d.DataY.resize(samples + 1);
    d.DataZ.resize(samples + 1);
    d.DataRes.resize(samples + 1);
    for (qint32 i = 1; i <= samples; ++i) {
        const qsizetype at =
            MemoryImage::HeaderBytes + static_cast<qsizetype>(i - 1) * MemoryImage::RecordBytes;
        const quint8 ranges = byteAt(image, at + 6);
        d.DataX[i] = SampleValue(byteAt(image, at), byteAt(image, at + 1), ranges & 1);
        d.DataY[i] = SampleValue(byteAt(image, at + 2), byteAt(image, at + 3), ranges & 2);
        d.DataZ[i] = SampleValue(byteAt(image, at + 4), byteAt(image, at + 5), ranges & 4);
        d.DataRes[i] = Resultant(d.DataX[i], d.DataY[i], d.DataZ[i]);
    }
    return result;
}
