#include "tests/support/kl720_fake_link.h"

void AttachInstrument(FakeSerialPort& port, Kl720Instrument& instrument, VirtualTime& time,
                      FakeInstrumentLine line) {
    port.responder = [&port, &instrument, &time, line](const QByteArray& written) {
        for (const QByteArray& reply : instrument.Feed(written)) {
            switch (instrument.LastAppliedFault()) {
            case Kl720Instrument::Fault::Vanish:
                time.At(time.MonotonicMs() + line.replyDelayMs, [&port] { port.Vanish(); });
                break;
            case Kl720Instrument::Fault::SlowPieces: {
                const qsizetype third = reply.size() / 3;
                port.Arrive(line.replyDelayMs, reply.left(third));
                port.Arrive(line.replyDelayMs + line.pieceGapMs, reply.mid(third, third));
                port.Arrive(line.replyDelayMs + 2 * line.pieceGapMs, reply.mid(2 * third));
                break;
            }
            default:
                if (!reply.isEmpty())
                    port.Arrive(line.replyDelayMs, reply);
                break;
            }
        }
    };
}
