#include "core/error_report.h"
#include "link/connection.h"
#include "link/exchange.h"
#include "link/instrument_commands.h"
#include "link/time_stamp.h"
#include "tests/link/link_fixture.h"

namespace {
QDateTime at(int y, int mo, int d, int h, int mi, int s) {
    return QDateTime(QDate(y, mo, d), QTime(h, mi, s), Qt::UTC);
}

TEST(TimeStamp, Encode) {
    struct Case {
        QDateTime when;
        const char* bytes;
    };
    const Case cases[] = {
        {at(2015, 12, 31, 23, 59, 58), "58 59 23 F1 12"},
        {at(2013, 3, 1, 8, 5, 9), "09 05 08 41 03"},
        {at(2014, 6, 5, 10, 0, 0), "00 00 10 85 06"},
        {at(2014, 3, 15, 8, 30, 5), "05 30 08 95 03"},
        {at(2012, 1, 1, 0, 0, 0), "00 00 00 01 01"},
        // From 2016 on the two year bits wrap round.
        {at(2016, 7, 4, 12, 0, 0), "00 00 12 04 07"},
        {at(2025, 11, 30, 1, 2, 3), "03 02 01 70 11"},
        {at(2026, 12, 10, 8, 0, 0), "00 00 08 90 12"},
        // Before 2012 the bits still count upward to the next year of the cycle.
        {at(2011, 8, 2, 6, 7, 8), "08 07 06 C2 08"},
        {at(2009, 4, 3, 2, 1, 0), "00 01 02 43 04"},
    };
    for (const Case& c : cases) {
        const InstrumentStamp s = EncodeStamp(c.when);
        EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(s.data()), 5).toHex(' '),
                  QByteArray(c.bytes).toLower())
            << c.when.toString(Qt::ISODate).toStdString();
    }
}

TEST(TimeStamp, DecodeNearNow) {
    const QDateTime now = at(2026, 12, 10, 8, 0, 0);
    struct Case {
        const char* bytes;
        QDateTime now;
        std::optional<QDateTime> when;
    };
    const Case cases[] = {
        {"00 00 10 85 06", at(2014, 12, 1, 0, 0, 0), at(2014, 6, 5, 10, 0, 0)},
        {"58 59 23 F1 12", at(2016, 1, 1, 0, 0, 0), at(2015, 12, 31, 23, 59, 58)},
        // Bits 2: 2014, 2018, 2022, 2026: the latest not after now.
        {"00 00 08 90 12", now, at(2026, 12, 10, 8, 0, 0)},
        {"00 00 08 90 11", now, at(2026, 11, 10, 8, 0, 0)},
        // Bits 3 in 2026: 2023.
        {"00 00 00 C1 01", now, at(2023, 1, 1, 0, 0, 0)},
        // The month byte is read with its upper bits masked.
        {"00 00 00 01 E1", now, at(2024, 1, 1, 0, 0, 0)},
        {"00 00 00 00 01", now, std::nullopt}, // day 0
        {"00 00 00 01 13", now, std::nullopt}, // month 13
        {"60 00 00 01 01", now, std::nullopt}, // second 60
        {"00 00 24 01 01", now, std::nullopt}, // hour 24
        {"1F 00 00 01 01", now, std::nullopt}, // not BCD
        {"00 00 00 31 02", now, std::nullopt}, // 31 February
        {"00 00 00 29 02", at(2013, 6, 1, 0, 0, 0), at(2012, 2, 29, 0, 0, 0)},
        // Early in 2012 a stamp whose bits are not 0 is from the years before.
        {"00 01 02 43 04", at(2012, 1, 1, 12, 0, 0), at(2009, 4, 3, 2, 1, 0)},
        {"08 07 06 C2 08", at(2012, 1, 1, 12, 0, 0), at(2011, 8, 2, 6, 7, 8)},
        {"00 00 00 81 01", at(2013, 5, 1, 0, 0, 0), at(2010, 1, 1, 0, 0, 0)},
    };
    for (const Case& c : cases) {
        const QByteArray bytes = QByteArray::fromHex(QByteArray(c.bytes).replace(' ', ""));
        EXPECT_EQ(DecodeStamp(reinterpret_cast<const quint8*>(bytes.constData()), c.now), c.when)
            << c.bytes;
    }
}

