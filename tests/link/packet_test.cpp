#include "link/packet.h"

#include <gtest/gtest.h>

namespace {
QByteArray hex(const char* text) {
    return QByteArray::fromHex(QByteArray(text).replace(' ', ""));
}

TEST(Crc16, KnownAnswers) {
    struct Case {
        QByteArray input;
        quint16 crc;
    };
    const Case cases[] = {
        {QByteArray("123456789"), 0xBB3D}, {QByteArray(), 0x0000},
        {hex("3E 00 03 03"), 0x194D},      {hex("3E 00 03 02"), 0xD98C},
        {hex("3E 00 03 0A"), 0x1F8D},      {hex("3C 00 04 03 00"), 0x3411},
        {hex("3C 00 04 FF 00"), 0x3450},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Crc16(c.input), c.crc) << c.input.toHex(' ').toStdString();
}

TEST(CreatePacket, RequestFrames) {
    struct Case {
        quint8 cmd;
        QByteArray data;
        QByteArray frame;
    };
    const Case cases[] = {
        {3, {}, hex("3E 00 03 03 19 4D")},
        {2, {}, hex("3E 00 03 02 D9 8C")},
        {10, {}, hex("3E 00 03 0A 1F 8D")},
        {4, {}, hex("3E 00 03 04 DB 0C")},
        {7, {}, hex("3E 00 03 07 DA 4C")},
        {13, {}, hex("3E 00 03 0D DD CC")},
        {14, {}, hex("3E 00 03 0E DC 8C")},
        {11, hex("58 59 23 F1 12"), hex("3E 00 08 0B 58 59 23 F1 12 DC 97")},
        {11, hex("09 05 08 41 03"), hex("3E 00 08 0B 09 05 08 41 03 84 BD")},
        {12, hex("03 15 01 05 30 08 95 03 00 00"),
         hex("3E 00 0D 0C 03 15 01 05 30 08 95 03 00 00 D3 42")},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CreatePacket(c.cmd, c.data).toHex(' '), c.frame.toHex(' ')) << int(c.cmd);
}
} // namespace
