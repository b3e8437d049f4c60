#include "link/exchange.h"

#include "core/error_report.h"
#include "core/language.h"
#include "core/message_box.h"
#include "core/program_events.h"
#include "core/wait_box.h"
#include "link/comm_port.h"
#include "link/comm_state.h"
#include "link/connection.h"
#include "link/link_hooks.h"
#include "link/memory_layout.h"
#include "link/packet.h"
#include "platform/clock.h"
#include "platform/code_page.h"
#include "text/blank_trim.h"

#include <QCoreApplication>

#include <cmath>
#include <exception>
#include <optional>

namespace {
void showStatus(CommPicture picture, const QString& text) {
    emit Events().CommStatus(static_cast<int>(picture), text);
}

void panelText(const QString& text) {
    emit Events().StatusText(text);
}

void busyPointer(bool busy) {
    emit Events().BusyPointer(busy);
}

void closeWaitBox() {
    HideWaitBox();
}

void clearPending() {
    CommState().CurrentCommand = QString::number(CommunicationState::NoCommand);
}

// A failure of the exchange; the port gone away counts as the link lost, whatever the
// exchange saw of it.
void countFailure(ExchangeFailure why) {
    CommunicationState& state = CommState();
    state.LastFailure = Seriale().IsOpen() ? why : ExchangeFailure::LinkLost;
    if (state.TimeoutCount < 32767)
        ++state.TimeoutCount;
    if (state.TimeoutCount >= Link::FailuresToDrop)
        DropCommunication();
}

// Blocks until a new byte comes or timeoutMs pass, measured on the monotonic clock; a byte
// that comes exactly at the limit still counts.
bool waitForBytes(SerialPort& port, int timeoutMs) {
    const qint64 deadline = CurrentClock().MonotonicMs() + timeoutMs;
    for (;;) {
        const qint64 left = deadline - CurrentClock().MonotonicMs();
        if (left < 0 || !port.IsOpen())
            return false;
        const qint64 before = CurrentClock().MonotonicMs();
        if (port.WaitForReadyRead(static_cast<int>(left)))
            return true;
        // Only a wait that ended early (the port gave up before its time) is tried again;
        // a clock that did not move means there is nothing more to wait for.
        if (left == 0 || CurrentClock().MonotonicMs() == before)
            return false;
    }
}

bool waitForFirstByte(SerialPort& port, int timeoutMs) {
    return port.BytesWaiting() > 0 || waitForBytes(port, timeoutMs);
}

// A reply of fixed length: read until n bytes are in or the line stays silent for 0.7 s.
QByteArray readFixed(SerialPort& port, int n) {
    QByteArray buffer = port.ReadAll();
    while (buffer.size() < n && waitForBytes(port, Link::SilenceMs))
        buffer += port.ReadAll();
    return buffer;
}

// The download: read until 0.7 s of silence under the wait box. nullopt when the stream
// passes the longest reply a frame can announce (a line that never goes quiet).
std::optional<QByteArray> readBulk(SerialPort& port) {
    ShowWaitBox();
    // Let the box paint once; user input waits until the read is over.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    busyPointer(true);
    QByteArray buffer = port.ReadAll();
    qint64 lastTick = CurrentClock().MonotonicMs();
    while (buffer.size() <= Link::MaxReplyBytes && waitForBytes(port, Link::SilenceMs)) {
        buffer += port.ReadAll();
        const qint64 now = CurrentClock().MonotonicMs();
        if (now - lastTick >= 100) {
            lastTick = now;
            StepWaitBox(10);
        }
    }
    if (buffer.size() > Link::MaxReplyBytes)
        return std::nullopt;
    return buffer;
}

// Characters of the identification reply with blanks cut from both ends, then padded to
// the field's width.
QString idField(QByteArrayView bytes, int width) {
    return TrimBlanks(DecodeWindows1252(bytes.toByteArray())).leftJustified(width, u' ', true);
}

enum class Outcome { Success, Failure, DownloadRefused };

Outcome dispatch(int pending, const QByteArray& reply) {
    const int n = GetCommandChars(QString::number(pending));
    if (!AnalyzePacket(reply))
        return Outcome::Failure;
    const quint8 echo = static_cast<quint8>(reply.at(3));
    // Only the reply of the pending command, of exactly its length, counts.
    if (echo == Packet::ErrorEcho || echo != pending)
        return Outcome::Failure;
    if (n > 0 && reply.size() != n)
        return Outcome::Failure;
    LinkReplyHooks& handlers = LinkReplyHook();
    switch (pending) {
    case 2:
        if (handlers.LiveReading)
            handlers.LiveReading(reply);
        return Outcome::Success;
    case 4: {
        // The image must hold its header and whole records: the instrument sends its memory
        // up to the last record written.
        const qsizetype image = reply.size() - Packet::MinReply;
        if (image < Link::ImageHeaderBytes ||
            (image - Link::ImageHeaderBytes) % Link::ImageRecordBytes != 0)
            return Outcome::Failure;
        if (handlers.Download && handlers.Download(reply))
            return Outcome::Success;
        return Outcome::DownloadRefused;
    }
    case 7:
        CommState().IdShort = idField(QByteArrayView(reply).sliced(4, 16), 16);
        CommState().IdLong = idField(QByteArrayView(reply).sliced(20, 48), 48);
        return Outcome::Success;
    case 10:
        for (int i = 0; i < 19; ++i)
            CommState().MonitorSettings[i] = static_cast<quint8>(reply.at(4 + i));
        return Outcome::Success;
    default:
        return Outcome::Success;
    }
}

bool receive() {
    CommunicationState& state = CommState();
    SerialPort& port = Seriale();
    const int pending = state.CurrentCommand.toInt();
    const qint16 n = GetCommandChars(state.CurrentCommand);
    const bool download = n == 0;

    // Whatever happens below (a reply handler failing included), the exchange ends.
    struct EndGuard {
        bool download;
        bool done = false;
        ~EndGuard() {
            if (done)
                return;
            clearPending();
            if (download) {
                closeWaitBox();
                busyPointer(false);
            }
        }
    } guard{download};

    Outcome outcome = Outcome::Failure;
    if (download) {
        std::optional<QByteArray> reply = readBulk(port);
        state.RxBuffer = reply.value_or(QByteArray());
        if (reply)
            outcome = dispatch(pending, state.RxBuffer);
        panelText(QString());
        busyPointer(false);
        closeWaitBox();
    } else {
        state.RxBuffer = readFixed(port, n);
        outcome = dispatch(pending, state.RxBuffer);
    }
    guard.done = true;

    switch (outcome) {
    case Outcome::Success: {
        clearPending();
        state.TimeoutCount = 0;
        const bool was = state.Connected;
        state.Connected = true;
        if (!was)
            emit Events().LinkStateChanged(true);
        showStatus(CommPicture::Ok, ResString(3027));
        return true;
    }
    case Outcome::DownloadRefused:
        // The image came whole but did not become the data set: a good exchange.
        clearPending();
        state.TimeoutCount = 0;
        showStatus(CommPicture::Ok, ResString(3027));
        return false;
    case Outcome::Failure:
        break;
    }
    // The input goes first: a line that went away mid-reply shows it there, and the
    // failure then counts as the link lost.
    port.DiscardInput();
    countFailure(ExchangeFailure::BadReply);
    clearPending();
    showStatus(CommPicture::Failed, ResString(3028));
    return false;
}
} // namespace

