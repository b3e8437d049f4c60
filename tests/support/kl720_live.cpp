#include "tests/support/kl720_live.h"

#include "tests/support/kl720_instrument.h"

#include <cmath>

void AdvanceLiveReading(Kl720Instrument& k) {
    const int t = ++k.liveTick;
    // x 0.2 .. 0.98 µT and y 0.59 .. 1.76 µT on the low range (2 µT at 1024 counts).
    k.liveX = static_cast<quint16>(300 + 200 * std::sin(t / 5.0));
    k.liveY = static_cast<quint16>(600 + 300 * std::cos(t / 7.0));
    const bool zHigh = (t / 4) % 2 == 1;
    // z 2.3 .. 4.1 µT on the high range (200 µT at 1024 counts), 1.4 .. 1.7 µT on the low.
    k.liveZ =
        zHigh ? static_cast<quint16>(12 + (t % 4) * 3) : static_cast<quint16>(700 + 20 * (t % 10));
    k.liveStatus = static_cast<quint8>((zHigh ? 0x04 : 0x00) | (t % 25 == 0 ? 0x80 : 0x00));
}
