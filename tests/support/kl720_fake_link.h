#pragma once

#include "tests/support/fake_serial_port.h"
#include "tests/support/kl720_instrument.h"
#include "tests/support/virtual_time.h"

// Puts the emulated instrument behind a fake port on virtual time: each request written is
// fed to it, and its reply arrives replyDelayMs later (a "slow pieces" reply in three
// pieces pieceGapMs apart; a "vanish" fault makes the port fail when the event loop next
// runs).
struct FakeInstrumentLine {
    qint64 replyDelayMs = 5;
    qint64 pieceGapMs = 400;
};
void AttachInstrument(FakeSerialPort& port, Kl720Instrument& instrument, VirtualTime& time,
                      FakeInstrumentLine line = {});
