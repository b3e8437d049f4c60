// The whole program's monitoring road against the emulated instrument on a pseudo-terminal:
// the toolbar's monitoring button opens the dialog, which programs and starts a session
// through the real serial layer; the session is read back into the information pane and
// stopped from the dialog. Real time: every wait ends on an event.
#include "core/language.h"
#include "core/options.h"
#include "link/comm_state.h"
#include "link/instrument_commands.h"
#include "platform/clock.h"
#include "shell/dialogs/frm_monitor.h"
#include "shell/main/frm_main.h"
#include "shell/main/toolbar_buttons.h"
#include "shell/panes/frm_info.h"
#include "shell/startup/shell_hooks.h"
#include "shell/startup/start_up.h"
#include "tests/support/program_on_emulator.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include <gtest/gtest.h>

namespace {
class ProgramMonitor : public ProgramOnEmulator {
protected:
    void SetUp() override {
        Prepare(UserOptionsOnPort1());
        server.With([](Kl720Instrument& k) {
            k.settings = {};
            k.settings[5] = 3;    // the last session ran in minutes
            k.settings[6] = 0x10; // every 10
        });
    }
    // The user presses the progress's close button once the start waits for it.
    static void closeProgressWhenAsked(frmMonitor& d) {
        auto* poll = new QTimer(&d);
        QObject::connect(poll, &QTimer::timeout, &d, [&d, poll] {
            if (d.ReadButtonStatus()) {
                poll->stop();
                d.btnClose_Click();
            }
        });
        poll->start(20);
    }
    quint8 instrumentStatus() {
        return server.With([](Kl720Instrument& k) { return k.settings[16]; });
    }
};

TEST_F(ProgramMonitor, ProgramsStartsReadsBackAndStopsASession) {
    RegisterShellHooks();
    ASSERT_EQ(Main(), StartResult::Running);
    frmMain& window = MainWindow();
    auto* info = qobject_cast<frmInfo*>(window.InfoPane());
    ASSERT_NE(info, nullptr);

    // Program a session that starts in an hour, every 5 minutes, until the memory is full.
    const QDateTime start = CurrentClock().Now().addSecs(3600);
    QString statusAfterStart;
    ui.messageAnswers = {true, true}; // connect, then Yes to the confirmation
    ui.onModal = [&](QDialog& dialog) {
        auto& d = static_cast<frmMonitor&>(dialog);
        d.txtStepSize->setText(QStringLiteral("5"));
        d.cboStepResolution->setCurrentIndex(1);
        d.optStartDate[1]->setChecked(true);
        d.SetRow(0, start);
        closeProgressWhenAsked(d);
        d.btnStartMonitor->click();
        statusAfterStart = d.lblStatus->text();
        d.btnCancel->click();
    };
    window.ToolbarButton(Button::Monitor)->trigger();
    ASSERT_EQ(ui.modalCalls.size(), 1);
    ASSERT_GE(ui.messageCalls.size(), 2);
    EXPECT_EQ(ui.messageCalls[0].message, ResString(19));
    EXPECT_EQ(ui.messageCalls[1].message, ResString(14)) << "9349 five-minute steps: 32 days";
    EXPECT_EQ(statusAfterStart, ResString(3010));
    QList<int> commands = server.With([](Kl720Instrument& k) { return k.commands; });
    EXPECT_EQ(commands, (QList<int>{3, 10, 10, 11, 12, 13}));
    const QByteArray params = server.With([](Kl720Instrument& k) { return k.sessionParams; });
    ASSERT_EQ(params.size(), 10);
    EXPECT_EQ(params.left(3), QByteArray::fromHex("030501"));
    EXPECT_EQ(params.right(2), QByteArray(2, '\0'));
    EXPECT_EQ(instrumentStatus(), 0x01);
    EXPECT_FALSE(CommState().Connected) << "the instrument logs on its own";
    EXPECT_EQ(CommState().MonitorState, 1);
    EXPECT_EQ(info->lblMonitorStatus()->text(), ResString(3010));

    // Read back from the Monitor menu: the link asks to connect again, then shows the
    // waiting session in the pane.
    CommState().MonitorState = -1;
    ui.messageCalls.clear();
    ui.messageAnswers = {true};
    window.mnuSubMonitor_Click(2);
    EXPECT_EQ(ui.messageCalls.size(), 1);
    EXPECT_TRUE(CommState().Connected);
    EXPECT_EQ(CommState().MonitorState, 1);
    EXPECT_EQ(info->lblMonitorStatus()->text(), ResString(3010));

    // The dialog shows it waiting; its stop button ends it.
    QString statusAtLoad, statusAfterStop;
    ui.onModal = [&](QDialog& dialog) {
        auto& d = static_cast<frmMonitor&>(dialog);
        statusAtLoad = d.lblStatus->text();
        d.btnStopMonitor->click();
        statusAfterStop = d.lblStatus->text();
        d.btnCancel->click();
    };
    window.ToolbarButton(Button::Monitor)->trigger();
    EXPECT_EQ(statusAtLoad, QStringLiteral("IN ATTESA DI PARTENZA"));
    EXPECT_EQ(statusAfterStop, QStringLiteral("TERMINATO (STOP UTENTE)"));
    EXPECT_EQ(instrumentStatus(), 0x07);
    EXPECT_EQ(server.With([](Kl720Instrument& k) { return k.settings[18]; }), 4);
    EXPECT_EQ(CommState().MonitorState, 0);
    EXPECT_EQ(info->lblMonitorStatus()->text(), ResString(3011));
}

TEST_F(ProgramMonitor, ASessionStartedAtOnceReadsBackAsRunning) {
    RegisterShellHooks();
    ASSERT_EQ(Main(), StartResult::Running);
    frmMain& window = MainWindow();
    ui.messageAnswers = {true, true};
    ui.onModal = [&](QDialog& dialog) {
        auto& d = static_cast<frmMonitor&>(dialog);
        d.txtStepSize->setText(QStringLiteral("30"));
        d.cboStepResolution->setCurrentIndex(0); // seconds
        closeProgressWhenAsked(d);
        d.btnStartMonitor->click();
        d.btnCancel->click();
    };
    window.ToolbarButton(Button::Monitor)->trigger();
    EXPECT_EQ(instrumentStatus(), 0x03);

    QString statusAtLoad;
    bool stopEnabled = false;
    ui.messageAnswers = {true};
    ui.onModal = [&](QDialog& dialog) {
        auto& d = static_cast<frmMonitor&>(dialog);
        statusAtLoad = d.lblStatus->text();
        stopEnabled = d.btnStopMonitor->isEnabled();
        d.btnCancel->click();
    };
    window.ToolbarButton(Button::Monitor)->trigger();
    EXPECT_EQ(statusAtLoad, ResString(3010));
    EXPECT_TRUE(stopEnabled);
    EXPECT_EQ(CommState().MonitorState, 1);
}
} // namespace