TEST(TimeStamp, Bcd) {
    EXPECT_EQ(ToBcd(0), 0x00);
    EXPECT_EQ(ToBcd(59), 0x59);
    EXPECT_EQ(ToBcd(99), 0x99);
    EXPECT_THROW(ToBcd(100), TrappedError);
    EXPECT_THROW(ToBcd(-1), TrappedError);
    EXPECT_EQ(FromBcd(0x15), 15);
    EXPECT_EQ(FromBcd(0x1F), 1);
    EXPECT_EQ(FromBcd(0xF1), 0);
}

class StartMonitorTest : public LinkTest {
protected:
    void SetUp() override {
        LinkTest::SetUp();
        MonitorStageHooks& hooks = MonitorStages();
        hooks.ShowProgress = [this] { events << QStringLiteral("show"); };
        hooks.SetState = [this](int k) { events << QStringLiteral("state %1").arg(k); };
        hooks.MarkFailed = [this](int k) { events << QStringLiteral("failed %1").arg(k); };
        hooks.WaitForClose = [this] { events << QStringLiteral("wait"); };
        hooks.ShowStarted = [this] { events << QStringLiteral("started"); };
        hooks.HideProgress = [this] { events << QStringLiteral("hide"); };
        time.SetWallClock(at(2014, 3, 15, 8, 30, 5));
        CommState().MonitorParams = {3, 0x15, 1, 5, 0x30, 8, 0x95, 3, 0, 0};
        ui.messageAnswers = {true};
        ASSERT_TRUE(InitCommunication());
        instrument.commands.clear();
        instrument.requests.clear();
        events.clear();
    }
    void TearDown() override {
        MonitorStages() = MonitorStageHooks();
        LinkTest::TearDown();
    }
    QStringList events;
};

TEST_F(StartMonitorTest, ProgramsClockParametersAndStartInOrder) {
    EXPECT_TRUE(StartMonitoraggio());
    EXPECT_EQ(instrument.commands, (QList<int>{11, 12, 13}));
    EXPECT_EQ(instrument.requests[0].left(9), Hex("3E 00 08 0B 05 30 08 95 03"));
    EXPECT_EQ(instrument.clockStamp, Hex("05 30 08 95 03"));
    EXPECT_EQ(instrument.requests[1], Hex("3E 00 0D 0C 03 15 01 05 30 08 95 03 00 00 D3 42"));
    EXPECT_EQ(instrument.requests[2], Hex("3E 00 03 0D DD CC"));
    EXPECT_EQ(events, (QStringList{"show", "state 0", "state 1", "state 2", "state 3", "state 4",
                                   "wait", "started", "hide"}));
    EXPECT_FALSE(CommState().Connected);
    EXPECT_EQ(time.RunningTimers(), 0);
}

TEST_F(StartMonitorTest, AFailedStageMarksItsRowAndSendsNothingMore) {
    struct Case {
        int failingCommand;
        QList<int> sent;
        int row;
    };
    const Case cases[] = {
        {11, {11}, 0},
        {12, {11, 12}, 1},
        // The start may have gone through before its reply failed: the settings are read
        // back.
        {13, {11, 12, 13, 10}, 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.failingCommand);
        instrument.commands.clear();
        events.clear();
        CommState().TimeoutCount = 0;
        instrument.SetFault(Kl720Instrument::Fault::ErrorReply, 1, c.failingCommand);
        EXPECT_FALSE(StartMonitoraggio());
        EXPECT_EQ(instrument.commands, c.sent);
        EXPECT_TRUE(events.contains(QStringLiteral("failed %1").arg(c.row)));
        EXPECT_EQ(events.mid(events.size() - 3),
                  (QStringList{QStringLiteral("failed %1").arg(c.row), "wait", "hide"}));
        // Still connected: the keep-alive runs again.
        EXPECT_TRUE(CommState().Connected);
        EXPECT_TRUE(time.IsTimerRunning(CommState().PollTimerId));
    }
}

