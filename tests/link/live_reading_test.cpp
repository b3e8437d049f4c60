// The command-2 reply decoded: both ranges, the low-range floor, halves to even, the
// battery flag and the high-range count that does not fit.
#include "link/live_reading.h"
#include "tests/support/kl720_instrument.h"

#include <gtest/gtest.h>

namespace {
QByteArray reply(quint16 x, quint16 y, quint16 z, quint8 status) {
    const char data[7] = {char(x >> 8), char(x), char(y >> 8), char(y),
                          char(z >> 8), char(z), char(status)};
    return Kl720Instrument::BuildReply(2, QByteArrayView(data, 7));
}

struct DecodeCase {
    const char* what;
    quint16 x, y, z;
    quint8 status;
    double lowFs;
    float ex, ey, ez, eres;
};

class LiveDecodeTable : public ::testing::TestWithParam<DecodeCase> {};

TEST_P(LiveDecodeTable, GivesTheComponentsAndResultant) {
    const DecodeCase& c = GetParam();
    const LiveDecode d = DecodeLiveReply(reply(c.x, c.y, c.z, c.status), c.lowFs, 200.0);
    ASSERT_TRUE(d.Good()) << c.what;
    EXPECT_FLOAT_EQ(d.Reading.X, c.ex) << c.what;
    EXPECT_FLOAT_EQ(d.Reading.Y, c.ey) << c.what;
    EXPECT_FLOAT_EQ(d.Reading.Z, c.ez) << c.what;
    EXPECT_FLOAT_EQ(d.Reading.Res, c.eres) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Ranges, LiveDecodeTable,
    ::testing::Values(
        DecodeCase{"low 0x0100 is 0.50", 0x0100, 0, 0, 0x00, 2.0, 0.50f, 0, 0, 0.50f},
        DecodeCase{"low raw 4 rounds to 0.01", 4, 0, 0, 0x00, 2.0, 0.01f, 0, 0, 0.01f},
        DecodeCase{"low floor raw 0..3", 0, 1, 3, 0x00, 2.0, 0, 0, 0, 0},
        DecodeCase{"low floor raw 2", 2, 0, 0, 0x00, 2.0, 0, 0, 0, 0},
        DecodeCase{"0x0101 is not the floor", 0x0101, 0, 0, 0x00, 2.0, 0.50f, 0, 0, 0.50f},
        DecodeCase{"low 64 ties to even 0.12", 64, 192, 0, 0x00, 2.0, 0.12f, 0.38f, 0, 0.4f},
        DecodeCase{"high 1024 is 200", 1024, 0, 0, 0x07, 2.0, 200.0f, 0, 0, 200.0f},
        DecodeCase{"high 16 ties to even 3.12", 16, 48, 0, 0x07, 2.0, 3.12f, 9.38f, 0, 9.89f},
        DecodeCase{"high floor does not apply", 2, 0, 0, 0x01, 2.0, 0.39f, 0, 0, 0.39f},
        DecodeCase{"0x05: x and z high, y low", 512, 512, 512, 0x05, 2.0, 100.0f, 1.0f, 100.0f,
                   141.42f},
        DecodeCase{"resultant 3 4 0", 0x0600, 0x0800, 0, 0x00, 2.0, 3.0f, 4.0f, 0, 5.0f},
        DecodeCase{"low range of 5.0 uT: raw 1024", 1024, 128, 0, 0x00, 5.0, 5.0f, 0.62f, 0, 5.04f},
        DecodeCase{"low range takes a top bit as a large count", 0x8000, 0, 0, 0x00, 2.0, 64.0f, 0,
                   0, 64.0f}));

TEST(LiveDecode, ReadsTheBatteryFlagFromBitSeven) {
    EXPECT_TRUE(DecodeLiveReply(reply(0, 0, 0, 0x80), 2.0, 200.0).Reading.BatteryLow);
    EXPECT_TRUE(DecodeLiveReply(reply(0, 0, 0, 0x87), 2.0, 200.0).Reading.BatteryLow);
    EXPECT_FALSE(DecodeLiveReply(reply(0, 0, 0, 0x7F), 2.0, 200.0).Reading.BatteryLow);
}

TEST(LiveDecode, RefusesAHighRangeCountWithItsTopBitSet) {
    const LiveDecode d = DecodeLiveReply(reply(0, 0x8001, 0, 0x82), 2.0, 200.0);
    EXPECT_EQ(d.Fault, LiveReplyFault::HighRangeOverflow);
    EXPECT_EQ(d.Axis, 1);
    EXPECT_TRUE(d.Reading.BatteryLow) << "the battery flag is still read";
    EXPECT_EQ(DecodeLiveReply(QByteArray("<\0\x09\x02", 4), 2.0, 200.0).Fault,
              LiveReplyFault::TooShort);
}
} // namespace
