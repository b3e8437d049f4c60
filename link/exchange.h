#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

// One command at a time with the instrument: waiting and non-waiting sends, the reading of
// the reply, its check and its hand-over to the owner of the data, the failure count, and
// the two timers of the link (reply time-out and keep-alive).

namespace Link {
constexpr int DefaultTimeoutMs = 2000;
// The live reading (command 2) is given 1.45 times the time-out.
constexpr int LiveReadingTimeoutMs = 2900;
// A reply ends when no new byte comes for this long.
constexpr int SilenceMs = 700;
constexpr int KeepAliveMs = 5000;
// Failures in a row that drop the link.
constexpr int FailuresToDrop = 3;
// The longest download reply the 16-bit length field allows (65535 + 3), read whole.
constexpr qint64 MaxReplyBytes = 65538;
} // namespace Link

// Expected reply length (all bytes) for the pending command text; 0 = no fixed length (the
// download's bulk read).
qint16 GetCommandChars(const QString& command);

// Sends cmd with its request data. wait: block (no event loop) for the reply and read it;
// true only then, for a good, dispatched reply. Not waiting: arm the reply time-out and the
// receive event, answer false; the reply comes through SerialReceiveEvent(). reportTimeout:
// a bad reply of a waiting send is also reported (and counted) as a time-out.
// Refused (false, nothing sent) while another command is pending; that also stops the
// live-reading poll. Non-waiting sends come from timers: they never open a box.
bool SendCommand(quint8 cmd, bool wait, bool reportTimeout = false,
                 const QByteArray& data = QByteArray(), int timeoutMs = Link::DefaultTimeoutMs);

// Reads, checks and dispatches the reply of the pending command. Called by a waiting send
// and by the receive event.
bool ReceiveCommand();

// The main window's receive event (bytes came in while the gate was open): with nothing
// pending the bytes are thrown away; otherwise the reply time-out stops, the gate closes
// and ReceiveCommand() runs.
void SerialReceiveEvent();

// Callback of the reply time-out timer.
void TimeoutFunction();
// Callback of the keep-alive timer: the presence check when nothing is pending.
void KeepAlive();
// Starts the keep-alive timer (5000 ms) when it is not running; false when it cannot.
bool StartKeepAlive();
void StopKeepAlive();
