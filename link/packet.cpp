#include "link/packet.h"

#include "core/error_report.h"

void CRC163(quint8 byte, quint16& crc) {
    for (int bit = 0; bit < 8; ++bit) {
        if ((byte ^ crc) & 1)
            crc = static_cast<quint16>((crc >> 1) ^ 0xA001);
        else
            crc = static_cast<quint16>(crc >> 1);
        byte = static_cast<quint8>(byte >> 1);
    }
}

quint16 Crc16(QByteArrayView bytes) {
    quint16 crc = 0;
    for (char c : bytes)
        CRC163(static_cast<quint8>(c), crc);
    return crc;
}

QByteArray CreatePacket(quint8 cmd, QByteArrayView data) {
    return Trapped("CreatePacket", QByteArray(), [&] {
        if (data.size() > Packet::MaxRequestData)
            RaiseError(ErrorNumber::SubscriptOutOfRange, QStringLiteral("Subscript out of range"));
        QByteArray frame;
        frame.reserve(data.size() + 6);
        frame.append(static_cast<char>(Packet::RequestStart));
        frame.append('\0');
        frame.append(static_cast<char>(data.size() + 3));
        frame.append(static_cast<char>(cmd));
        frame.append(data.data(), data.size());
        const quint16 crc = Crc16(frame);
        frame.append(static_cast<char>(crc >> 8));
        frame.append(static_cast<char>(crc & 0xFF));
        return frame;
    });
}

bool AnalyzePacket(QByteArrayView reply) {
    const qint64 count = reply.size();
    if (count < Packet::MinReply)
        return false;
    auto at = [&](qint64 i) { return static_cast<quint8>(reply[i]); };
    bool ok = at(0) == Packet::ReplyStart;
    ok = (qint64(at(1)) * 256 + at(2) == count - 3) && ok;
    const quint16 crc = Crc16(reply.first(count - 2));
    ok = (at(count - 2) == (crc >> 8)) && ok;
    ok = (at(count - 1) == (crc & 0xFF)) && ok;
    return ok;
}
