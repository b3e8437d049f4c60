#include "core/wait_box.h"
#include "link/connection.h"
#include "link/exchange.h"
#include "link/instrument_commands.h"
#include "tests/link/link_fixture.h"

namespace {
const QByteArray kAck3 = Hex("3C 00 04 03 00 34 11");

using ExchangeTest = LinkTest;

// The first byte of a waiting send's reply may come up to the time-out itself; the reply
// then goes on as long as no gap reaches 0.7 s.
TEST_F(ExchangeTest, WaitingSendTimingRules) {
    struct Case {
        qint64 firstByteMs;
        qint64 gapMs;
        bool ok;
        const char* text;
    };
    const Case cases[] = {
        {5, 0, true, "Last Command OK"},
        {1999, 0, true, "Last Command OK"},
        {2000, 0, true, "Last Command OK"},
        {2001, 0, false, "No reply (time-out)"},
        {10, 690, true, "Last Command OK"},
        {10, 700, true, "Last Command OK"},
        {10, 701, false, "Invalid reply"},
        // Starts just before the time-out and spreads well past it.
        {1990, 50, true, "Last Command OK"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.firstByteMs << " ms, gap " << c.gapMs);
        ResetCommState();
        connectQuietly();
        port->responder = [&](const QByteArray&) {
            if (c.gapMs == 0)
                port->Arrive(c.firstByteMs, kAck3);
            else
                port->ArriveSpaced(c.firstByteMs, kAck3, c.gapMs);
        };
        const qint64 start = time.MonotonicMs();
        EXPECT_EQ(SendCommand(3, true), c.ok);
        EXPECT_EQ(lastStatusText(), QString::fromLatin1(c.text));
        EXPECT_FALSE(CommState().CommandPending());
        EXPECT_EQ(CommState().TimeoutCount, c.ok ? 0 : 1);
        if (!c.ok && c.firstByteMs > 2000)
            EXPECT_EQ(time.MonotonicMs() - start, 2000);
        // Drain what came late, as the next send would.
        time.Block(10000);
        port->DiscardInput();
    }
}

// Only a well-formed reply of exactly the pending command's length, echoing that
// command, counts.
TEST_F(ExchangeTest, BadRepliesFailAndEndTheExchange) {
    struct Case {
        const char* name;
        int cmd;
        QByteArray reply;
    };
    const QByteArray good7 = Kl720Instrument::BuildReply(7, QByteArray(64, 'A'));
    QByteArray flipped = kAck3;
    flipped[4] = '\x01';
    QByteArray swapped = kAck3;
    std::swap(swapped[5], swapped[6]);
    const Case cases[] = {
        {"truncated", 3, kAck3.left(5)},
        {"one byte", 3, kAck3.left(1)},
        {"trailing byte", 3, kAck3 + '\0'},
        {"bad crc", 3, flipped},
        {"crc swapped", 3, swapped},
        {"error reply", 3, Hex("3C 00 04 FF 00 34 50")},
        {"wrong echo", 3, Kl720Instrument::BuildReply(14, QByteArray(1, '\0'))},
        {"wrong start", 3, QByteArray(1, '\x3E') + kAck3.mid(1)},
        {"id too short", 7, Kl720Instrument::BuildReply(7, QByteArray(63, 'A'))},
        {"id too long", 7, Kl720Instrument::BuildReply(7, QByteArray(65, 'A'))},
        {"settings short", 10, Kl720Instrument::BuildReply(10, QByteArray(18, '\0'))},
        {"garbage first", 7, QByteArray("\x00\x55", 2) + good7.left(68)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ResetCommState();
        connectQuietly();
        CommState().MonitorSettings.fill(0xAB);
        CommState().IdShort = QStringLiteral("KEPT");
        replyWith(c.reply);
        EXPECT_FALSE(SendCommand(static_cast<quint8>(c.cmd), true));
        EXPECT_FALSE(CommState().CommandPending());
        EXPECT_EQ(CommState().TimeoutCount, 1);
        EXPECT_EQ(lastPicture(), CommPicture::Failed);
        EXPECT_EQ(lastStatusText(), QStringLiteral("Invalid reply"));
        EXPECT_EQ(CommState().MonitorSettings[0], 0xAB);
        EXPECT_EQ(CommState().IdShort, QStringLiteral("KEPT"));
        time.Block(10000);
        port->DiscardInput();
    }
}

TEST_F(ExchangeTest, GoodRepliesAreHandedToTheirOwners) {
    connectQuietly();
    instrument.idShort = QByteArray("  AB 12     \xE8  ").leftJustified(16, ' ');
    instrument.idLong = QByteArray("Long text").leftJustified(48, ' ');
    EXPECT_TRUE(SendCommand(7, true));
    const QString idShort = CommState().IdShort;
    const QString idLong = CommState().IdLong;
    EXPECT_EQ(idShort, QStringLiteral("AB 12     è     ").leftJustified(16));
    EXPECT_EQ(idShort.size(), 16);
    EXPECT_EQ(idLong, QStringLiteral("Long text").leftJustified(48));

    for (int i = 0; i < 19; ++i)
        instrument.settings[i] = static_cast<quint8>(i + 1);
    EXPECT_TRUE(SendCommand(10, true));
    for (int i = 0; i < 19; ++i)
        EXPECT_EQ(CommState().MonitorSettings[i], i + 1);

    QByteArray live;
    LinkReplyHook().LiveReading = [&](const QByteArray& reply) { live = reply; };
    instrument.liveX = 0x1234;
    instrument.liveStatus = 0x81;
    EXPECT_TRUE(SendCommand(2, true));
    EXPECT_EQ(live.size(), 13);
    EXPECT_EQ(live.mid(4, 2), Hex("12 34"));
    EXPECT_EQ(static_cast<quint8>(live[10]), 0x81);
    // A waiting send shows the reply's text, then its own.
    ASSERT_GE(statuses.size(), 2u);
    EXPECT_EQ(statuses[statuses.size() - 2].text, QStringLiteral("Reply received"));
    EXPECT_EQ(lastStatusText(), QStringLiteral("Last Command OK"));
}

TEST_F(ExchangeTest, ReplyLengthTable) {
    const std::pair<const char*, int> table[] = {{"1", 10},  {"2", 13}, {"3", 7},   {"4", 0},
                                                 {"7", 70},  {"9", 11}, {"10", 25}, {"8", 7},
                                                 {"254", 7}, {"03", 7}, {"", 7}};
    for (const auto& [text, n] : table)
        EXPECT_EQ(GetCommandChars(QString::fromLatin1(text)), n) << text;
}

TEST_F(ExchangeTest, ThreeFailuresDropTheLinkAndEachLaterOneDropsAgain) {
    connectQuietly();
    ASSERT_TRUE(StartKeepAlive());
    CommState().ViewTimerId = Timers().SetTimer(3000, [] {});
    instrument.SetFault(Kl720Instrument::Fault::ErrorReply);
    EXPECT_FALSE(SendCommand(3, true));
    EXPECT_FALSE(SendCommand(3, true));
    EXPECT_TRUE(connectedCalls.empty());
    EXPECT_FALSE(SendCommand(3, true));
    EXPECT_FALSE(CommState().Connected);
    EXPECT_EQ(connectedCalls, std::vector<bool>{false});
    EXPECT_EQ(CommState().PollTimerId, 0u);
    EXPECT_EQ(CommState().ViewTimerId, 0u);
    EXPECT_EQ(time.RunningTimers(), 0);
    EXPECT_EQ(CommState().TimeoutCount, 3);
    // A late time-out after the drop drops again without harm.
    TimeoutFunction();
    EXPECT_EQ(CommState().TimeoutCount, 4);
    EXPECT_EQ(connectedCalls, (std::vector<bool>{false, false}));
    // The next send asks to connect again.
    ui.messageAnswers = {false};
    EXPECT_FALSE(SendCommand(3, true));
    ASSERT_EQ(ui.messageCalls.size(), 1);
    EXPECT_EQ(ui.messageCalls[0].message, ResString(19));
}

TEST_F(ExchangeTest, AGoodReplyResetsTheFailureCount) {
    connectQuietly();
    instrument.SetFault(Kl720Instrument::Fault::Silence, 2);
    EXPECT_FALSE(SendCommand(3, true));
    EXPECT_FALSE(SendCommand(3, true));
    EXPECT_EQ(CommState().TimeoutCount, 2);
    EXPECT_TRUE(SendCommand(3, true));
    EXPECT_EQ(CommState().TimeoutCount, 0);
    EXPECT_TRUE(CommState().Connected);
}

TEST_F(ExchangeTest, ASendWhileOneIsPendingIsRefusedAndStopsLivePolling) {
    connectQuietly();
    silent();
    CommState().ViewTimerId = Timers().SetTimer(3000, [] {});
    EXPECT_FALSE(SendCommand(3, false));
    ASSERT_TRUE(CommState().CommandPending());
    const int writes = port->writes.size();
    const int discards = port->inputDiscards;
    EXPECT_FALSE(SendCommand(7, true));
    EXPECT_EQ(port->writes.size(), writes);
    EXPECT_EQ(port->inputDiscards, discards);
    EXPECT_EQ(CommState().ViewTimerId, 0u);
    EXPECT_EQ(CommState().CurrentCommand, QStringLiteral("3"));
    EXPECT_TRUE(ui.messageCalls.isEmpty());
}

TEST_F(ExchangeTest, NonWaitingSendsGetTheirReplyThroughTheReceiveEvent) {
    connectQuietly();
    EXPECT_FALSE(SendCommand(3, false));
    EXPECT_TRUE(port->ReceiveEventsEnabled());
    EXPECT_EQ(time.TimerInterval(CommState().ReplyTimerId), 2000);
    time.RunFor(50);
    EXPECT_FALSE(CommState().CommandPending());
    EXPECT_EQ(CommState().ReplyTimerId, 0u);
    EXPECT_FALSE(port->ReceiveEventsEnabled());
    EXPECT_EQ(lastStatusText(), QStringLiteral("Reply received"));
    EXPECT_EQ(time.RunningTimers(), 0);

    int readings = 0;
    LinkReplyHook().LiveReading = [&](const QByteArray&) { ++readings; };
    EXPECT_FALSE(SendCommand(2, false));
    EXPECT_EQ(time.TimerInterval(CommState().ReplyTimerId), 2900);
    time.RunFor(50);
    EXPECT_EQ(readings, 1);
}

TEST_F(ExchangeTest, NonWaitingTimeOutsFireAtTheirExactTime) {
    connectQuietly();
    silent();
    for (int cmd : {3, 2}) {
        const qint64 limit = cmd == 2 ? 2900 : 2000;
        EXPECT_FALSE(SendCommand(static_cast<quint8>(cmd), false));
        time.RunFor(limit - 1);
        EXPECT_TRUE(CommState().CommandPending());
        time.RunFor(1);
        EXPECT_FALSE(CommState().CommandPending());
        EXPECT_EQ(lastStatusText(), QStringLiteral("No reply (time-out)"));
        EXPECT_FALSE(port->ReceiveEventsEnabled());
        EXPECT_EQ(CommState().ReplyTimerId, 0u);
    }
    EXPECT_EQ(CommState().TimeoutCount, 2);
    EXPECT_TRUE(ui.messageCalls.isEmpty());
}

TEST_F(ExchangeTest, BytesWhileIdleAreThrownAway) {
    connectQuietly();
    port->SetReceiveEventsEnabled(true);
    port->Arrive(5, kAck3);
    time.RunFor(10);
    EXPECT_EQ(port->BytesWaiting(), 0);
    EXPECT_TRUE(statuses.empty());
}

// Bytes that come in while a waiting send runs belong to it, not to the receive event.
TEST_F(ExchangeTest, WaitingReadsAreNotStolenByTheReceiveEvent) {
    connectQuietly();
    int events = 0;
    port->SetReceiveHandler([&] { ++events; });
    port->ArriveSpaced(5, kAck3, 100);
    replyWith(QByteArray(), 0);
    port->responder = nullptr;
    EXPECT_TRUE(SendCommand(3, true));
    EXPECT_EQ(events, 0);
}

// Request data goes with each send: a data-less command after an identification write is
// still the six-byte frame.
TEST_F(ExchangeTest, RequestDataNeverCarriesOver) {
    connectQuietly();
    WriteID(QStringLiteral("ID"), QStringLiteral("LONG"));
    ASSERT_EQ(port->writes.size(), 1);
    EXPECT_EQ(port->writes[0].size(), 70);
    EXPECT_EQ(port->writes[0].left(4), Hex("3E 00 43 08"));
    EXPECT_EQ(port->writes[0].mid(4, 16), QByteArray("ID").leftJustified(16, ' '));
    EXPECT_EQ(port->writes[0].mid(20, 48), QByteArray("LONG").leftJustified(48, ' '));
    EXPECT_TRUE(SendCommand(3, true));
    EXPECT_EQ(port->writes[1], Hex("3E 00 03 03 19 4D"));
}

TEST_F(ExchangeTest, AClosedPortAsksOnlyForTheUsersOwnCommands) {
    connectQuietly();
    Seriale().Close();
    EXPECT_FALSE(SendCommand(7, true));
    ASSERT_EQ(ui.messageCalls.size(), 1);
    EXPECT_EQ(ui.messageCalls[0].message, ResString(17));
    EXPECT_TRUE(CommState().Connected);
    // The keep-alive finds the port gone: no box, the link ends.
    EXPECT_FALSE(SendCommand(3, false));
    EXPECT_EQ(ui.messageCalls.size(), 1);
    EXPECT_FALSE(CommState().Connected);
}

TEST_F(ExchangeTest, ALostPortDropsTheLinkOnce) {
    connectQuietly();
    ASSERT_TRUE(StartKeepAlive());
    port->Vanish();
    EXPECT_FALSE(CommState().Connected);
    EXPECT_EQ(connectedCalls, std::vector<bool>{false});
    EXPECT_EQ(portLost, 1);
    EXPECT_EQ(CommPortNumber(), 0);
    time.RunFor(20000);
    EXPECT_EQ(connectedCalls.size(), 1u);
    EXPECT_TRUE(ui.messageCalls.isEmpty());
}

TEST_F(ExchangeTest, KeepAliveEveryFiveSecondsAndASilentInstrumentDropsAfter17s) {
    ui.messageAnswers = {true};
    ASSERT_TRUE(InitCommunication());
    const int before = writesOf(3);
    time.RunFor(4999);
    EXPECT_EQ(writesOf(3), before);
    time.RunFor(1);
    EXPECT_EQ(writesOf(3), before + 1);
    time.RunFor(5000);
    EXPECT_EQ(writesOf(3), before + 2);
    EXPECT_TRUE(CommState().Connected);

    // The instrument falls silent right after the good exchange at 10 s.
    instrument.SetFault(Kl720Instrument::Fault::Silence);
    const qint64 lastGood = time.MonotonicMs();
    time.RunFor(16999);
    EXPECT_TRUE(CommState().Connected);
    time.RunFor(1);
    EXPECT_FALSE(CommState().Connected);
    EXPECT_EQ(time.MonotonicMs() - lastGood, 17000);
    EXPECT_EQ(CommState().PollTimerId, 0u);
    EXPECT_EQ(CommState().TimeoutCount, 3);
    EXPECT_EQ(statuses.back().text, ResString(3029));
    EXPECT_EQ(connectedCalls, (std::vector<bool>{true, false}));
    EXPECT_EQ(ui.messageCalls.size(), 1); // the connect question only: no box from a timer
    time.RunFor(20000);
    EXPECT_EQ(writesOf(3), before + 5);
}

TEST_F(ExchangeTest, DownloadReadsUntilSilenceAndNeedsAWholeHeader) {
    connectQuietly();
    int handed = 0;
    QByteArray image;
    LinkReplyHook().Download = [&](const QByteArray& reply) {
        ++handed;
        image = reply.mid(4, reply.size() - 6);
        return true;
    };
    int shows = 0, hides = 0;
    WaitBoxHook().Show = [&](const QString&) { ++shows; };
    WaitBoxHook().Hide = [&] { ++hides; };
    for (int i = 0; i < 500; ++i)
        instrument.samples.push_back({quint16(i), quint16(i * 2), quint16(i * 3), 1});
    const qint64 start = time.MonotonicMs();
    EXPECT_TRUE(SendCommand(4, true));
    EXPECT_EQ(handed, 1);
    EXPECT_EQ(image, instrument.MemoryImage());
    EXPECT_EQ(time.MonotonicMs() - start, 5 + 700);
    EXPECT_EQ(shows, 1);
    EXPECT_GE(hides, 1);

    // 95 image bytes: the header is not whole.
    replyWith(Kl720Instrument::BuildReply(4, QByteArray(95, '\0')));
    EXPECT_FALSE(SendCommand(4, true));
    EXPECT_EQ(handed, 1);
    EXPECT_EQ(CommState().TimeoutCount, 1);
    replyWith(Kl720Instrument::BuildReply(4, QByteArray(96, '\0')));
    EXPECT_TRUE(SendCommand(4, true));
    EXPECT_EQ(handed, 2);
    WaitBoxHook() = WaitBoxHooks();
}

TEST_F(ExchangeTest, ARefusedImageCountsAsAGoodExchange) {
    connectQuietly();
    CommState().TimeoutCount = 2;
    LinkReplyHook().Download = [](const QByteArray&) { return false; };
    EXPECT_FALSE(SendCommand(4, true));
    EXPECT_EQ(CommState().TimeoutCount, 0);
    EXPECT_FALSE(CommState().CommandPending());
    EXPECT_EQ(lastStatusText(), QStringLiteral("Reply received"));
    EXPECT_TRUE(CommState().Connected);
}

// A line that never goes quiet ends at the longest reply a frame can announce.
TEST_F(ExchangeTest, AnEndlessStreamEndsTheDownload) {
    connectQuietly();
    LinkReplyHook().Download = [](const QByteArray&) { return true; };
    port->responder = [&](const QByteArray&) {
        for (int i = 0; i < 80; ++i)
            port->Arrive(5 + i * 100, QByteArray(1000, '\x3C'));
    };
    EXPECT_FALSE(SendCommand(4, true));
    EXPECT_EQ(CommState().TimeoutCount, 1);
    EXPECT_LT(time.MonotonicMs(), 7000 + 700);
}

TEST_F(ExchangeTest, AFullMemoryImageIsReadWhole) {
    connectQuietly();
    QByteArray got;
    LinkReplyHook().Download = [&](const QByteArray& reply) {
        got = reply;
        return true;
    };
    instrument.samples.resize(Kl720Instrument::MaxSamples);
    const QByteArray reply = Kl720Instrument::BuildReply(4, instrument.MemoryImage());
    ASSERT_EQ(reply.size(), 65538);
    // At line speed: 1920 bytes a second, in pieces of 64 bytes.
    port->responder = [&](const QByteArray&) {
        for (qsizetype at = 0; at < reply.size(); at += 64)
            port->Arrive(5 + at * 1000 / 1920, reply.mid(at, 64));
    };
    EXPECT_TRUE(SendCommand(4, true));
    EXPECT_EQ(got, reply);
}
} // namespace
