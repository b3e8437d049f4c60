#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QtGlobal>

#include <functional>

// The raw block protocol of the second kind of instrument: "E" asks for the number of
// blocks (an ASCII text whose leading number is the count), then each "H" is answered by
// one block of exactly BlockBytes bytes; one "H" follows the last block too. No framing,
// no CRC, and no part in the packet link's one-command rule: while it runs the exchange
// owns the port (the keep-alive and the live readings wait, the receive event leaves the
// bytes alone) and gives it back on every way out.

namespace Blocks {
inline constexpr int BlockBytes = 4011;
// The count reply is read once this many bytes wait (fewer are taken at the time-out).
inline constexpr int CountReplyBytes = 6;
// More blocks than any memory of the instrument holds means a garbled count.
inline constexpr qint32 MaxBlocks = 1024;
} // namespace Blocks

struct BlockTimings {
    int countReplyMs = 2000; // the wait for the count reply
    int blockMs = 15000;     // the wait for each block
};

enum class BlockFailure {
    None,
    PortClosed,    // no port open
    NoCountReply,  // nothing came after "E"
    TooManyBlocks, // a count beyond Blocks::MaxBlocks
    BlockMissing,  // a block not whole within its wait (silence, a short block, extra bytes)
    Refused,       // the receiver of a block refused it
};

struct BlockExchangeResult {
    BlockFailure failure = BlockFailure::None;
    qint32 blocks = 0;       // the count the instrument gave
    qint32 failedBlock = -1; // the block that broke the exchange
};

// The leading decimal number of the count reply: leading blanks skipped, digits up to the
// first other character, no digits 0; a number too long for 32 bits is taken as too many.
qint32 LeadingBlockCount(QByteArrayView reply);

// Called for each block b (0-based) with its bytes; false breaks the exchange off.
using BlockReceiver = std::function<bool(qint32 block, QByteArrayView bytes)>;

// Runs the exchange on the link's port, letting the event loop run (without user input)
// while it waits. Each block goes to receive; the wait box's marker moves once a block.
BlockExchangeResult ExchangeBlocks(const BlockReceiver& receive,
                                   const BlockTimings& timings = BlockTimings());
