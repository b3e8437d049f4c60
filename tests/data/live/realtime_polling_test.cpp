// Live polling against the emulated instrument on the fake link and virtual time: the start
// in place of the keep-alive, the readings decoded, logged and drawn, the stop that waits
// for the outstanding reply and acts once, and the keep-alive given back.
#include "core/program_events.h"
#include "data/dataset.h"
#include "data/files/realtime_log.h"
#include "data/files/session_log.h"
#include "data/live/realtime_hooks.h"
#include "data/live/realtime_set.h"
#include "data/live/realtime_view.h"
#include "data/live/split_data_read_data.h"
#include "data/upload/upload_data.h"
#include "link/connection.h"
#include "link/exchange.h"
#include "tests/link/link_fixture.h"
#include "text/date_math.h"
#include "text/file_text_locale.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>

namespace {
class RealTimePollingTest : public LinkTest {
protected:
    void SetUp() override {
        LinkTest::SetUp();
        SetWritableFolderForTests(dir.path());
        ResetRealTimeSet();
        CurrentData() = DataSet();
        RegisterDataReplyHandlers();
        RegisterLiveReplyHandler();
        RealTimeHooks& hooks = RealTimeHook();
        hooks.BatteryPicture = [this](bool low) { battery.push_back(low); };
        hooks.ShowLiveInfo = [this] { ++liveInfo; };
        hooks.DrawReading = [this] { drawn.push_back(RealTimeSet().RtValues[0]); };
        hooks.ClearTrend = [this] { ++trendClears; };
        hooks.EnableInstrumentButtons = [this](bool on) { instrumentButtons.push_back(on); };
        hooks.ShowPolling = [this](PollingShown s) { shown.push_back(s); };
        instrument.idShort = QByteArray("SN0042").leftJustified(16, ' ');
        instrument.idLong = QByteArray("Cantiere nord").leftJustified(48, ' ');
        instrument.liveX = 0x0100; // 0.50 uT
        instrument.liveY = 1024;   // 200 uT on the high range
        instrument.liveStatus = 0x02;
        connectQuietly();
        ASSERT_TRUE(StartKeepAlive());
    }
    void TearDown() override {
        RealTimeView(QStringLiteral("Stop"));
        RealTimeHook() = RealTimeHooks();
        CloseLastLog();
        ResetRealTimeSet();
        CurrentData() = DataSet();
        SetWritableFolderForTests(QString());
        LinkTest::TearDown();
    }
    QByteArray logBytes() const {
        QFile file(RealTimeLogPath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    qint32 loggedSamples() const {
        DataSet data;
        return ReadSessionLog(logBytes(), FileTextLocale(), data) == LoadRefusal::None
                   ? data.NumSamples
                   : -1;
    }
    bool keepAliveRunning() const {
        return CommState().PollTimerId != 0 && time.IsTimerRunning(CommState().PollTimerId);
    }

    QTemporaryDir dir;
    std::vector<bool> battery, instrumentButtons;
    std::vector<float> drawn;
    std::vector<PollingShown> shown;
    int liveInfo = 0;
    int trendClears = 0;
};

// The live view shows the instrument's identification; a session loaded meanwhile keeps
// the one it was recorded with, for its save, its pane and its printed pages.
TEST_F(RealTimePollingTest, TheLiveStartShowsTheInstrumentsIdentificationAndLeavesTheSessions) {
    CurrentData().DataPresent = true;
    CurrentData().IDShort = QStringLiteral("SESSION-A").leftJustified(16);
    CurrentData().IDLong = QStringLiteral("Another site").leftJustified(48);
    ASSERT_TRUE(RealTimeView(QStringLiteral("Start")));
    EXPECT_EQ(RealTimeSet().RtIDShort, QStringLiteral("SN0042"));
    EXPECT_EQ(RealTimeSet().RtIDLong, QStringLiteral("Cantiere nord"));
    EXPECT_EQ(CurrentData().IDShort, QStringLiteral("SESSION-A").leftJustified(16));
    EXPECT_EQ(CurrentData().IDLong, QStringLiteral("Another site").leftJustified(48));
}

TEST_F(RealTimePollingTest, PollsEveryThreeSecondsInPlaceOfTheKeepAliveAndGivesItBack) {
    ASSERT_TRUE(RealTimeView(QStringLiteral("Start")));
    EXPECT_EQ(writesOf(3), 1);
    EXPECT_EQ(writesOf(7), 1);
    EXPECT_FALSE(keepAliveRunning());
    EXPECT_EQ(time.TimerInterval(CommState().ViewTimerId), ViewTimerMs);
    EXPECT_EQ(instrumentButtons, std::vector<bool>{false});
    EXPECT_EQ(shown, std::vector<PollingShown>{PollingShown::Polling});
    EXPECT_EQ(trendClears, 1);
    EXPECT_TRUE(RealTimeSet().RealTimeActive);
    EXPECT_EQ(RealTimeSet().RtIDShort, QStringLiteral("SN0042"));
    EXPECT_EQ(RealTimeSet().RtIDLong, QStringLiteral("Cantiere nord"));
    EXPECT_TRUE(RealTimeLogOpen());

    time.RunFor(3 * ViewTimerMs + 100);
    EXPECT_EQ(writesOf(2), 3);
    EXPECT_EQ(writesOf(3), 1) << "no keep-alive while polling";
    EXPECT_EQ(RealTimeSet().RtCount, 3);
    EXPECT_FLOAT_EQ(RealTimeSet().RtX[3], 0.5f);
    EXPECT_FLOAT_EQ(RealTimeSet().RtY[3], 200.0f);
    EXPECT_FLOAT_EQ(RealTimeSet().Figures.RtMax, 200.0f);
    EXPECT_EQ(drawn.size(), 3u);
    EXPECT_EQ(battery, (std::vector<bool>{false, false, false}));
    EXPECT_EQ(loggedSamples(), 3) << "the log loads while it is still open";

    StopRealTimeWhenIdle();
    EXPECT_FALSE(RealTimeSet().RealTimeActive);
    EXPECT_FALSE(RealTimeLogOpen());
    EXPECT_EQ(CommState().ViewTimerId, 0u);
    EXPECT_TRUE(keepAliveRunning());
    EXPECT_EQ(instrumentButtons, (std::vector<bool>{false, true}));
    EXPECT_EQ(shown.back(), PollingShown::Idle);
    EXPECT_EQ(loggedSamples(), 3);
    time.RunFor(6000);
    EXPECT_EQ(writesOf(2), 3);
    EXPECT_EQ(writesOf(3), 2) << "the keep-alive is back";
}

TEST_F(RealTimePollingTest, ASilentInstrumentLeavesEverythingIdle) {
    instrument.SetFault(Kl720Instrument::Fault::Silence);
    EXPECT_FALSE(RealTimeView(QStringLiteral("Start")));
    EXPECT_EQ(shown, std::vector<PollingShown>{PollingShown::Idle});
    EXPECT_TRUE(instrumentButtons.empty()) << "toolbar buttons 7, 10, 11 stay enabled";
    EXPECT_TRUE(keepAliveRunning());
    EXPECT_EQ(CommState().ViewTimerId, 0u);
    EXPECT_FALSE(RealTimeSet().RealTimeActive);
    EXPECT_FALSE(QFile::exists(RealTimeLogPath()));
}

TEST_F(RealTimePollingTest, AStartWithoutIdentificationReadsTheLowRangeAtFiveMicrotesla) {
    instrument.SetFault(Kl720Instrument::Fault::ErrorReply, 1, 7);
    instrument.liveX = 1024;
    instrument.liveStatus = 0x00;
    ASSERT_TRUE(RealTimeView(QStringLiteral("Start")));
    EXPECT_EQ(RealTimeSet().RtIDShort, QStringLiteral("(Nessun ID)"));
    EXPECT_EQ(RealTimeSet().RtIDLong, QStringLiteral("-"));
    EXPECT_DOUBLE_EQ(RealTimeSet().LowRangeFullScale, 5.0);
    time.RunFor(ViewTimerMs + 100);
    EXPECT_FLOAT_EQ(RealTimeSet().RtValues[0], 5.0f);
    StopRealTimeWhenIdle();

    // A later start with identification keeps the 5.0 uT low range.
    ASSERT_TRUE(RealTimeView(QStringLiteral("Start")));
    EXPECT_EQ(RealTimeSet().RtIDShort, QStringLiteral("SN0042"));
    EXPECT_DOUBLE_EQ(RealTimeSet().LowRangeFullScale, 5.0);
    EXPECT_EQ(RealTimeSet().RtCount, 0);
}

TEST_F(RealTimePollingTest, AStopWhileAReplyIsOutstandingTakesTheReplyFirstAndActsOnce) {
    ASSERT_TRUE(RealTimeView(QStringLiteral("Start")));
    AttachInstrument(*port, instrument, time, FakeInstrumentLine{1500, 400});
    time.RunFor(ViewTimerMs + 10); // the poll is out, its reply 1.5 s away
    ASSERT_TRUE(CommState().CommandPending());
    StopRealTimeWhenIdle();
    StopRealTimeWhenIdle(); // pressed again while waiting
    EXPECT_TRUE(RealTimeStopWaiting());
    EXPECT_EQ(shown.back(), PollingShown::Stopping);
    EXPECT_TRUE(RealTimeLogOpen());
    EXPECT_EQ(CommState().ViewTimerId, 0u) << "no further poll goes out";

    time.RunFor(2000);
    EXPECT_FALSE(RealTimeStopWaiting());
    EXPECT_EQ(RealTimeSet().RtCount, 1);
    EXPECT_EQ(loggedSamples(), 1) << "the reply is logged before the log closes";
    EXPECT_FALSE(RealTimeLogOpen());
    StopRealTimeWhenIdle(); // and once more after the stop
    EXPECT_EQ(std::count(shown.begin(), shown.end(), PollingShown::Idle), 1);
    EXPECT_EQ(instrumentButtons, (std::vector<bool>{false, true}));
    EXPECT_EQ(time.RunningTimers(), 1) << "one keep-alive timer, nothing else";
    EXPECT_TRUE(keepAliveRunning());
}

TEST_F(RealTimePollingTest, AStopWhileNotConnectedLeavesTheKeepAliveOff) {
    ASSERT_TRUE(RealTimeView(QStringLiteral("Start")));
    CommState().Connected = false;
    StopRealTimeWhenIdle();
    EXPECT_FALSE(RealTimeSet().RealTimeActive);
    EXPECT_EQ(CommState().PollTimerId, 0u);
    EXPECT_EQ(time.RunningTimers(), 0);
}

TEST_F(RealTimePollingTest, ATickThatFindsACommandWaitingIsSkippedAndPollingGoesOn) {
    ASSERT_TRUE(RealTimeView(QStringLiteral("Start")));
    CommState().CurrentCommand = QStringLiteral("3");
    time.RunFor(ViewTimerMs + 10);
    EXPECT_EQ(writesOf(2), 0);
    EXPECT_TRUE(time.IsTimerRunning(CommState().ViewTimerId));
    CommState().CurrentCommand = QStringLiteral("254");
    time.RunFor(ViewTimerMs);
    EXPECT_EQ(writesOf(2), 1);
    EXPECT_EQ(RealTimeSet().RtCount, 1);
}

TEST_F(RealTimePollingTest, AStopWhileIdleSendsNothingAndTouchesNoTimer) {
    const TimerId keepAlive = CommState().PollTimerId;
    StopRealTimeWhenIdle();
    RealTimeView(QStringLiteral("Stop"));
    EXPECT_TRUE(port->writes.isEmpty());
    EXPECT_EQ(CommState().PollTimerId, keepAlive);
    EXPECT_EQ(time.RunningTimers(), 1);
    EXPECT_TRUE(shown.empty());
    EXPECT_TRUE(instrumentButtons.empty());
    EXPECT_FALSE(RealTimeView(QStringLiteral("start"))) << "the action text is exact";
    EXPECT_TRUE(port->writes.isEmpty());
}

TEST_F(RealTimePollingTest, AnExistingLogIsReplacedOnlyAfterYes) {
    {
        QFile old(RealTimeLogPath());
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("earlier");
    }
    ui.messageAnswers = {false};
    EXPECT_FALSE(StartRealTimeAfterQuestion());
    ASSERT_EQ(ui.messageCalls.size(), 1);
    EXPECT_TRUE(port->writes.isEmpty());
    EXPECT_EQ(logBytes(), QByteArray("earlier"));
    EXPECT_TRUE(shown.empty());

    ui.messageAnswers = {true};
    EXPECT_TRUE(StartRealTimeAfterQuestion());
    EXPECT_TRUE(logBytes().startsWith("\"Field Activity Log\""));
}

TEST_F(RealTimePollingTest, AHighRangeCountPastTheRangeIsReportedAndDroppedWhole) {
    QSignalSpy status(&Events(), &ProgramEvents::StatusText);
    ASSERT_TRUE(RealTimeView(QStringLiteral("Start")));
    instrument.liveX = 0x8000;
    instrument.liveStatus = 0x81;
    time.RunFor(ViewTimerMs + 100);
    EXPECT_EQ(RealTimeSet().RtCount, 0);
    EXPECT_TRUE(drawn.empty());
    EXPECT_EQ(battery, std::vector<bool>{true}) << "the battery flag is still shown";
    ASSERT_EQ(status.count(), 1);
    EXPECT_EQ(status.at(0).at(0).toString(), ResString(3860));
    EXPECT_TRUE(ui.standardCalls.isEmpty()) << "no box from the receive event";
    EXPECT_TRUE(CommState().Connected) << "the exchange itself was good";

    instrument.liveX = 0x0100;
    instrument.liveStatus = 0x00;
    time.RunFor(ViewTimerMs);
    EXPECT_EQ(RealTimeSet().RtCount, 1);
    StopRealTimeWhenIdle();
    EXPECT_EQ(loggedSamples(), 1);
}

// The status line's "Live reading dropped" stays only until the next good reading or the
// next start.
TEST_F(RealTimePollingTest, TheDroppedReadingTextGoesWithAGoodReadingOrANewStart) {
    const struct {
        const char* what;
        bool restart; // else the next reading is good
    } cases[] = {{"a good reading", false}, {"a new start", true}};
    for (const auto& c : cases) {
        RealTimeView(QStringLiteral("Stop"));
        instrument.liveX = 0x8000; // past the high range: dropped
        instrument.liveStatus = 0x81;
        ASSERT_TRUE(RealTimeView(QStringLiteral("Start"))) << c.what;
        QSignalSpy status(&Events(), &ProgramEvents::StatusText);
        time.RunFor(ViewTimerMs + 100);
        ASSERT_EQ(status.count(), 1) << c.what;
        EXPECT_EQ(status.at(0).at(0).toString(), ResString(3860)) << c.what;
        if (c.restart) {
            RealTimeView(QStringLiteral("Stop"));
            ASSERT_TRUE(RealTimeView(QStringLiteral("Start"))) << c.what;
        } else {
            instrument.liveX = 0x0100;
            instrument.liveStatus = 0x00;
            time.RunFor(ViewTimerMs);
            EXPECT_EQ(RealTimeSet().RtCount, 1) << c.what;
        }
        ASSERT_EQ(status.count(), 2) << c.what;
        EXPECT_EQ(status.at(1).at(0).toString(), QString()) << c.what;
        // Nothing more to take away: later good readings leave the status line alone.
        instrument.liveX = 0x0100;
        instrument.liveStatus = 0x00;
        time.RunFor(2 * ViewTimerMs);
        EXPECT_EQ(status.count(), 2) << c.what;
    }
}

// The link gone while polling ends the run as a stop does, without the keep-alive.
TEST_F(RealTimePollingTest, TheLinkLostEndsTheRunAndTheKeepAliveStaysOff) {
    ASSERT_TRUE(RealTimeView(QStringLiteral("Start")));
    time.RunFor(ViewTimerMs + 100);
    DropCommunication();
    RealTimeLinkLost();
    EXPECT_FALSE(RealTimeSet().RealTimeActive);
    EXPECT_FALSE(RealTimeLogOpen());
    EXPECT_EQ(loggedSamples(), 1);
    EXPECT_EQ(shown.back(), PollingShown::Idle);
    EXPECT_EQ(instrumentButtons.back(), true);
    EXPECT_FALSE(keepAliveRunning());
    shown.clear();
    RealTimeLinkLost(); // while idle: nothing
    EXPECT_TRUE(shown.empty());
}

TEST_F(RealTimePollingTest, ALogThatCannotBeMadeIsReportedOnceAndTheReadingsAreStillDrawn) {
    // What an earlier run left: the chart's labels and the pane must not show it.
    RealTimeSet().RtStartDate = NaiveDateTime(2001, 1, 1, 0, 0, 0);
    RealTimeSet().RtStep = 7;
    RealTimeSet().RtStepUnit = QStringLiteral("n");
    RealTimeSet().RtSourceName.clear();
    SetWritableFolderForTests(dir.filePath(QStringLiteral("gone/away")));
    const QDateTime before = time.Now();
    ui.ExpectErrorReports(1);
    ASSERT_TRUE(RealTimeView(QStringLiteral("Start")));
    EXPECT_EQ(ui.standardCalls.size(), 1);
    EXPECT_FALSE(RealTimeLogOpen());
    EXPECT_GE(RealTimeSet().RtStartDate, before.addSecs(2));
    EXPECT_LE(RealTimeSet().RtStartDate, time.Now().addSecs(3));
    EXPECT_EQ(RealTimeSet().RtStep, 3);
    EXPECT_EQ(RealTimeSet().RtStepUnit, QStringLiteral("s"));
    EXPECT_EQ(RealTimeSet().RtSourceName, QStringLiteral("Real Time"));
    time.RunFor(2 * ViewTimerMs + 100);
    EXPECT_EQ(RealTimeSet().RtCount, 2);
    EXPECT_EQ(drawn.size(), 2u);
    EXPECT_EQ(liveInfo, 3) << "once at the start, once a reading";
    EXPECT_EQ(ui.standardCalls.size(), 1) << "nothing more from the timer or the replies";
    StopRealTimeWhenIdle();
    EXPECT_TRUE(keepAliveRunning());
}
} // namespace
