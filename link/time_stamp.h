#pragma once

#include <QDateTime>
#include <QtGlobal>

#include <array>
#include <optional>

// The instrument's five-byte BCD time stamp: second, minute, hour, day (bits 0-5 BCD day,
// bits 6-7 the year), month. The instrument has only two bits for the year: they hold
// (year - 2012) mod 4, and a reader takes the latest year not after "now" whose bits match.
using InstrumentStamp = std::array<quint8, 5>;

// 0..99 as two BCD digits.
quint8 ToBcd(int value);
// Two BCD digits read as decimal; a digit above 9 ends the number (0x1F is 1, 0xF1 is 0).
int FromBcd(quint8 bcd);

InstrumentStamp EncodeStamp(const QDateTime& when);
// The date-time of a stamp, with the year picked near now; nothing when a field is out of
// range or the day does not exist.
std::optional<QDateTime> DecodeStamp(const quint8* bytes, const QDateTime& now);
// The year whose two low bits (year - 2012) mod 4 are yearBits, the latest not after the
// year of now.
int YearFromBits(int yearBits, int nowYear);
