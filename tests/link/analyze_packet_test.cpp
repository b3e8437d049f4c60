#include "link/packet.h"
#include "tests/support/kl720_instrument.h"

#include <gtest/gtest.h>

namespace {
QByteArray hex(const char* text) {
    return QByteArray::fromHex(QByteArray(text).replace(' ', ""));
}

TEST(AnalyzePacket, ChecksStartLengthAndCrc) {
    const QByteArray ack = hex("3C 00 04 03 00 34 11");
    QByteArray swapped = ack;
    std::swap(swapped[5], swapped[6]);
    struct Case {
        const char* name;
        QByteArray reply;
        bool ok;
    };
    const Case cases[] = {
        {"ack", ack, true},
        {"error reply passes here", hex("3C 00 04 FF 00 34 50"), true},
        {"settings reply",
         hex("3C 00 16 0A 00 00 10 85 06 03 15 01 00 00 10 85 06 00 00 00 01 00 00 22 39"), true},
        {"wrong start", hex("3E 00 04 03 00 34 11"), false},
        {"length one short", hex("3C 00 03 03 00 34 11"), false},
        {"length one long", hex("3C 00 05 03 00 34 11"), false},
        {"length high byte", hex("3C 01 04 03 00 34 11"), false},
        {"crc swapped", swapped, false},
        {"empty", QByteArray(), false},
        {"one byte", hex("3C"), false},
        {"two bytes", hex("3C 00"), false},
        {"five bytes", hex("3C 00 02 03 00"), false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(AnalyzePacket(c.reply), c.ok) << c.name;
}

// Every single flipped bit of a good frame is caught.
TEST(AnalyzePacket, EveryFlippedBitFails) {
    const QByteArray good =
        Kl720Instrument::BuildReply(7, QByteArray("0123456789ABCDEF").repeated(4));
    ASSERT_TRUE(AnalyzePacket(good));
    for (qsizetype i = 0; i < good.size(); ++i) {
        for (int bit = 0; bit < 8; ++bit) {
            QByteArray bad = good;
            bad[i] = static_cast<char>(bad[i] ^ (1 << bit));
            EXPECT_FALSE(AnalyzePacket(bad)) << "byte " << i << " bit " << bit;
        }
    }
}

// A frame that came in pieces passes only once whole; every split is a failure, and
// garbage before or after it spoils it.
TEST(AnalyzePacket, PiecesAndGarbage) {
    const QByteArray good = Kl720Instrument::BuildReply(10, QByteArray(19, '\x5A'));
    QByteArray grown;
    for (qsizetype i = 0; i < good.size(); ++i) {
        grown.append(good[i]);
        EXPECT_EQ(AnalyzePacket(grown), i == good.size() - 1) << i;
    }
    for (qsizetype cut = 1; cut < good.size(); ++cut) {
        EXPECT_FALSE(AnalyzePacket(good.left(cut))) << cut;
        EXPECT_FALSE(AnalyzePacket(good.mid(cut))) << cut;
    }
    EXPECT_FALSE(AnalyzePacket(QByteArray("\x00", 1) + good));
    EXPECT_FALSE(AnalyzePacket(good + QByteArray("\x00", 1)));
}

// The longest frame the 16-bit length allows passes; one byte more cannot be a frame.
TEST(AnalyzePacket, LengthFieldLimits) {
    const QByteArray longest = Kl720Instrument::BuildReply(4, QByteArray(65532, '\x11'));
    ASSERT_EQ(longest.size(), 65538);
    EXPECT_TRUE(AnalyzePacket(longest));
    QByteArray over = longest;
    over.insert(4, '\x11');
    EXPECT_FALSE(AnalyzePacket(over));
}

TEST(CreatePacket, DataSizes) {
    EXPECT_EQ(CreatePacket(8, QByteArray(64, ' ')).size(), 70);
    const QByteArray biggest = CreatePacket(12, QByteArray(65, '\1'));
    EXPECT_EQ(biggest.size(), 71);
    EXPECT_EQ(static_cast<quint8>(biggest[2]), 68);
}

// Round trip: every reply the emulator builds passes, and every request the program builds
// is read by the emulator.
TEST(CreatePacket, TheEmulatorReadsEveryRequest) {
    Kl720Instrument instrument;
    for (int cmd : {2, 3, 4, 7, 10, 13, 14}) {
        const QList<QByteArray> replies = instrument.Feed(CreatePacket(static_cast<quint8>(cmd)));
        ASSERT_EQ(replies.size(), 1) << cmd;
        EXPECT_TRUE(AnalyzePacket(replies[0])) << cmd;
        EXPECT_EQ(static_cast<quint8>(replies[0][3]), cmd);
    }
    // Fed byte by byte, with noise before.
    QByteArray stream = QByteArray("\x01\x02", 2) + CreatePacket(11, hex("58 59 23 F1 12"));
    QList<QByteArray> replies;
    for (char c : stream)
        replies += instrument.Feed(QByteArray(1, c));
    ASSERT_EQ(replies.size(), 1);
    EXPECT_EQ(instrument.clockStamp, hex("58 59 23 F1 12"));
}
} // namespace
