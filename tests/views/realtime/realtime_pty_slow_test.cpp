// Live polling through the real serial layer against the emulated instrument on a
// pseudo-terminal, on real timers: start, readings in both ranges, stop, and the log holds
// every reading. Each wait ends on an event, never on a guessed delay.
#include "data/dataset.h"
#include "data/files/realtime_log.h"
#include "data/files/session_log.h"
#include "data/live/realtime_set.h"
#include "data/live/realtime_view.h"
#include "data/live/split_data_read_data.h"
#include "data/upload/upload_data.h"
#include "link/connection.h"
#include "platform/serial/qt_serial_port.h"
#include "tests/link/link_fixture.h"
#include "tests/support/kl720_live.h"
#include "tests/support/kl720_pty.h"
#include "text/file_text_locale.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {
TEST(RealTimePty, PollsReadingsInBothRangesStopsAndTheLogHoldsThemAll) {
    EnglishTexts texts;
    FakeUi ui;
    QTemporaryDir dir;
    SetWritableFolderForTests(dir.path());
    ResetCommState();
    ResetRealTimeSet();
    Kl720PtyServer server;
    ASSERT_TRUE(server.IsRunning());
    server.ExportAsComPort(1);
    server.With([](Kl720Instrument& k) {
        k.liveMoving = true;
        k.liveTick = 2; // the next readings: one on the low range, then the high
        AdvanceLiveReading(k);
        return 0;
    });
    InstallSeriale(std::make_unique<QtSerialPort>());
    RegisterDataReplyHandlers();
    RegisterLiveReplyHandler();
    ASSERT_TRUE(OpenCommPort(1));
    ui.messageAnswers = {true};
    ASSERT_TRUE(InitCommunication());

    ASSERT_TRUE(RealTimeView(QStringLiteral("Start")));
    EXPECT_EQ(RealTimeSet().RtIDShort, QStringLiteral("KL720-TEST"));
    EXPECT_EQ(CommState().PollTimerId, 0u);
    ASSERT_TRUE(QTest::qWaitFor([] { return RealTimeSet().RtCount >= 4; }, 20000));
    StopRealTimeWhenIdle();
    ASSERT_TRUE(QTest::qWaitFor([] { return !RealTimeStopWaiting(); }, 5000));
    EXPECT_FALSE(RealTimeSet().RealTimeActive);
    EXPECT_NE(CommState().PollTimerId, 0u) << "the keep-alive is back";

    const RealTimeSetState& set = RealTimeSet();
    bool low = false, high = false;
    for (int i = 1; i <= set.RtCount; ++i) {
        low = low || set.RtZ[i] < 2.0f;
        high = high || set.RtZ[i] >= 2.0f;
    }
    EXPECT_TRUE(low && high) << "readings came on both ranges";

    QFile file(RealTimeLogPath());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    DataSet data;
    ASSERT_EQ(ReadSessionLog(file.readAll(), FileTextLocale(), data), LoadRefusal::None);
    ASSERT_EQ(data.NumSamples, set.RtCount) << "every reading is in the log";
    for (int i = 1; i <= set.RtCount; ++i) {
        EXPECT_FLOAT_EQ(data.DataX[i], set.RtX[i]);
        EXPECT_FLOAT_EQ(data.DataZ[i], set.RtZ[i]);
    }
    EXPECT_EQ(data.SampleStep, 3);
    EXPECT_TRUE(ui.standardCalls.isEmpty()) << "no box from polling";

    StopLinkTimers();
    InstallSeriale(nullptr);
    LinkReplyHook() = LinkReplyHooks();
    ResetCommState();
    ResetRealTimeSet();
    SetWritableFolderForTests(QString());
}
} // namespace
