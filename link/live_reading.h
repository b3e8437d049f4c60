#pragma once

#include <QByteArrayView>
#include <QtGlobal>

// The reply to the live-reading command 2, decoded: bytes 4..9 hold the x, y and z counts
// (high byte first), byte 10 the status (bits 0..2: x, y, z on the high range; bit 7: the
// battery is low).

struct LiveReading {
    float X = 0, Y = 0, Z = 0;
    float Res = 0;
    bool BatteryLow = false;
};

enum class LiveReplyFault {
    None,
    // The reply is shorter than its eleven bytes of frame and reading.
    TooShort,
    // A high-range count with its top bit set does not fit the 16-bit signed count the
    // instrument sends (its range is 1024 counts): the reading is not taken.
    HighRangeOverflow,
};

struct LiveDecode {
    LiveReading Reading;
    LiveReplyFault Fault = LiveReplyFault::None;
    // The axis (0 x, 1 y, 2 z) of a high-range overflow.
    int Axis = -1;
    bool Good() const { return Fault == LiveReplyFault::None; }
};

// Decodes one command-2 reply frame with the full scales (µT at 1024 counts) of the two
// ranges. Each component is rounded to 2 decimals, halves to even; the resultant is taken
// from the rounded components and rounded the same way. A low-range count of 0..3 reads as
// zero. The battery flag is read even from a reading that is not taken.
LiveDecode DecodeLiveReply(QByteArrayView reply, double lowRangeFullScale,
                           double highRangeFullScale);

// value rounded to 2 decimals, halves to even.
double RoundTwoDecimalsHalfEven(double value);
