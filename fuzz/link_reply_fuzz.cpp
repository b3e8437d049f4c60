// Any bytes as the instrument's reply to a pending command: the check and the dispatch
// never read past what came, always end the exchange, and accept only the pending
// command's own reply of its own length. The first byte picks the pending command.
#include "fuzz/fuzz_line.h"
#include "link/comm_port.h"
#include "link/comm_state.h"
#include "link/exchange.h"
#include "link/link_hooks.h"
#include "link/packet.h"
#include "platform/ui_services.h"

#include <QApplication>

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <vector>

namespace {
FuzzClock stepClock;

// The reply comes in up to three pieces, then the line is silent.
class ScriptPort final : public FuzzLine {
public:
    using FuzzLine::FuzzLine;
    bool WaitForReadyRead(int ms) override {
        if (pieces.empty())
            return FuzzLine::WaitForReadyRead(ms);
        clock.now += 1;
        input += pieces.front();
        pieces.erase(pieces.begin());
        return true;
    }
    std::vector<QByteArray> pieces;
};
ScriptPort* port = nullptr;

class SilentUi final : public UiServices {
public:
    bool StandardBox(const QString&, const QString&, StandardIcon, StandardButtons) override {
        std::abort(); // a reply, however bad, never reaches the error report
    }
    bool ShowMessageBox(const MessageBoxRequest&) override { return true; }
    FileDialogResult OpenFile(const FileDialogRequest&) override { return {}; }
    FileDialogResult SaveFile(const FileDialogRequest&) override { return {}; }
    Qt::KeyboardModifiers KeyboardModifiers() override { return Qt::NoModifier; }
};
SilentUi ui;

const int kCommands[] = {2, 3, 4, 7, 8, 10, 11, 12, 13, 14};
} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication app(*argc, *argv);
    SetClock(&stepClock);
    SetUi(&ui);
    auto owned = std::make_unique<ScriptPort>(stepClock);
    port = owned.get();
    InstallSeriale(std::move(owned));
    port->Open(QString(), nullptr);
    LinkReplyHook().LiveReading = [](const QByteArray& r) {
        if (r.size() != 13)
            std::abort();
    };
    LinkReplyHook().Download = [](const QByteArray& r) {
        if (r.size() < 102 || r.size() > 65538)
            std::abort();
        return (r.size() & 1) == 0;
    };
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1)
        return 0;
    const int cmd = kCommands[data[0] % std::size(kCommands)];
    const QByteArray reply(reinterpret_cast<const char*>(data + 1),
                           static_cast<qsizetype>(size - 1));
    // Cut where the second byte says: the first piece waits, the rest come later.
    const qsizetype cut = size > 2 ? data[1] % (reply.size() + 1) : reply.size();
    port->input = reply.left(cut);
    port->pieces.clear();
    if (cut < reply.size())
        port->pieces.push_back(reply.mid(cut));

    CommunicationState& state = CommState();
    state.Connected = true;
    state.TimeoutCount = 0;
    state.CurrentCommand = QString::number(cmd);
    const bool ok = ReceiveCommand();
    if (state.CommandPending())
        std::abort();
    if (ok) {
        const QByteArray& rx = state.RxBuffer;
        const int n = GetCommandChars(QString::number(cmd));
        if (!AnalyzePacket(rx) || static_cast<quint8>(rx[3]) != cmd || (n > 0 && rx.size() != n))
            std::abort();
        if (state.TimeoutCount != 0)
            std::abort();
        if (cmd == 7 && (state.IdShort.size() != 16 || state.IdLong.size() != 48))
            std::abort();
    } else if (state.TimeoutCount > 1) {
        std::abort();
    }
    return 0;
}
