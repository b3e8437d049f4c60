#include "data/upload/tressil_blocks.h"

#include "link/live_reading.h"
#include "text/date_math.h"
#include "text/file_text_locale.h"

#include <cmath>

namespace {
quint8 byteAt(QByteArrayView bytes, qsizetype i) {
    return static_cast<quint8>(bytes[i]);
}
qint32 wordAt(QByteArrayView bytes, qsizetype i) {
    return byteAt(bytes, i) | (byteAt(bytes, i + 1) << 8);
}
} // namespace

BlockHeader ReadBlockHeader(QByteArrayView block) {
    BlockHeader h;
    if (block.size() < Blocks::HeaderBytes)
        return h;
    h.count = wordAt(block, 0);
    h.step = wordAt(block, 2);
    h.second = byteAt(block, 4);
    h.minute = byteAt(block, 5);
    h.hour = byteAt(block, 6);
    h.day = byteAt(block, 7);
    h.month = byteAt(block, 8);
    h.year = wordAt(block, 9);
    return h;
}

QDateTime BlockTime(const BlockHeader& h) {
    if (h.year < 100 || h.year > 9999)
        return QDateTime();
    const QDate date(h.year, h.month, h.day);
    const QTime time(h.hour, h.minute, h.second);
    if (!date.isValid() || !time.isValid())
        return QDateTime();
    return QDateTime(date, time, Qt::UTC);
}

float BlockSampleValue(quint8 raw, bool highRange) {
    if (highRange)
        return static_cast<float>(
            RoundTwoDecimalsHalfEven(raw * double(HighRangeFullScale) / 1024.0));
    if (raw < 4)
        return 0.0f;
    return static_cast<float>(
        RoundTwoDecimalsHalfEven(raw * double(StoredLowRangeFullScale) / 1024.0));
}

BlockRefusal BlockUnpacker::SpacchettaBlocco(qint32 block, QByteArrayView bytes, bool* badDate) {
    if (bytes.size() < Blocks::HeaderBytes + 4 * Blocks::MaxBlockSamples)
        return BlockRefusal::Short;
    const BlockHeader header = ReadBlockHeader(bytes);
    if (header.count > Blocks::MaxBlockSamples)
        return BlockRefusal::TooManySamples;
    const bool starts = block == 0 || !started_;
    // Every sample's time is the start plus its steps: a step of 0 would give them all one
    // time, and a data set that cannot be saved.
    if (starts && header.step < 1)
        return BlockRefusal::NoStep;

    QDateTime when = BlockTime(header);
    if (badDate)
        *badDate = !when.isValid();
    if (!when.isValid())
        when = QDateTime(ZeroDate(), QTime(0, 0), Qt::UTC);

    qint32 first = 0;
    if (starts) {
        data_ = DataSet();
        data_.IDShort = QString(IdShortLength, u' ');
        data_.IDLong = QString(IdLongLength, u' ');
        data_.RfDataPresent = false;
        data_.SampleStep = header.step;
        data_.SampleStepUnit = QStringLiteral("n");
        data_.StartDate = when;
        data_.NumSamples = header.count;
        data_.DataPresent = true;
        data_.DataSaved = false;
        started_ = true;
        fillers_ = 0;
    } else {
        // The gap from where the samples stopped to this block's start, counted in whole
        // minutes (40 seconds are none), then in whole steps of the data set, so each
        // sample keeps the time start + (i - 1) x step.
        const qint64 gapSeconds = DateDiff(QStringLiteral("s"), next_, when);
        const qint64 gapMinutes = gapSeconds <= 0 ? 0 : gapSeconds / 60;
        if (gapMinutes > Blocks::MaxGapMinutes)
            return BlockRefusal::GapTooLong;
        const qint64 fillers = gapMinutes / std::max<qint32>(data_.SampleStep, 1);
        if (fillers_ + fillers > Blocks::MaxFillerSamples)
            return BlockRefusal::GapTooLong;
        fillers_ += fillers;
        first = data_.NumSamples;
        const qint32 total = first + static_cast<qint32>(fillers) + header.count;
        data_.DataX.resize(total + 1);
        data_.DataY.resize(total + 1);
        data_.DataZ.resize(total + 1);
        data_.DataRes.resize(total + 1);
        for (qint32 i = first + 1; i <= first + fillers; ++i) {
            data_.DataX[i] = data_.DataY[i] = data_.DataZ[i] = NotAvailable;
            data_.DataRes[i] = NotAvailable;
        }
        first += static_cast<qint32>(fillers);
        data_.NumSamples = total;
    }
    next_ =
        DateAdd(data_.SampleStepUnit, qint64(data_.SampleStep) * data_.NumSamples, data_.StartDate);

    const qint32 total = data_.NumSamples;
    data_.DataX.resize(total + 1);
    data_.DataY.resize(total + 1);
    data_.DataZ.resize(total + 1);
    data_.DataRes.resize(total + 1);
    for (qint32 i = 0; i < header.count; ++i) {
        const qsizetype at = Blocks::HeaderBytes + 4 * qsizetype(i);
        const quint8 flags = byteAt(bytes, at + 3);
        const float x = BlockSampleValue(byteAt(bytes, at), flags & 1);
        const float y = BlockSampleValue(byteAt(bytes, at + 1), flags & 2);
        const float z = BlockSampleValue(byteAt(bytes, at + 2), flags & 4);
        const qint32 k = first + 1 + i;
        data_.DataX[k] = x;
        data_.DataY[k] = y;
        data_.DataZ[k] = z;
        data_.DataRes[k] =
            RoundTwoDecimalsHalfEven(std::sqrt(double(x) * x + double(y) * y + double(z) * z));
    }
    return BlockRefusal::None;
}
