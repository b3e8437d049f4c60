// Any bytes as the blocks the second kind of instrument sends, unpacked the way the download
// unpacks them (blocks 0, 2, 4, ...: the odd copies are dropped before): a refused block
// leaves the data set built so far exactly as it was, and after every accepted one the data
// set is whole, with one sample for each the block declares and the fillers of its gap.
//
// The input is a run of pieces, each the 11 header bytes, a byte k and up to 4k sample
// bytes; a piece becomes a block of 4011 bytes with zeros after what the piece gave. A piece
// that the input cuts short is sent as it came, shorter than a block, as a line that broke
// off mid-block would leave it.
#include "data/dataset.h"
#include "data/upload/tressil_blocks.h"
#include "text/date_math.h"

#include <QByteArray>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {
// Enough blocks to grow and refuse a data set; the download's own limit on the count is a
// test of its own.
constexpr int MaxPieces = 64;
constexpr qsizetype BlockBytes = Blocks::HeaderBytes + 4 * Blocks::MaxBlockSamples;

[[noreturn]] void breach(const char* what) {
    std::fprintf(stderr, "block unpack fuzz: %s\n", what);
    std::abort();
}

bool sameData(const DataSet& a, const DataSet& b) {
    return a.NumSamples == b.NumSamples && a.SampleStep == b.SampleStep &&
           a.SampleStepUnit == b.SampleStepUnit && a.StartDate == b.StartDate &&
           a.DataPresent == b.DataPresent && a.DataX == b.DataX && a.DataY == b.DataY &&
           a.DataZ == b.DataZ && a.DataRes == b.DataRes;
}

bool isValue(float v) {
    return v >= 0.0f && v <= 49.8f;
}

void checkWhole(const BlockUnpacker& unpacker, const DataSet& d) {
    const qsizetype size = qsizetype(d.NumSamples) + 1;
    if (!unpacker.Started() || !d.DataPresent || d.NumSamples < 0 || d.DataX.size() != size ||
        d.DataY.size() != size || d.DataZ.size() != size || d.DataRes.size() != size)
        breach("the sample arrays do not hold exactly the samples");
    if (d.SampleStep < 1 || d.SampleStepUnit != u"n" || !d.StartDate.isValid())
        breach("an accepted block gave a data set without a step or a start");
    if (unpacker.NextSampleTime() !=
        DateAdd(QStringLiteral("n"), qint64(d.SampleStep) * d.NumSamples, d.StartDate))
        breach("the next block's time is not one step past the last sample");
}

// The samples first + 1 .. first + count hold the block's converted values; the fillers
// before them are all not available.
void checkSamples(const DataSet& d, const QByteArray& block, qint32 fillersFrom, qint32 first,
                  qint32 count) {
    for (qint32 i = fillersFrom + 1; i <= first; ++i)
        if (d.DataX[i] != NotAvailable || d.DataY[i] != NotAvailable ||
            d.DataZ[i] != NotAvailable || d.DataRes[i] != NotAvailable)
            breach("a filler is not marked as not available");
    for (qint32 i = 0; i < count; ++i) {
        const qint32 k = first + 1 + i;
        const auto* s = reinterpret_cast<const quint8*>(block.constData()) + 11 + 4 * i;
        if (d.DataX[k] != BlockSampleValue(s[0], s[3] & 1) ||
            d.DataY[k] != BlockSampleValue(s[1], s[3] & 2) ||
            d.DataZ[k] != BlockSampleValue(s[2], s[3] & 4))
            breach("a sample is not the block's value");
        if (!isValue(d.DataX[k]) || !isValue(d.DataY[k]) || !isValue(d.DataZ[k]))
            breach("a sample lies outside the instrument's range");
        const double res =
            std::sqrt(double(d.DataX[k]) * d.DataX[k] + double(d.DataY[k]) * d.DataY[k] +
                      double(d.DataZ[k]) * d.DataZ[k]);
        if (std::fabs(d.DataRes[k] - res) > 0.005 + 1e-9)
            breach("a resultant is not that of its sample");
    }
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray input(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    BlockUnpacker unpacker;
    qsizetype at = 0;
    bool accepted = false;
    for (int piece = 0; piece < MaxPieces && at < input.size(); ++piece) {
        QByteArray block;
        if (input.size() - at < Blocks::HeaderBytes + 1) {
            block = input.mid(at);
            at = input.size();
        } else {
            const qsizetype sampleBytes = 4 * qsizetype(quint8(input[at + Blocks::HeaderBytes]));
            const qsizetype given = qMin(sampleBytes, input.size() - at - Blocks::HeaderBytes - 1);
            block =
                input.mid(at, Blocks::HeaderBytes) + input.mid(at + Blocks::HeaderBytes + 1, given);
            if (given == sampleBytes)
                block.append(QByteArray(BlockBytes - block.size(), '\0'));
            at += Blocks::HeaderBytes + 1 + given;
        }

        const qint32 number = 2 * piece;
        const bool wasStarted = unpacker.Started();
        const QDateTime nextBefore = unpacker.NextSampleTime();
        const DataSet before = unpacker.Data();
        bool badDate = false;
        const BlockRefusal refusal = unpacker.SpacchettaBlocco(number, block, &badDate);
        const DataSet& after = unpacker.Data();
        if (refusal != BlockRefusal::None) {
            if (unpacker.Started() != wasStarted || unpacker.NextSampleTime() != nextBefore ||
                !sameData(before, after))
                breach("a refused block changed the data set");
            // The download stops at the first refusal.
            break;
        }
        accepted = true;
        checkWhole(unpacker, after);
        const BlockHeader header = ReadBlockHeader(block);
        if (header.count < 0 || header.count > Blocks::MaxBlockSamples)
            breach("a block with more samples than a block holds was taken");
        if (!wasStarted) {
            if (after.NumSamples != header.count || after.SampleStep != header.step)
                breach("the first block's count or step was not taken");
            const QDateTime when = BlockTime(header);
            if (badDate != !when.isValid() ||
                after.StartDate != (when.isValid() ? when : NaiveDateTime(1899, 12, 30)))
                breach("the first block's time was not taken");
            checkSamples(after, block, 0, 0, header.count);
        } else {
            const qint32 grown = after.NumSamples - before.NumSamples;
            const qint32 fillers = grown - header.count;
            if (fillers < 0 || fillers > Blocks::MaxGapMinutes ||
                after.SampleStep != before.SampleStep || after.StartDate != before.StartDate)
                breach("a later block did not append its samples and its fillers");
            // The samples already there stay as they were.
            for (qint32 i = 1; i <= before.NumSamples; ++i)
                if (after.DataX[i] != before.DataX[i] || after.DataRes[i] != before.DataRes[i])
                    breach("a later block changed the samples before it");
            checkSamples(after, block, before.NumSamples, before.NumSamples + fillers,
                         header.count);
        }
    }
    if (accepted) {
        // What the download does with the blocks once they all came.
        DataSet& d = unpacker.Data();
        d.StopDate = unpacker.NextSampleTime();
        d.DataEndDate = unpacker.NextSampleTime();
        RecomputeStatistics(d);
        if (d.StatisticsPresent &&
            (d.ResMin > d.ResMax || d.MedianIndex < 1 || d.MedianIndex > d.NumSamples))
            breach("the statistics do not fit the samples");
    }
    return 0;
}
