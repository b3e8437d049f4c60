// The link's real code over the real serial layer, against the emulated instrument on a
// pseudo-terminal. Real time: each wait ends on an event (a reply, a time-out of the link
// itself), never on a guessed delay.
#include "link/comm_port.h"
#include "link/comm_state.h"
#include "link/connection.h"
#include "link/exchange.h"
#include "link/instrument_commands.h"
#include "link/link_hooks.h"
#include "link/time_stamp.h"
#include "platform/clock.h"
#include "platform/serial/qt_serial_port.h"
#include "tests/link/link_fixture.h"
#include "tests/support/event_scope.h"
#include "tests/support/kl720_pty.h"
#include "tests/support/strict_ui.h"

#include <QTest>

namespace {
class PtyLinkTest : public ::testing::Test {
protected:
    void SetUp() override { ResetCommState(); }

    // Starts the emulator and opens its line as port 1 through CORVANEL_COM1.
    void start(Kl720Pacing pacing = Kl720Pacing()) {
        server = std::make_unique<Kl720PtyServer>(pacing);
        ASSERT_TRUE(server->IsRunning());
        server->ExportAsComPort(1);
        InstallSeriale(std::make_unique<QtSerialPort>());
        events.Clear();
        LinkReplyHook() = LinkReplyHooks();
        events.On(&ProgramEvents::CommStatus, [this](int, const QString& t) { statuses << t; });
        events.On(&ProgramEvents::LinkStateChanged, [this](bool c) { connected << c; });
        events.On(&ProgramEvents::PortLost, [this] { ++lost; });
        SerialError error = SerialError::Other;
        ASSERT_TRUE(OpenCommPort(1, &error));
        EXPECT_EQ(error, SerialError::None);
        EXPECT_EQ(CommPortNumber(), 1);
    }

    void connect() {
        ui.messageAnswers = {true};
        ASSERT_TRUE(InitCommunication());
    }

    void TearDown() override {
        StopLinkTimers();
        InstallSeriale(nullptr);
        server.reset();
        events.Clear();
        LinkReplyHook() = LinkReplyHooks();
        MonitorStages() = MonitorStageHooks();
        ResetCommState();
        QCoreApplication::processEvents();
    }

