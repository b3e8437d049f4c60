#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QtGlobal>

// Frames of the instrument's packet protocol.
//   request:  3E 00 (n+3) cmd data[n] CRChi CRClo        (0 <= n <= 65)
//   reply:    3C len(R-3, 16 bits, high first) echo data[R-6] CRChi CRClo
// The CRC is CRC-16/ARC (reflected polynomial 0xA001, initial 0, no final XOR) over every
// byte from the start character through the last data byte, sent high byte first.
namespace Packet {
constexpr quint8 RequestStart = 0x3E;
constexpr quint8 ReplyStart = 0x3C;
constexpr quint8 ErrorEcho = 0xFF;
constexpr int MaxRequestData = 65;
// A reply carries at least start, length, echo and CRC.
constexpr int MinReply = 6;
} // namespace Packet

// Folds one byte into the CRC register (the caller starts it at 0).
void CRC163(quint8 byte, quint16& crc);
quint16 Crc16(QByteArrayView bytes);

// The request frame for cmd with its data. More than 65 data bytes is a caller error:
// reported under "CreatePacket", and the answer is empty.
QByteArray CreatePacket(quint8 cmd, QByteArrayView data = {});

// True when reply is a well-formed reply frame with a correct CRC. The echoed command is
// not looked at here. A reply too short to hold a frame is simply not well-formed.
bool AnalyzePacket(QByteArrayView reply);
