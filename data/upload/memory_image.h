#pragma once

#include "data/dataset.h"
#include "link/memory_layout.h"

#include <QByteArrayView>
#include <QDateTime>
#include <QtGlobal>

#include <optional>

// The instrument's memory image as the download brings it: a 96-byte header (next write
// address, start time stamps, unit and step, programmed stop, stop reason, the marker
// "VYK", the identification texts) followed by 7-byte sample records.
namespace MemoryImage {
constexpr int HeaderBytes = Link::ImageHeaderBytes;
constexpr int RecordBytes = Link::ImageRecordBytes;
constexpr int MarkerOffset = 29;
} // namespace MemoryImage

// Why an image cannot become a data set.
enum class ImageRefusal {
    None,
    TooShort,  // not even the header arrived
    NoMarker,  // "VYK" is missing: not a memory image of this instrument
    NoSamples, // the write address leaves no record, or no whole record arrived
    BadUnit,   // a sampling unit code without a letter (only 2..5 are units)
    BadStep,   // a sampling step outside 1..99
};

struct UnpackedImage {
    ImageRefusal Refusal = ImageRefusal::None;
    DataSet Data; // the complete data set when Refusal is None
    // The start stamp is no time stamp (a digit above 9, as in memory never written): the
    // start was decoded the lenient way and only the user can tell the real one.
    bool StartUnreadable = false;
};

// One axis of a record: raw is unsigned 16-bit, high byte first. High range: 200/1024 uT a
// count; low range: 2/1024 uT a count, raw 0..3 read as 0. Rounded to 2 decimals, halves
// to even.
float SampleValue(quint8 high, quint8 low, bool highRange);
// The resultant of three components, rounded to 2 decimals, halves to even.
double Resultant(float x, float y, float z);

// Start date-time of a header stamp (second, minute, hour, day with the year bits, month):
// each field read as BCD, the year the latest one not after now with the stamp's bits,
// fields beyond their range carried into the next unit as calendar arithmetic does.
QDateTime StampDateTime(const quint8* stamp, const QDateTime& now);
// True when every field of the stamp is written in decimal digits (the year bits of the day
// and the bits above the month left aside).
bool StampReadable(const quint8* stamp);

// Turns a memory image into a fresh data set: nothing outside it is touched. The sample
// count is bounded by the whole records present in the image. now picks the century-less
// years of the time stamps. start, when given, is the start time instead of the stamp's.
UnpackedImage UnpackMemoryImage(QByteArrayView image, const QDateTime& now,
                                const std::optional<QDateTime>& start = std::nullopt);
