#include "link/block_exchange.h"

#include "core/wait_box.h"
#include "link/comm_port.h"
#include "link/comm_state.h"
#include "link/exchange.h"
#include "platform/clock.h"

#include <QCoreApplication>

#include <algorithm>
#include <limits>

namespace {
// Slices of the waits: the event loop runs between them.
constexpr int SliceMs = 20;

void runEvents() {
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

// Waits, with the event loop running, until at least count bytes wait or timeoutMs pass.
qint64 waitForBytes(SerialPort& port, qint64 count, int timeoutMs) {
    const qint64 deadline = CurrentClock().MonotonicMs() + timeoutMs;
    for (;;) {
        runEvents();
        const qint64 waiting = port.BytesWaiting();
        if (waiting >= count || !port.IsOpen())
            return waiting;
        const qint64 left = deadline - CurrentClock().MonotonicMs();
        if (left <= 0)
            return waiting;
        port.WaitForReadyRead(static_cast<int>(std::min<qint64>(left, SliceMs)));
    }
}

// Holds the port for the exchange: an exchange of the link still under way ends first
// (within its own time-out), the keep-alive stops and comes back afterwards, the live
// readings' sends are refused quietly meanwhile.
class PortHold {
public:
    PortHold() {
        CommunicationState& state = CommState();
        const qint64 deadline = CurrentClock().MonotonicMs() + Link::LiveReadingTimeoutMs + 500;
        while (state.CommandPending() && CurrentClock().MonotonicMs() < deadline) {
            runEvents();
            Seriale().WaitForReadyRead(SliceMs);
            runEvents();
        }
        if (state.CommandPending())
            TimeoutFunction();
        keepAlive_ = state.PollTimerId != 0 && Timers().IsTimerRunning(state.PollTimerId);
        StopKeepAlive();
        Seriale().SetReceiveEventsEnabled(false);
        state.PortHeld = true;
    }
    ~PortHold() {
        CommunicationState& state = CommState();
        state.PortHeld = false;
        if (Seriale().IsOpen())
            Seriale().DiscardInput();
        if (keepAlive_ && state.Connected)
            StartKeepAlive();
    }
    PortHold(const PortHold&) = delete;
    PortHold& operator=(const PortHold&) = delete;

private:
    bool keepAlive_ = false;
};
} // namespace

qint32 LeadingBlockCount(QByteArrayView reply) {
    qsizetype i = 0;
    while (i < reply.size() && reply[i] == ' ')
        ++i;
    qint64 count = 0;
    for (; i < reply.size() && reply[i] >= '0' && reply[i] <= '9'; ++i) {
        count = count * 10 + (reply[i] - '0');
        if (count > std::numeric_limits<qint32>::max())
            return std::numeric_limits<qint32>::max();
    }
    return static_cast<qint32>(count);
}

BlockExchangeResult ExchangeBlocks(const BlockReceiver& receive, const BlockTimings& timings) {
    BlockExchangeResult result;
    SerialPort& port = Seriale();
    if (!port.IsOpen()) {
        result.failure = BlockFailure::PortClosed;
        return result;
    }
    PortHold hold;
    port.DiscardInput();
    port.Write(QByteArrayLiteral("E"));
    if (waitForBytes(port, Blocks::CountReplyBytes, timings.countReplyMs) == 0) {
        result.failure = BlockFailure::NoCountReply;
        return result;
    }
    result.blocks = LeadingBlockCount(port.ReadAll());
    if (result.blocks > Blocks::MaxBlocks) {
        result.failure = BlockFailure::TooManyBlocks;
        return result;
    }
    port.Write(QByteArrayLiteral("H"));
    for (qint32 b = 0; b < result.blocks; ++b) {
        StepWaitBox(20);
        const qint64 waiting = waitForBytes(port, Blocks::BlockBytes, timings.blockMs);
        // Only a block exactly whole counts: a short one, or bytes beyond it, break off.
        runEvents();
        if (waiting != Blocks::BlockBytes || port.BytesWaiting() != Blocks::BlockBytes) {
            result.failure = BlockFailure::BlockMissing;
            result.failedBlock = b;
            return result;
        }
        const QByteArray block = port.ReadAll();
        if (block.size() != Blocks::BlockBytes) {
            result.failure = BlockFailure::BlockMissing;
            result.failedBlock = b;
            return result;
        }
        if (!receive(b, block)) {
            result.failure = BlockFailure::Refused;
            result.failedBlock = b;
            return result;
        }
        port.Write(QByteArrayLiteral("H"));
    }
    return result;
}