TEST_F(StartMonitorTest, TheThirdFailureDropsAndTheKeepAliveStaysOff) {
    CommState().TimeoutCount = 2;
    // Two failures before, and the clock gets no answer.
    instrument.SetFault(Kl720Instrument::Fault::Silence, 1, 11);
    EXPECT_FALSE(StartMonitoraggio());
    EXPECT_EQ(CommState().TimeoutCount, 3);
    EXPECT_FALSE(CommState().Connected);
    EXPECT_EQ(CommState().PollTimerId, 0u);
    // The progress still waits for the user before it goes.
    EXPECT_EQ(events.mid(events.size() - 3), (QStringList{"failed 0", "wait", "hide"}));
}

// A parameter that does not fit a byte stops the start before anything is sent; the
// keep-alive runs again and the progress shows the failed row until the user closes it.
TEST_F(StartMonitorTest, ABadParameterSendsNothingAndRestoresTheLink) {
    CommState().MonitorParams[1] = 0x150;
    ui.ExpectErrorReports(1);
    EXPECT_FALSE(StartMonitoraggio());
    EXPECT_TRUE(instrument.commands.isEmpty());
    EXPECT_TRUE(time.IsTimerRunning(CommState().PollTimerId));
    EXPECT_EQ(events, (QStringList{"show", "state 0", "failed 0", "wait", "hide"}));
    EXPECT_EQ(ui.standardCalls.size(), 1); // the error report
}

// The emulated instrument keeps its own clock from the stamp it was set to: a session
// programmed for 09:00 waits until that clock reaches it, then reads back as running.
TEST_F(StartMonitorTest, AProgrammedSessionRunsOnceItsStartComes) {
    qint64 elapsed = 0;
    instrument.elapsedMs = [&elapsed] { return elapsed; };
    CommState().MonitorParams = {3, 0x10, 1, 0x00, 0x00, 0x09, 0x95, 0x03, 0, 0};
    ASSERT_TRUE(StartMonitoraggio());
    ASSERT_TRUE(InitCommunication());
    ReadMonitorSettings();
    EXPECT_EQ(CommState().MonitorSettings[16], 0x01);
    EXPECT_EQ(CommState().MonitorState, 1);
    elapsed = (29 * 60 + 54) * 1000; // 08:59:59
    ReadMonitorSettings();
    EXPECT_EQ(CommState().MonitorSettings[16], 0x01);
    elapsed += 1000;
    ReadMonitorSettings();
    EXPECT_EQ(CommState().MonitorSettings[16], 0x03);
    EXPECT_EQ(Hex("00 00 09 95 03"),
              QByteArray(reinterpret_cast<const char*>(CommState().MonitorSettings.data()), 5));
    EXPECT_EQ(CommState().MonitorState, 1);
}

// Today's year no longer fits the old two bits; the clock still goes out.
TEST_F(StartMonitorTest, StartsInYearsAfter2015) {
    time.SetWallClock(at(2026, 12, 10, 9, 15, 0));
    EXPECT_TRUE(StartMonitoraggio());
    EXPECT_EQ(instrument.clockStamp, Hex("00 15 09 90 12"));
}

using CommandsTest = LinkTest;

