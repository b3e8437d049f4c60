#include "tests/shell/main/fake_port.h"
#include "tests/shell/main/main_window_fixture.h"

#include "core/program_events.h"
#include "link/comm_port.h"
#include "link/comm_state.h"
#include "link/link_hooks.h"
#include "platform/serial/port_names.h"
#include "platform/timers/timer_registry.h"
#include "shell/main/frm_main.h"
#include "shell/main/picture_store.h"

#include <QAction>
#include <QLabel>

namespace {
QString path(int n) {
    return QStringLiteral("/tmp/corvanel-test-port-%1").arg(n);
}

// Every port number names a path of ours, so the machine's own devices never count.
class PortMenuTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        for (int n = 1; n <= 10; ++n)
            qputenv(PortOverrideVariable(n).constData(), path(n).toUtf8());
        auto owned = std::make_unique<FakePort>();
        port = owned.get();
        InstallSeriale(std::move(owned));
        ResetCommState();
    }
    void TearDown() override {
        InstallSeriale(nullptr);
        for (int n = 1; n <= 10; ++n)
            qunsetenv(PortOverrideVariable(n).constData());
        ResetCommState();
        MainWindowTest::TearDown();
    }

    static QList<int> checkedPorts(const frmMain& window) {
        QList<int> checked;
        for (int i = 0; i < 10; ++i)
            if (window.PortItem(i)->isChecked())
                checked.append(i);
        return checked;
    }
    static bool showsPicture(QLabel* image, int index) {
        return image->pixmap().toImage() ==
               StatusPictureAt(index, image->devicePixelRatioF()).toImage();
    }

    FakePort* port = nullptr;
};
} // namespace

TEST_F(PortMenuTest, ChoosingAPortLeavesOnlyItChecked) {
    UseLanguage(1);
    frmMain window;
    window.mnuSubSubMonitor_Click(6);
    window.mnuSubSubMonitor_Click(2);
    EXPECT_EQ(checkedPorts(window), QList<int>{2});
    EXPECT_EQ(port->opened, (QStringList{path(7), path(3)}));
    EXPECT_TRUE(window.PortOpen());
    EXPECT_EQ(window.CommPort(), 3);
    EXPECT_EQ(window.lblCommStatus()->text(), ResString(3042));
    EXPECT_TRUE(showsPicture(window.imgCommStatus(), StatusPicture::CommOk));
    EXPECT_TRUE(ui.messageCalls.isEmpty());
}

TEST_F(PortMenuTest, PortThatCannotOpenSaysSoAndLeavesNothingChecked) {
    struct Case {
        SerialError why;
        bool mentionsPermission;
    };
    for (const Case c : {Case{SerialError::Missing, false}, Case{SerialError::Busy, false},
                         Case{SerialError::PermissionDenied, true}}) {
        UseLanguage(0);
        frmMain window;
        window.mnuSubSubMonitor_Click(0);
        port->failures[path(5)] = c.why;
        ui.messageCalls.clear();
        window.mnuSubSubMonitor_Click(4);
        EXPECT_TRUE(checkedPorts(window).isEmpty());
        EXPECT_FALSE(window.PortOpen()); // the old port was closed first
        EXPECT_EQ(window.CommPort(), 0);
        ASSERT_EQ(ui.messageCalls.size(), 1);
        const MessageBoxRequest& box = ui.messageCalls[0];
        EXPECT_TRUE(box.message.startsWith(ResString(6)));
        EXPECT_EQ(box.message.contains(ResString(4192)), c.mentionsPermission);
        EXPECT_EQ(box.message.contains(QStringLiteral("dialout")), c.mentionsPermission);
        EXPECT_EQ(box.buttonKind, 1);
        EXPECT_EQ(box.title, ResString(2));
        EXPECT_EQ(window.lblCommStatus()->text(), ResString(5));
        EXPECT_TRUE(showsPicture(window.imgCommStatus(), StatusPicture::CommOff));
    }
}

TEST_F(PortMenuTest, StoredPortOutOfRangeOpensNothing) {
    frmMain window;
    window.mnuSubSubMonitor_Click(-1);
    window.mnuSubSubMonitor_Click(10);
    EXPECT_TRUE(port->opened.isEmpty());
    EXPECT_TRUE(checkedPorts(window).isEmpty());
    EXPECT_EQ(ui.messageCalls.size(), 2);
}

