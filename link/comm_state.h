#pragma once

#include "platform/timers/timer_registry.h"

#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include <array>

// How the last exchange failed, for the message of a command the user started: no answer
// (a time-out), a bad reply (a frame or CRC fault, an error reply, another echo, a wrong
// length), or the link lost (the port went away). None after a good exchange, and after a
// refusal that was already said (a closed port, a download image the data set refused).
enum class ExchangeFailure { None, NoAnswer, BadReply, LinkLost };

// The communication state: one object for the whole program, from start-up to shutdown,
// reached through CommState().
struct CommunicationState {
    // Decimal text of the command whose reply is awaited; "254" means none.
    QString CurrentCommand = QStringLiteral("254");
    // The link is up; set by every good reply.
    bool Connected = false;
    // Consecutive failed exchanges; 0 after every good reply. From 3 on each failure drops.
    qint16 TimeoutCount = 0;
    // Timers of the keep-alive, the reply time-out of a non-waiting send and the live-reading
    // poll (owned by the real-time view; the link only stops it). 0 = none.
    TimerId PollTimerId = 0;
    TimerId ReplyTimerId = 0;
    TimerId ViewTimerId = 0;
    // The last reply as read from the port (byte 0 first).
    QByteArray RxBuffer;
    // The instrument's settings and status as the settings reply (command 10) gave them.
    std::array<quint8, 19> MonitorSettings{};
    // The session parameters the monitoring dialog fills for command 12; each goes out as
    // one byte.
    std::array<qint16, 10> MonitorParams{};
    // 1 = a session is programmed and not finished, 0 = none or finished, -1 = unknown.
    qint16 MonitorState = -1;
    // The block download owns the port: no packet goes out and the receive event leaves
    // the bytes alone until it gives the port back.
    bool PortHeld = false;
    // The instrument's identification texts, blank-trimmed then padded to 16 and 48
    // characters, as the last identification read (command 7) gave them or the last write
    // that went through (command 8) put them; empty before either. They are the
    // instrument's, for the identification dialog and the live view: the data set keeps
    // the texts of the session it holds.
    QString IdShort, IdLong;
    // Why the last exchange failed.
    ExchangeFailure LastFailure = ExchangeFailure::None;

    qint32 RxCount() const { return static_cast<qint32>(RxBuffer.size()); }
    // A command is pending exactly when the numeric value of CurrentCommand is not 254.
    bool CommandPending() const { return CurrentCommand.toInt() != NoCommand; }

    static constexpr int NoCommand = 254;
};

CommunicationState& CommState();
// Back to the start-up values (start-up and tests). Kills no timers: call StopLinkTimers().
void ResetCommState();
// Kills the three timers of the link and clears their ids (shutdown).
void StopLinkTimers();