    EnglishTexts texts;
    StrictUi ui;
    std::unique_ptr<Kl720PtyServer> server;
    QStringList statuses;
    QList<bool> connected;
    int lost = 0;
    EventScope events;
};

TEST_F(PtyLinkTest, ConnectsReadsAndWritesTheIdentification) {
    start();
    server->With([](Kl720Instrument& k) {
        k.idShort = QByteArray("  SN 0042").leftJustified(16, ' ');
        k.settings[16] = 0x03; // a session runs
    });
    connect();
    EXPECT_TRUE(CommState().Connected);
    EXPECT_EQ(CommState().MonitorState, 1);
    EXPECT_TRUE(Timers().IsTimerRunning(CommState().PollTimerId));
    ASSERT_EQ(ui.messageCalls.size(), 1);
    EXPECT_EQ(ui.messageCalls[0].message, ResString(19));

    EXPECT_TRUE(ReadID());
    EXPECT_EQ(CommState().IdShort, QStringLiteral("SN 0042").leftJustified(16));
    EXPECT_EQ(statuses.last(), QStringLiteral("Last Command OK"));

    WriteID(QStringLiteral("NEW"), QStringLiteral("New long identification"));
    EXPECT_EQ(ui.messageCalls.size(), 1);
    EXPECT_EQ(server->With([](Kl720Instrument& k) { return k.idShort + k.idLong; }),
              QByteArray("NEW").leftJustified(16, ' ') +
                  QByteArray("New long identification").leftJustified(48, ' '));
}

// The keep-alive's kind of exchange: the reply comes through the event loop.
TEST_F(PtyLinkTest, NonWaitingPresenceThroughTheEventLoop) {
    start();
    CommState().Connected = true;
    EXPECT_FALSE(SendCommand(3, false));
    EXPECT_TRUE(CommState().CommandPending());
    EXPECT_TRUE(QTest::qWaitFor([] { return !CommState().CommandPending(); }, 5000));
    EXPECT_EQ(statuses.last(), QStringLiteral("Reply received"));
    EXPECT_EQ(CommState().TimeoutCount, 0);
    EXPECT_EQ(CommState().ReplyTimerId, 0u);
}

TEST_F(PtyLinkTest, ProgramsStartsAndStopsASession) {
    start();
    connect();
    QList<int> stages;
    int started = 0;
    MonitorStages().SetState = [&](int k) { stages << k; };
    MonitorStages().ShowStarted = [&] { ++started; };
    CommState().MonitorParams = {3, 0x15, 1, 5, 0x30, 8, 0x95, 3, 0, 0};
    const QDateTime before = CurrentClock().Now();
    EXPECT_TRUE(StartMonitoraggio());
    EXPECT_EQ(stages, (QList<int>{0, 1, 2, 3, 4}));
    EXPECT_EQ(started, 1);
    EXPECT_FALSE(CommState().Connected);
    EXPECT_EQ(CommState().PollTimerId, 0u);
    QByteArray clock, params;
    QList<int> commands;
    quint8 status = 0;
    server->With([&](Kl720Instrument& k) {
        clock = k.clockStamp;
        params = k.sessionParams;
        commands = k.commands;
        status = k.settings[16];
    });
    EXPECT_EQ(commands.mid(commands.size() - 3), (QList<int>{11, 12, 13}));
    EXPECT_EQ(params, Hex("03 15 01 05 30 08 95 03 00 00"));
    EXPECT_EQ(status, 0x01);
    ASSERT_EQ(clock.size(), 5);
    const auto set = DecodeStamp(reinterpret_cast<const quint8*>(clock.constData()), before);
    ASSERT_TRUE(set.has_value());
    EXPECT_LE(qAbs(set->secsTo(before)), 2);

    // Stopping asks to connect again (the start released the link).
    ui.messageAnswers = {true};
    EXPECT_TRUE(StopMonitor());
    EXPECT_EQ(server->With([](Kl720Instrument& k) { return k.settings[16]; }), 0x07);
}

TEST_F(PtyLinkTest, EachFaultEndsAsTheExchangeRules) {
    struct Case {
        const char* name;
        Kl720Instrument::Fault fault;
        int pieceGapMs;
        bool ok;
        const char* text;
    };
    using F = Kl720Instrument::Fault;
    const Case cases[] = {
        {"silence", F::Silence, 0, false, "No reply (time-out)"},
        {"bad crc", F::BadCrc, 0, false, "Invalid reply"},
        {"error reply", F::ErrorReply, 0, false, "Invalid reply"},
        {"truncated", F::Truncated, 0, false, "Invalid reply"},
        {"wrong echo", F::WrongEcho, 0, false, "Invalid reply"},
        {"wrong length", F::WrongLength, 0, false, "Invalid reply"},
        {"garbage first", F::Garbage, 0, false, "Invalid reply"},
        {"slow pieces", F::SlowPieces, 400, true, "Last Command OK"},
        {"too slow pieces", F::SlowPieces, 900, false, "Invalid reply"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Kl720Pacing pacing;
        pacing.pieceGapMs = c.pieceGapMs;
        start(pacing);
        CommState().Connected = true;
        server->With([&](Kl720Instrument& k) { k.SetFault(c.fault); });
        EXPECT_EQ(ReadID(), c.ok);
        EXPECT_EQ(statuses.last(), QString::fromLatin1(c.text));
        EXPECT_FALSE(CommState().CommandPending());
        EXPECT_EQ(CommState().TimeoutCount, c.ok ? 0 : 1);
        TearDown();
    }
}

TEST_F(PtyLinkTest, AVanishedLineDropsTheLinkOnceWithoutABox) {
    start();
    connect();
    const int boxes = ui.messageCalls.size();
    server->Vanish();
    // The keep-alive (or the port's own error) notices within one keep-alive period.
    EXPECT_TRUE(QTest::qWaitFor([&] { return !CommState().Connected; }, 8000));
    QTest::qWait(50);
    EXPECT_EQ(connected.count(false), 1);
    EXPECT_EQ(lost, 1);
    EXPECT_EQ(ui.messageCalls.size(), boxes);
    EXPECT_FALSE(Seriale().IsOpen());
}

// The keep-alive on real timers: presence every 5 s over the line. The drop of a silent
// instrument is timed on the virtual clock (ExchangeTest) and seen once in real time by the
// whole program (ProgramConnect).
TEST_F(PtyLinkTest, KeepAliveOnRealTimers) {
    start();
    connect();
    auto presences = [&] {
        return server->With([](Kl720Instrument& k) { return int(k.commands.count(3)); });
    };
    EXPECT_EQ(presences(), 1);
    EXPECT_TRUE(QTest::qWaitFor([&] { return presences() == 2; }, 8000));
    EXPECT_TRUE(QTest::qWaitFor([] { return !CommState().CommandPending(); }, 3000));
    EXPECT_EQ(CommState().TimeoutCount, 0);
    EXPECT_TRUE(CommState().Connected);
    EXPECT_EQ(connected, (QList<bool>{true}));
}

TEST_F(PtyLinkTest, OpenFailuresSayWhy) {
    start();
    QtSerialPort second;
    SerialError error = SerialError::None;
    EXPECT_FALSE(second.Open(server->SlavePath(), &error));
    EXPECT_EQ(error, SerialError::Busy);
    EXPECT_FALSE(second.Open(QStringLiteral("/dev/no-such-serial-device"), &error));
    EXPECT_EQ(error, SerialError::Missing);
    // A failed switch leaves the port closed and the link down.
    CommState().Connected = true;
    SetPortResolver([](int) { return QStringLiteral("/dev/no-such-serial-device"); });
    EXPECT_FALSE(OpenCommPort(2, &error));
    EXPECT_EQ(error, SerialError::Missing);
    EXPECT_FALSE(Seriale().IsOpen());
    EXPECT_FALSE(CommState().Connected);
    SetPortResolver(nullptr);
}

// The longest image the length field allows, at the line's real speed (about 34 s).
TEST_F(PtyLinkTest, FullMemoryDownloadAtLineSpeed) {
    Kl720Pacing pacing;
    pacing.lineSpeed = true;
    start(pacing);
    CommState().Connected = true;
    QByteArray expected;
    server->With([&](Kl720Instrument& k) {
        k.samples.resize(Kl720Instrument::MaxSamples);
        for (int i = 0; i < Kl720Instrument::MaxSamples; ++i)
            k.samples[i] = {quint16(i), quint16(65535 - i), quint16(i * 7), quint8(i & 7)};
        expected = Kl720Instrument::BuildReply(4, k.MemoryImage());
    });
    QByteArray got;
    LinkReplyHook().Download = [&](const QByteArray& reply) {
        got = reply;
        return true;
    };
    EXPECT_TRUE(SendCommand(4, true));
    EXPECT_EQ(got.size(), 65538);
    EXPECT_TRUE(got == expected);
}
} // namespace