TEST_F(CommandsTest, WriteIdPadsAndReportsAFailure) {
    connectQuietly();
    EXPECT_TRUE(WriteID(QStringLiteral("àb"), QStringLiteral("€ x")));
    EXPECT_EQ(instrument.idShort, QByteArray("\xE0"
                                             "b")
                                      .leftJustified(16, ' '));
    EXPECT_EQ(instrument.idLong, QByteArray("\x80 x").leftJustified(48, ' '));
    EXPECT_TRUE(ui.messageCalls.isEmpty());
    EXPECT_EQ(CommState().IdShort, QStringLiteral("àb").leftJustified(16));
    EXPECT_EQ(CommState().IdLong, QStringLiteral("€ x").leftJustified(48));
}

// A write whose reply is lost, garbled or refused: the instrument may have stored the
// texts (the emulator does, then its reply goes wrong), so the message claims nothing
// either way, and the link keeps the texts it last knew the instrument to hold.
TEST_F(CommandsTest, AnUnconfirmedWriteSaysSoAndKeepsTheLastKnownTexts) {
    connectQuietly();
    ASSERT_TRUE(WriteID(QStringLiteral("OLD"), QStringLiteral("old")));
    for (Kl720Instrument::Fault fault :
         {Kl720Instrument::Fault::Silence, Kl720Instrument::Fault::BadCrc,
          Kl720Instrument::Fault::ErrorReply}) {
        ui.messageCalls.clear();
        instrument.SetFault(fault, 1, 8);
        EXPECT_FALSE(WriteID(QStringLiteral("NEW"), QStringLiteral("new")));
        ASSERT_EQ(ui.messageCalls.size(), 1);
        EXPECT_EQ(ui.messageCalls[0].message, ResString(3833));
        EXPECT_EQ(ui.messageCalls[0].message,
                  QStringLiteral("The instrument did not confirm the writing of the "
                                 "identification code: it may or may not have stored it. "
                                 "Press Read to see the texts it holds."));
        EXPECT_EQ(CommState().IdShort, QStringLiteral("OLD").leftJustified(16));
        time.Block(10000);
        CommState().TimeoutCount = 0;
    }
}

// Texts that came from a file or an older instrument may hold quote marks and control
// characters; none of them reaches the instrument, and the widths stay.
TEST_F(CommandsTest, WriteIdSendsNoQuoteOrControlCharacter) {
    connectQuietly();
    EXPECT_TRUE(WriteID(QStringLiteral("A\"B\rC\nD\tE\x01"
                                       "F\x7F"
                                       "G"),
                        QStringLiteral("\"quoted\"").leftJustified(48, u' ')));
    EXPECT_EQ(instrument.idShort, QByteArray("A B C D E F G").leftJustified(16, ' '));
    EXPECT_EQ(instrument.idLong, QByteArray(" quoted ").leftJustified(48, ' '));
}

TEST_F(CommandsTest, StopAndSettingsRead) {
    connectQuietly();
    EXPECT_TRUE(StopMonitor());
    EXPECT_EQ(instrument.settings[16], 0x07);
    EXPECT_EQ(instrument.settings[18], 4);
    QList<bool> decoded;
    MonitorSettingsDecoder().ShowMonitorStatus = [&](const MonitorStatusView& view) {
        decoded << view.monitorState.has_value();
    };
    CommState().MonitorState = 1;
    const int updatesBefore = infoUpdates;
    ReadMonitorSettings();
    EXPECT_EQ(CommState().MonitorSettings[16], 0x07);
    EXPECT_EQ(CommState().MonitorState, 0);
    EXPECT_EQ(infoUpdates, updatesBefore + 1);
    instrument.SetFault(Kl720Instrument::Fault::Silence, 1);
    ReadMonitorSettings();
    EXPECT_EQ(decoded, (QList<bool>{true, false}));
    EXPECT_EQ(CommState().MonitorState, 0) << "a missing reply leaves the state";
    MonitorSettingsDecoder() = MonitorSettingsHooks();
    // A stop does not change the link.
    EXPECT_TRUE(CommState().Connected);
}
} // namespace
