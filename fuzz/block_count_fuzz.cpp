// Any bytes as the second kind of instrument's count reply to "E", through the block
// exchange on a scripted line: the count is the reply's leading number (blanks before it
// skipped), no reply is said as such, a count beyond any memory is refused before a block
// is asked for, and otherwise exactly the counted blocks are taken. The line sends up to
// MostBlocksSent whole blocks after "H", so a larger count breaks off at the first missing
// one.
#include "link/block_exchange.h"
#include "link/comm_port.h"
#include "link/comm_state.h"
#include "platform/clock.h"
#include "platform/serial/serial_port.h"

#include <QCoreApplication>

#include <charconv>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <memory>
#include <optional>

namespace {
constexpr qint32 MostBlocksSent = 3;

[[noreturn]] void breach(const char* what) {
    std::fprintf(stderr, "block count fuzz: %s\n", what);
    std::abort();
}

// Time moves only when the line is waited for, so a silent line costs nothing.
class StepClock final : public Clock {
public:
    QDateTime Now() const override { return QDateTime(QDate(2026, 12, 10), QTime(9, 0), Qt::UTC); }
    qint64 MonotonicMs() const override { return now; }
    qint64 now = 0;
};
StepClock stepClock;

// Answers "E" with the count reply and "H" with the blocks it holds, each at once.
class ScriptLine final : public SerialPort {
public:
    bool Open(const QString&, SerialError*) override { return open = true; }
    void Close() override { open = false; }
    bool IsOpen() const override { return open; }
    QString Path() const override { return QStringLiteral("fuzz"); }
    qint64 BytesWaiting() override { return input.size(); }
    void DiscardInput() override { input.clear(); }
    void DiscardOutput() override {}
    bool Write(const QByteArray& bytes) override {
        if (bytes == "E") {
            input += countReply;
            ++countAsked;
        } else if (bytes == "H") {
            // Each "H" is answered by the next block while any is left.
            if (blocksLeft > 0) {
                input += QByteArray(Blocks::BlockBytes, '\0');
                --blocksLeft;
            }
        }
        return open;
    }
    QByteArray ReadAll() override {
        QByteArray out;
        out.swap(input);
        return out;
    }
    bool WaitForReadyRead(int ms) override {
        stepClock.now += ms;
        return false;
    }
    void SetReceiveEventsEnabled(bool) override {}
    bool ReceiveEventsEnabled() const override { return false; }
    void SetReceiveHandler(std::function<void()>) override {}
    void SetLostHandler(std::function<void()>) override {}
    bool open = false;
    QByteArray input;
    QByteArray countReply;
    qint32 blocksLeft = 0;
    int countAsked = 0;
};
ScriptLine* line = nullptr;

// The count the reply gives, read apart from the exchange: none when it is too large for
// 32 bits.
std::optional<qint64> expectedCount(const QByteArray& reply) {
    const char* at = reply.constData();
    const char* end = at + reply.size();
    while (at < end && *at == ' ')
        ++at;
    if (at == end || *at < '0' || *at > '9')
        return 0;
    qint64 count = 0;
    const auto [past, error] = std::from_chars(at, end, count);
    if (error != std::errc() || count > std::numeric_limits<qint32>::max())
        return std::nullopt;
    return count;
}
} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    static QCoreApplication app(*argc, *argv);
    SetClock(&stepClock);
    auto owned = std::make_unique<ScriptLine>();
    line = owned.get();
    InstallSeriale(std::move(owned));
    line->Open(QString(), nullptr);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    line->input.clear();
    line->countReply =
        QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    line->blocksLeft = MostBlocksSent;
    line->countAsked = 0;
    qint32 received = 0;
    const BlockExchangeResult result = ExchangeBlocks([&](qint32 block, QByteArrayView bytes) {
        if (block != received || bytes.size() != Blocks::BlockBytes)
            breach("a block came out of order or not whole");
        ++received;
        return true;
    });
    if (CommState().PortHeld)
        breach("the exchange kept the port");
    if (line->countAsked != 1)
        breach("the count was not asked for exactly once");

    const std::optional<qint64> count = expectedCount(line->countReply);
    if (line->countReply.isEmpty()) {
        if (result.failure != BlockFailure::NoCountReply || received != 0)
            breach("no reply was not said as such");
        return 0;
    }
    if (!count || *count > Blocks::MaxBlocks) {
        if (result.failure != BlockFailure::TooManyBlocks || received != 0)
            breach("a count beyond any memory was not refused before the blocks");
        return 0;
    }
    if (result.blocks != *count)
        breach("the count is not the reply's leading number");
    if (*count <= MostBlocksSent) {
        if (result.failure != BlockFailure::None || received != *count)
            breach("the counted blocks were not all taken");
    } else if (result.failure != BlockFailure::BlockMissing ||
               result.failedBlock != MostBlocksSent || received != MostBlocksSent) {
        breach("a block that never came was not said as missing");
    }
    return 0;
}
