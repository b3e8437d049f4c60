// Any bytes as the second kind of instrument's count reply to "E", through the block
// exchange on a scripted line: the count is the reply's leading number (blanks before it
// skipped), no reply is said as such, a count beyond any memory is refused before a block
// is asked for, and otherwise exactly the counted blocks are taken. The line sends up to
// MostBlocksSent whole blocks after "H", so a larger count breaks off at the first missing
// one.
#include "fuzz/fuzz_line.h"
#include "link/block_exchange.h"
#include "link/comm_port.h"
#include "link/comm_state.h"

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

FuzzClock stepClock;

// Answers "E" with the count reply and "H" with the blocks it holds, each at once.
class ScriptLine final : public FuzzLine {
public:
    using FuzzLine::FuzzLine;
    QByteArray countReply;
    qint32 blocksLeft = 0;
    int countAsked = 0;

private:
    void Written(const QByteArray& bytes) override {
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
    }
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
    auto owned = std::make_unique<ScriptLine>(stepClock);
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
