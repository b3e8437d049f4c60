#pragma once

#include <QtGlobal>

// The instrument's memory as the download brings it and as a session's stop address points
// into it: a 96-byte header, then 7-byte records, one a sample; a stop address is the byte
// after the session's last record.
namespace Link {
constexpr int ImageHeaderBytes = 96;
constexpr int ImageRecordBytes = 7;
} // namespace Link

// Records that the address stands for: (address - 96) / 7 to the nearest whole number
// (negative for an address inside the header).
qint32 RecordsForAddress(qint64 address);