qint16 GetCommandChars(const QString& command) {
    if (command == QLatin1String("1"))
        return 10;
    if (command == QLatin1String("2"))
        return 13;
    if (command == QLatin1String("3"))
        return 7;
    if (command == QLatin1String("4"))
        return 0;
    if (command == QLatin1String("7"))
        return 70;
    if (command == QLatin1String("9"))
        return 11;
    if (command == QLatin1String("10"))
        return 25;
    return 7;
}

bool ReceiveCommand() {
    return Trapped("ReceiveCommand", false, [] { return receive(); });
}

bool SendCommand(quint8 cmd, bool wait, bool reportTimeout, const QByteArray& data, int timeoutMs) {
    return Trapped("SendCommand", false, [&] {
        CommunicationState& state = CommState();
        SerialPort& port = Seriale();
        // The timers' sends wait quietly for the block download to give the port back.
        if (state.PortHeld)
            return false;
        state.LastFailure = ExchangeFailure::None;
        if (!port.IsOpen()) {
            // Only the user's own commands wait; the timer sends never open a box, and a
            // port that went away while connected ends the link.
            if (wait)
                MessBox(ResString(17), QString(), -1, -1);
            else if (state.Connected)
                DropCommunication();
            return false;
        }
        if (!state.Connected) {
            if (!wait || !InitCommunication())
                return false;
        }
        if (state.CommandPending()) {
            KillTimerId(state.ViewTimerId);
            return false;
        }
        const QByteArray frame = CreatePacket(cmd, data);
        if (frame.isEmpty())
            return false;
        showStatus(CommPicture::Sending, ResString(3024));
        port.SetReceiveEventsEnabled(false);
        port.DiscardOutput();
        port.DiscardInput();
        if (!port.Write(frame)) {
            countFailure(ExchangeFailure::LinkLost);
            port.DiscardInput();
            showStatus(CommPicture::Failed, ResString(3028));
            return false;
        }
        state.CurrentCommand = QString::number(cmd);

        if (wait) {
            if (!waitForFirstByte(port, timeoutMs)) {
                TimeoutFunction();
                return false;
            }
            if (ReceiveCommand()) {
                clearPending();
                state.TimeoutCount = 0;
                showStatus(CommPicture::Ok, QStringLiteral("Last Command OK"));
                return true;
            }
            if (reportTimeout)
                TimeoutFunction();
            return false;
        }

        // A reply timer left over is replaced quietly (it can only belong to an exchange
        // that has ended).
        KillTimerId(state.ReplyTimerId);
        const int replyMs =
            cmd == 2 ? static_cast<int>(std::nearbyint(timeoutMs * 1.45)) : timeoutMs;
        state.ReplyTimerId = Timers().SetTimer(replyMs, [] { TimeoutFunction(); });
        if (state.ReplyTimerId == 0) {
            // Without its time-out the exchange could never end: end it now.
            TimeoutFunction();
            return false;
        }
        port.SetReceiveEventsEnabled(true);
        return false;
    });
}

