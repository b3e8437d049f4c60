#pragma once

#include "data/dataset.h"

#include <QByteArrayView>
#include <QDateTime>
#include <QtGlobal>

// One block of the second kind of instrument (4011 bytes, values low byte first): the
// sample count c (at most 1000), the step in minutes, the time of its first sample
// (second, minute, hour, day, month, two-byte year), then 1000 samples of four bytes:
// x, y and z raw values and the range flags (bit 0 x, bit 1 y, bit 2 z on the high range).

namespace Blocks {
inline constexpr int MaxBlockSamples = 1000;
inline constexpr int HeaderBytes = 11;
// A gap before a block is filled with samples that are not available: an instrument that
// was off over a weekend or a holiday is read whole. Only a corrupt date lies further
// away than a year, and the whole download's fillers stay within a year of one-minute
// samples, so a run of such dates cannot grow the data set without bound.
inline constexpr qint64 MaxGapMinutes = 366 * 24 * 60;
inline constexpr qint64 MaxFillerSamples = MaxGapMinutes;
} // namespace Blocks

struct BlockHeader {
    qint32 count = 0;
    qint32 step = 0; // minutes
    qint32 second = 0, minute = 0, hour = 0, day = 0, month = 0, year = 0;
};
BlockHeader ReadBlockHeader(QByteArrayView block);
// The time of the block's first sample; invalid when the fields are no date-time.
QDateTime BlockTime(const BlockHeader& header);

// A raw value in uT: on the high range raw x 200 / 1024, on the low range 0 below 4 and
// raw x 2 / 1024 otherwise, rounded to 2 decimals (halves to even).
float BlockSampleValue(quint8 raw, bool highRange);

enum class BlockRefusal {
    None,
    TooManySamples, // a count above 1000
    NoStep,         // a first block whose step is 0 minutes: its samples would have no times
    GapTooLong,     // more than a year before the block, or a year of fillers in all
    Short,          // fewer bytes than a block
};

// Builds the data set block by block (block 0 starts it, later blocks append, with
// samples that are not available filling a gap before them), so that the caller makes it
// the current data set only once every block came.
class BlockUnpacker {
public:
    // Adds one block; block 0 starts a new data set. badDate is set when the block's time
    // was no valid date-time (the zero date is taken then).
    BlockRefusal SpacchettaBlocco(qint32 block, QByteArrayView bytes, bool* badDate = nullptr);
    // True once block 0 came.
    bool Started() const { return started_; }
    // The time at which the next block is expected to start.
    QDateTime NextSampleTime() const { return next_; }
    DataSet& Data() { return data_; }

private:
    DataSet data_;
    QDateTime next_;
    qint64 fillers_ = 0; // samples added for gaps so far
    bool started_ = false;
};
