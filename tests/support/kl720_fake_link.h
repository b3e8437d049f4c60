#pragma once

#include "link/comm_port.h"
#include "link/comm_state.h"
#include "tests/support/fake_serial_port.h"
#include "tests/support/kl720_instrument.h"
#include "tests/support/virtual_time.h"

#include <memory>

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

// The link from a fresh communication state on a fake port on virtual time, opened as port 1
// with the emulated instrument attached; port receives the fake port. False when the port
// does not open. ResetLinkForTests (link_reset.h) takes it down again.
inline bool OpenFakeInstrumentLink(VirtualTime& time, Kl720Instrument& instrument,
                                   FakeSerialPort*& port) {
    ResetCommState();
    auto owned = std::make_unique<FakeSerialPort>(&time);
    port = owned.get();
    InstallSeriale(std::move(owned));
    SetPortResolver([](int n) { return QStringLiteral("fake%1").arg(n); });
    if (!OpenCommPort(1))
        return false;
    AttachInstrument(*port, instrument, time);
    return true;
}