void SerialReceiveEvent() {
    SerialPort& port = Seriale();
    CommunicationState& state = CommState();
    if (state.PortHeld)
        return; // the block download reads these bytes itself
    if (!state.CommandPending()) {
        port.DiscardInput();
        return;
    }
    KillTimerId(state.ReplyTimerId);
    port.SetReceiveEventsEnabled(false);
    ReceiveCommand();
}

void TimeoutFunction() {
    Trapped("TimeoutFunction", [] {
        CommunicationState& state = CommState();
        KillTimerId(state.ReplyTimerId);
        SerialPort& port = Seriale();
        port.SetReceiveEventsEnabled(false);
        port.DiscardInput();
        countFailure(ExchangeFailure::NoAnswer);
        clearPending();
        showStatus(CommPicture::Failed, ResString(3029));
    });
}

void KeepAlive() {
    Trapped("KeepAlive", [] {
        if (!CommState().CommandPending())
            SendCommand(3, false);
    });
}

bool StartKeepAlive() {
    CommunicationState& state = CommState();
    if (state.PollTimerId != 0 && Timers().IsTimerRunning(state.PollTimerId))
        return true;
    state.PollTimerId = Timers().SetTimer(Link::KeepAliveMs, [] { KeepAlive(); });
    return state.PollTimerId != 0;
}

void StopKeepAlive() {
    KillTimerId(CommState().PollTimerId);
}