TEST_F(PortMenuTest, RealPortAtAMissingPathFails) {
    InstallSeriale(nullptr); // the real serial port
    qputenv("CORVANEL_COM4", "/tmp/corvanel-no-such-device/ttyX");
    frmMain window;
    window.mnuSubSubMonitor_Click(3);
    EXPECT_FALSE(window.PortOpen());
    EXPECT_TRUE(checkedPorts(window).isEmpty());
    ASSERT_EQ(ui.messageCalls.size(), 1);
    EXPECT_TRUE(ui.messageCalls[0].message.startsWith(ResString(6)));
}

TEST_F(PortMenuTest, LostPortShowsTheClosedPort) {
    frmMain window;
    window.mnuSubSubMonitor_Click(1);
    ASSERT_EQ(checkedPorts(window), QList<int>{1});
    emit Events().PortLost();
    EXPECT_TRUE(checkedPorts(window).isEmpty());
    EXPECT_EQ(window.lblCommStatus()->text(), ResString(5));
}

TEST_F(PortMenuTest, ReceiveEventWithNothingInFlightThrowsTheBytesAway) {
    frmMain window;
    window.mnuSubSubMonitor_Click(0);
    port->input = QByteArray("<\x00\x03", 3);
    port->SetReceiveEventsEnabled(true);
    CommState().CurrentCommand = QStringLiteral("254");
    window.Seriale_OnComm();
    EXPECT_EQ(port->discards, 1);
    EXPECT_EQ(port->reads, 0);
    EXPECT_TRUE(port->input.isEmpty());
}

TEST_F(PortMenuTest, ReceiveEventForAPendingCommandStopsTheTimeOutAndReads) {
    frmMain window;
    window.mnuSubSubMonitor_Click(0);
    CommState().CurrentCommand = QStringLiteral("3");
    CommState().ReplyTimerId = Timers().SetTimer(2000, [] {});
    const TimerId timer = CommState().ReplyTimerId;
    port->SetReceiveEventsEnabled(true);
    port->input = QByteArray("<", 1);
    window.Seriale_OnComm();
    EXPECT_EQ(CommState().ReplyTimerId, 0u);
    EXPECT_FALSE(Timers().IsTimerRunning(timer));
    EXPECT_FALSE(port->ReceiveEventsEnabled()); // no further events until the next send
    EXPECT_GE(port->reads, 1);
    Timers().KillTimer(timer);
}

TEST(PortNames, AdaptersComeFirstThenTheRestByName) {
    EXPECT_EQ(OrderSerialDevices({"ttyS10", "ttyS2", "ttyACM0", "ttyUSB1", "ttyS0", "ttyUSB0"}),
              (QStringList{"ttyACM0", "ttyUSB0", "ttyUSB1", "ttyS0", "ttyS2", "ttyS10"}));
    EXPECT_TRUE(OrderSerialDevices({}).isEmpty());
}

TEST(PortNames, PortNumberNamesTheNthDeviceUnlessTheEnvironmentSaysOtherwise) {
    const QStringList devices{"ttyS0", "ttyUSB0", "ttyS1"};
    qunsetenv("CORVANEL_COM1");
    qunsetenv("CORVANEL_COM2");
    qunsetenv("CORVANEL_COM4");
    EXPECT_EQ(PortPathFor(1, devices), QStringLiteral("/dev/ttyUSB0"));
    EXPECT_EQ(PortPathFor(2, devices), QStringLiteral("/dev/ttyS0"));
    EXPECT_EQ(PortPathFor(4, devices), QString());
    EXPECT_EQ(PortPathFor(0, devices), QString());
    EXPECT_EQ(PortPathFor(11, devices), QString());
    EXPECT_EQ(PortDeviceLabel(1, devices), QStringLiteral("ttyUSB0"));
    qputenv("CORVANEL_COM2", "/dev/pts/7");
    EXPECT_EQ(PortPathFor(2, devices), QStringLiteral("/dev/pts/7"));
    EXPECT_EQ(PortDeviceLabel(2, devices), QStringLiteral("/dev/pts/7"));
    qunsetenv("CORVANEL_COM2");
}
