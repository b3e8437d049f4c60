#include "link/connection.h"
#include "link/exchange.h"
#include "tests/link/link_fixture.h"

namespace {
using ConnectionTest = LinkTest;

TEST_F(ConnectionTest, MonitorStateFromTheStatusByte) {
    const std::pair<quint8, int> table[] = {{0x00, 0}, {0x01, 1}, {0x05, 1}, {0x03, 1},
                                            {0x07, 0}, {0x04, 0}, {0x06, 0}, {0xFB, 1}};
    for (const auto& [status, state] : table)
        EXPECT_EQ(MonitorStateFromStatus(status), state) << int(status);
}

TEST_F(ConnectionTest, ConnectsAndLearnsTheMonitoringState) {
    instrument.settings[16] = 0x01; // waiting for its start
    EXPECT_TRUE(InitCommunication());
    EXPECT_TRUE(CommState().Connected);
    EXPECT_EQ(CommState().MonitorState, 1);
    EXPECT_EQ(connectedCalls, std::vector<bool>{true});
    EXPECT_EQ(instrument.commands, (QList<int>{3, 10}));
    EXPECT_EQ(time.TimerInterval(CommState().PollTimerId), 5000);
    EXPECT_GE(infoUpdates, 1);
    ASSERT_EQ(ui.messageCalls.size(), 1);
    EXPECT_EQ(ui.messageCalls[0].message, ResString(19));
    EXPECT_EQ(ui.messageCalls[0].iconKind, 2);
    EXPECT_EQ(ui.messageCalls[0].buttonKind, 2);
}

TEST_F(ConnectionTest, ACancelledQuestionTouchesNothing) {
    ui.messageAnswers = {false};
    EXPECT_FALSE(InitCommunication());
    EXPECT_TRUE(port->writes.isEmpty());
    EXPECT_TRUE(connectedCalls.empty());
    EXPECT_TRUE(statuses.empty());
    EXPECT_FALSE(CommState().Connected);
}

TEST_F(ConnectionTest, ASilentInstrumentIsReported) {
    silent();
    EXPECT_FALSE(InitCommunication());
    EXPECT_FALSE(CommState().Connected);
    ASSERT_EQ(ui.messageCalls.size(), 2);
    EXPECT_EQ(ui.messageCalls[1].message, ResString(20));
    EXPECT_EQ(connectedCalls, (std::vector<bool>{true, false}));
    EXPECT_EQ(CommState().PollTimerId, 0u);
    EXPECT_EQ(lastStatusText(), QStringLiteral("No reply (time-out)"));
}

TEST_F(ConnectionTest, AFailedSettingsReadStillConnects) {
    instrument.SetFault(Kl720Instrument::Fault::ErrorReply, -1, 10);
    EXPECT_TRUE(InitCommunication());
    EXPECT_TRUE(CommState().Connected);
    EXPECT_EQ(CommState().MonitorState, -1);
    EXPECT_TRUE(time.IsTimerRunning(CommState().PollTimerId));
    EXPECT_EQ(CommState().TimeoutCount, 1);
}

TEST_F(ConnectionTest, AClosedPortIsReported) {
    Seriale().Close();
    EXPECT_FALSE(InitCommunication());
    ASSERT_EQ(ui.messageCalls.size(), 1);
    EXPECT_EQ(ui.messageCalls[0].message, ResString(17));
}

TEST_F(ConnectionTest, DropStopsKeepAliveAndPollingButLeavesTheExchange) {
    EXPECT_TRUE(InitCommunication());
    CommState().ViewTimerId = Timers().SetTimer(3000, [] {});
    silent();
    EXPECT_FALSE(SendCommand(3, false));
    DropCommunication();
    EXPECT_FALSE(CommState().Connected);
    EXPECT_EQ(CommState().PollTimerId, 0u);
    EXPECT_EQ(CommState().ViewTimerId, 0u);
    // The exchange in flight still ends through its time-out.
    EXPECT_TRUE(CommState().CommandPending());
    time.RunFor(2000);
    EXPECT_FALSE(CommState().CommandPending());
    EXPECT_EQ(time.RunningTimers(), 0);
}

// The keep-alive timer is one timer: connecting twice does not leave a second one ticking.
TEST_F(ConnectionTest, ReconnectingKeepsOneKeepAlive) {
    EXPECT_TRUE(InitCommunication());
    EXPECT_TRUE(InitCommunication());
    EXPECT_EQ(time.RunningTimers(), 1);
    const int before = writesOf(3);
    time.RunFor(5000);
    EXPECT_EQ(writesOf(3), before + 1);
}

// A session that the next connection finds running from a start with its switching of
// ports: closing the port drops the link.
TEST_F(ConnectionTest, ClosingOrSwitchingThePortDropsTheLink) {
    EXPECT_TRUE(InitCommunication());
    ASSERT_TRUE(OpenCommPort(2));
    EXPECT_FALSE(CommState().Connected);
    EXPECT_EQ(CommPortNumber(), 2);
    EXPECT_EQ(Seriale().Path(), QStringLiteral("fake2"));
    EXPECT_TRUE(InitCommunication());
    CloseCommPort();
    EXPECT_FALSE(CommState().Connected);
    EXPECT_EQ(CommPortNumber(), 0);
}
} // namespace
