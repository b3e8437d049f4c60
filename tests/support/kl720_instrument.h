#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QtGlobal>

#include "tests/support/tressil_memory.h"

#include <array>
#include <functional>
#include <vector>

// An emulated KL720 speaking the packet protocol: it takes the request bytes as they come
// and answers each whole request with its reply frame. It keeps identification texts, the
// last clock setting, the settings and status block, the live reading and a memory image of
// chosen samples. Written apart from the program's own packet code, so that the two check
// each other.
class Kl720Instrument {
public:
    // What goes wrong with the replies (see SetFault).
    enum class Fault {
        None,
        Silence,     // no reply at all
        BadCrc,      // the last CRC byte is wrong
        ErrorReply,  // the instrument refuses: echo 0xFF
        Truncated,   // the frame loses its last two bytes
        WrongEcho,   // a well-formed reply echoing another command
        WrongLength, // a well-formed reply with one data byte more than the command has
        Garbage,     // three stray bytes before a good frame
        SlowPieces,  // the good frame in three pieces (the transport paces them)
        Vanish,      // the line goes away instead of answering (the transport acts)
    };

    struct Sample {
        quint16 x = 0, y = 0, z = 0;
        quint8 flags = 0; // bits 0..2: x, y, z on the high range
    };

    Kl720Instrument();

    // Feeds bytes received from the program; answers the replies of the requests they
    // completed (after faults), in order. A request with a bad CRC gets no reply.
    QList<QByteArray> Feed(QByteArrayView bytes);

    // The fault hits the next count replies (-1: all) to command (0: any command).
    void SetFault(Fault fault, int count = -1, int command = 0);
    Fault fault() const { return fault_; }
    // The fault the last Feed applied to its last reply (for the transport's own faults).
    Fault LastAppliedFault() const { return lastApplied_; }

    // The reply frame for echo and data, CRC-16/ARC high byte first.
    static QByteArray BuildReply(quint8 echo, QByteArrayView data);
    static quint16 Crc(QByteArrayView bytes);
    // The memory image of command 4: 96-byte header then 7-byte records.
    QByteArray MemoryImage() const;
    static constexpr int MaxSamples = 9348; // 96 + 7 * 9348 = 65532, the longest image

    // Identification: exactly 16 and 48 bytes.
    QByteArray idShort = QByteArray(16, ' ');
    QByteArray idLong = QByteArray(48, ' ');
    // The settings and status block of command 10 (same bytes at image offsets 2..20).
    std::array<quint8, 19> settings{};
    // The live reading of command 2.
    quint16 liveX = 0, liveY = 0, liveZ = 0;
    quint8 liveStatus = 0;
    // The live reading moves on after each command-2 reply (see kl720_live.h).
    bool liveMoving = false;
    int liveTick = 0;
    std::vector<Sample> samples;
    // The last clock stamp (command 11) and session parameters (command 12) received.
    QByteArray clockStamp;
    // The instrument's running time in milliseconds (a steady clock unless a test sets
    // it): its clock moves on from the stamp it was set to, and a session programmed to
    // start at a date counts as started once that clock reaches the date.
    std::function<qint64()> elapsedMs;
    QByteArray sessionParams;
    // The second kind of instrument behind the same line: while enabled, the single
    // request bytes "E" and "H" outside a frame are its block protocol.
    TressilMemory tressil;
    // Every request frame received whole (good CRC), and the commands of those.
    QList<QByteArray> requests;
    QList<int> commands;

private:
    QByteArray answer(quint8 cmd, QByteArrayView data);
    // A session waiting for its programmed start begins when the clock has reached it.
    void advanceSession();
    qint64 clockSetAtMs_ = 0;
    QByteArray applyFault(quint8 cmd, QByteArray reply);

    QByteArray pending_;
    Fault fault_ = Fault::None;
    int faultCount_ = 0;
    int faultCommand_ = 0;
    Fault lastApplied_ = Fault::None;
};
