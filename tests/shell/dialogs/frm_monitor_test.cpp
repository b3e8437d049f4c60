#include "core/language.h"
#include "core/options.h"
#include "link/comm_state.h"
#include "link/instrument_commands.h"
#include "link/monitor_session.h"
#include "link/monitor_status.h"
#include "link/monitor_units.h"
#include "shell/dialogs/frm_monitor.h"
#include "shell/dialogs/step_up_down.h"
#include "shell/wiring/wire_monitor.h"
#include "tests/link/link_fixture.h"
#include "tests/support/calendar_typing.h"
#include "tests/support/default_locale.h"
#include "text/date_pattern.h"
#include "views/windows/single_window.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QCalendarWidget>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimeEdit>
#include <QTimer>
#include <QToolButton>

#include <gtest/gtest.h>

// Date-times in failure messages.
inline void PrintTo(const QDateTime& when, std::ostream* os) {
    *os << when.toString(Qt::ISODate).toStdString();
}

namespace {
QDateTime at(int y, int mo, int d, int h = 0, int mi = 0, int s = 0) {
    return QDateTime(QDate(y, mo, d), QTime(h, mi, s), Qt::UTC);
}

void setSettings(Kl720Instrument& k, const char* hex) {
    const QByteArray bytes = Hex(hex);
    for (int i = 0; i < 19; ++i)
        k.settings[i] = static_cast<quint8>(bytes[i]);
}

// The dialog on the emulated instrument behind a fake port, on virtual time, with the
// program's wiring of the start's progress and the settings read.
class MonitorDialogTest : public LinkTest {
protected:
    void SetUp() override {
        LinkTest::SetUp();
        memory = Options().MemorySize;
        warn = Options().WarnOnDate;
        Options().MemorySize = 65536;
        Options().WarnOnDate = false;
        SetMonitorProgressPause([](int) {});
        RegisterMonitor();
        time.SetWallClock(at(2014, 3, 15, 8, 0, 0));
        // Nothing programmed; the last session ran every 10 minutes.
        setSettings(instrument, "00 00 07 95 03 03 10 00 00 00 00 00 00 00 00 00 00 00 00");
        connectQuietly();
    }
    void TearDown() override {
        Window<frmMonitor>().Unload();
        MonitorStages() = MonitorStageHooks();
        MonitorSettingsDecoder() = MonitorSettingsHooks();
        SetMonitorProgressPause(nullptr);
        Options().MemorySize = memory;
        Options().WarnOnDate = warn;
        LinkTest::TearDown();
    }

    frmMonitor& load() {
        frmMonitor& d = Window<frmMonitor>().Load();
        d.resize(520, 560);
        return d;
    }
    // The user closes the progress as soon as the start waits for it.
    void closeProgressWhenAsked(frmMonitor& d) {
        QTimer::singleShot(0, &d, [&d] { d.btnClose_Click(); });
    }
    QList<QString> messages() const { return ui.MessageTexts(); }
    static QString dateText(QDate date) {
        return DatePattern(ShortDatePattern(), QLocale()).Text(date);
    }

    qint32 memory = 0;
    bool warn = false;
};

TEST_F(MonitorDialogTest, LoadShowsTheSessionTheInstrumentHolds) {
    // Waiting for its start at 10:00:00 on 5 June 2014, every 15 minutes, until memory full.
    setSettings(instrument, "00 00 00 00 00 03 15 01 00 00 10 85 06 00 00 00 01 00 00");
    frmMonitor& d = load();
    EXPECT_EQ(instrument.commands, QList<int>{10});
    EXPECT_EQ(d.windowTitle(), ResString(4038));
    EXPECT_EQ(d.lblStatus->text(), QStringLiteral("IN ATTESA DI PARTENZA"));
    EXPECT_EQ(d.lblStatus->palette().color(QPalette::Window), QColor(255, 192, 192));
    EXPECT_FALSE(d.btnStartMonitor->isEnabled());
    EXPECT_TRUE(d.btnStopMonitor->isEnabled());
    EXPECT_EQ(d.txtStepSize->text(), QStringLiteral("15"));
    EXPECT_EQ(d.cboStepResolution->currentText(), ResString(3012));
    EXPECT_TRUE(d.optStartDate[1]->isChecked());
    EXPECT_TRUE(d.optStopDate[0]->isChecked());
    EXPECT_EQ(d.lblDate[0]->text(), dateText(QDate(2014, 6, 5)));
    EXPECT_EQ(d.dtpTime[0]->time(), QTime(10, 0, 0));
    EXPECT_TRUE(d.dtpTime[0]->isEnabled());
    EXPECT_FALSE(d.dtpTime[1]->isEnabled()) << "no stop date: the stop row is greyed";
    EXPECT_EQ(d.RowDateTime(1), at(2014, 6, 5, 10, 0, 0).addSecs(9349LL * 15 * 60));
    EXPECT_EQ(CommState().MonitorState, 1);
    EXPECT_EQ(d.cboStepResolution->count(), 4);
    EXPECT_EQ(d.cboStepResolution->itemData(0).toInt(), 2);
}

TEST_F(MonitorDialogTest, ANoReplyLoadFillsNowTenMinutesAndKeepsTheState) {
    CommState().MonitorState = 1;
    instrument.SetFault(Kl720Instrument::Fault::Silence, 1);
    frmMonitor& d = load();
    EXPECT_EQ(d.lblStatus->text(), ResString(5));
    EXPECT_EQ(d.txtStepSize->text(), QStringLiteral("10"));
    EXPECT_EQ(d.ChosenUnit(), 3);
    EXPECT_TRUE(d.optStartDate[0]->isChecked());
    EXPECT_FALSE(d.dtpTime[0]->isEnabled());
    EXPECT_EQ(d.RowDateTime(1), d.RowDateTime(0).addSecs(9349LL * 600));
    EXPECT_EQ(CommState().MonitorState, 1);
}

TEST_F(MonitorDialogTest, StepFieldRulesAndTheUpDown) {
    frmMonitor& d = load();
    d.cboStepResolution->setCurrentIndex(0); // seconds
    EXPECT_EQ(d.updStepSize->Lower(), 10);
    d.txtStepSize->setText(QStringLiteral("9"));
    d.txtStepSize_Validate();
    EXPECT_EQ(d.txtStepSize->text(), QStringLiteral("10"));
    d.txtStepSize->setText(QStringLiteral("300"));
    d.txtStepSize_Validate();
    EXPECT_EQ(d.txtStepSize->text(), QStringLiteral("255"));
    d.updStepSize->Up->click();
    EXPECT_EQ(d.txtStepSize->text(), QStringLiteral("99"))
        << "the arrows stay inside what goes out";
    d.txtStepSize->setText(QStringLiteral("10"));
    d.updStepSize->Down->click();
    EXPECT_EQ(d.txtStepSize->text(), QStringLiteral("10"));
    d.cboStepResolution->setCurrentIndex(1); // minutes
    EXPECT_EQ(d.updStepSize->Lower(), 1);
    d.updStepSize->Down->click();
    EXPECT_EQ(d.txtStepSize->text(), QStringLiteral("9"));
    // Each change moves the memory-full stop.
    EXPECT_EQ(d.RowDateTime(1), d.RowDateTime(0).addSecs(9349LL * 9 * 60));
}

TEST_F(MonitorDialogTest, AStopPastTheMemoryIsBroughtBackAndToldOnlyWhenAsked) {
    Options().MemorySize = 4096; // 571 samples
    frmMonitor& d = load();
    d.optStopDate[1]->setChecked(true);
    EXPECT_TRUE(d.dtpTime[1]->isEnabled());
    const QDateTime full = d.RowDateTime(0).addSecs(5710 * 60);
    d.SetRow(1, full.addDays(1));
    d.AutoCalculateDate();
    EXPECT_EQ(d.RowDateTime(1), full);
    EXPECT_TRUE(ui.messageCalls.isEmpty());
    Options().WarnOnDate = true;
    d.SetRow(1, full.addDays(1));
    d.dtpTime[1]->setTime(d.dtpTime[1]->time().addSecs(1)); // the user's change
    EXPECT_EQ(d.RowDateTime(1), full);
    ASSERT_EQ(ui.messageCalls.size(), 1);
    EXPECT_EQ(ui.messageCalls[0].message, ResString(36));
    EXPECT_EQ(ui.messageCalls[0].iconKind, 2);
    // Back to no stop date: the row shows the memory-full date and greys.
    d.SetRow(1, full.addDays(-1));
    d.optStopDate[0]->setChecked(true);
    EXPECT_EQ(d.RowDateTime(1), full);
    EXPECT_FALSE(d.btnDate[1]->isEnabled());
}

TEST_F(MonitorDialogTest, TheCalendarPicksTheDateOfItsRow) {
    frmMonitor& d = load();
    d.optStartDate[1]->setChecked(true);
    d.show();
    d.btnDate[0]->click();
    ASSERT_TRUE(d.monDate->isVisible());
    EXPECT_EQ(d.monDate->selectedDate(), QDate(2014, 3, 15));
    d.monDate_Click(QDate(2014, 3, 20));
    EXPECT_FALSE(d.monDate->isVisible());
    EXPECT_EQ(d.lblDate[0]->text(), dateText(QDate(2014, 3, 20)));
    EXPECT_EQ(d.RowDateTime(1),
              QDateTime(QDate(2014, 3, 20), d.dtpTime[0]->time(), Qt::UTC).addSecs(9349LL * 600));
    d.btnDate[1]->setEnabled(true);
    d.btnDate[1]->click();
    EXPECT_TRUE(d.monDate->isVisible());
    d.btnDate[1]->click();
    EXPECT_FALSE(d.monDate->isVisible());
    // Escape closes the open calendar, not the dialog.
    d.btnDate[0]->click();
    d.reject();
    EXPECT_FALSE(d.monDate->isVisible());
    EXPECT_TRUE(d.isVisible());
    // The focus moving elsewhere in the dialog closes it too.
    d.btnDate[0]->click();
    QApplication::setActiveWindow(&d);
    d.monDate->setFocus();
    d.txtStepSize->setFocus();
    EXPECT_FALSE(d.monDate->isVisible());
    d.btnDate[0]->click();
    d.btnCancel_Click();
    EXPECT_FALSE(d.isVisible());
}

// A date typed on the open calendar is the typed date or none at all: the row never takes
// a date misread from the typed text.
TEST_F(MonitorDialogTest, ADateTypedOnTheCalendarIsReadRightOrNotAtAll) {
    const QDate today(2014, 3, 15);
    const QDate typed = CalendarTypedDate;
    for (const auto& c : CalendarTypings) {
        const DefaultLocale locale{QLocale(QLatin1String(c.locale))};
        frmMonitor& d = load();
        d.optStartDate[1]->setChecked(true);
        d.show();
        d.btnDate[0]->click();
        ASSERT_TRUE(d.monDate->isVisible());
        TypeOnCalendar(d.monDate, QLatin1String(c.typed));
        const QDate row = d.RowDateTime(0).date();
        EXPECT_TRUE(row == today || row == typed)
            << c.locale << " " << c.typed << ": " << row.toString(Qt::ISODate).toStdString();
        const QString label = d.lblDate[0]->text();
        EXPECT_TRUE(label == dateText(today) || label == dateText(typed))
            << c.locale << " " << c.typed << ": " << label.toStdString();
        d.btnCancel_Click();
        Window<frmMonitor>().Unload();
    }
}

TEST_F(MonitorDialogTest, StartsASessionAtADateThroughEveryStage) {
    frmMonitor& d = load();
    d.txtStepSize->setText(QStringLiteral("15"));
    d.cboStepResolution->setCurrentIndex(1);
    d.optStartDate[1]->setChecked(true);
    d.SetRow(0, at(2014, 3, 15, 8, 30, 5));
    instrument.commands.clear();
    ui.messageAnswers = {true};
    closeProgressWhenAsked(d);
    d.btnStartMonitor_Click();
    // Until memory full: 9349 quarter hours are more than 21 days.
    EXPECT_EQ(messages(), QList<QString>{ResString(14)});
    EXPECT_EQ(ui.messageCalls[0].buttonKind, 0);
    EXPECT_EQ(instrument.commands, (QList<int>{11, 12, 13}));
    EXPECT_EQ(instrument.sessionParams, Hex("03 15 01 05 30 08 95 03 00 00"));
    EXPECT_EQ(instrument.settings[16], 0x01);
    for (int k = 0; k < 4; ++k)
        EXPECT_FALSE(d.imgStatus[k]->pixmap().isNull()) << "row " << k << " ticked";
    EXPECT_FALSE(d.fmeProgress->isVisible());
    EXPECT_EQ(d.lblStatus->text(), ResString(3010));
    EXPECT_FALSE(d.btnStartMonitor->isEnabled());
    EXPECT_TRUE(d.btnStopMonitor->isEnabled());
    EXPECT_EQ(CommState().MonitorState, 1);
    EXPECT_FALSE(CommState().Connected) << "the instrument logs on its own";
    EXPECT_EQ(time.RunningTimers(), 0);
    EXPECT_FALSE(d.ReadButtonStatus());
}

TEST_F(MonitorDialogTest, AFailedStageStaysMarkedUntilClosed) {
    frmMonitor& d = load();
    instrument.SetFault(Kl720Instrument::Fault::ErrorReply, 1, 12);
    QString failedStyle;
    bool shownWhileWaiting = false;
    QTimer::singleShot(0, &d, [&] {
        failedStyle = d.lblText[1]->styleSheet();
        shownWhileWaiting = !d.fmeProgress->isHidden();
        d.btnClose_Click();
    });
    d.btnStartMonitor_Click();
    EXPECT_TRUE(shownWhileWaiting);
    EXPECT_TRUE(failedStyle.contains(QLatin1String("#FF0000")));
    EXPECT_FALSE(d.imgStatus[1]->pixmap().isNull());
    EXPECT_TRUE(d.imgStatus[2]->pixmap().isNull());
    EXPECT_EQ(instrument.commands.mid(1), (QList<int>{11, 12}));
    EXPECT_EQ(ui.messageCalls.size(), 1) << "only the confirmation: the failure shows in its row";
    EXPECT_NE(CommState().MonitorState, 1);
    EXPECT_TRUE(CommState().Connected);
    EXPECT_TRUE(time.IsTimerRunning(CommState().PollTimerId));
    EXPECT_TRUE(d.btnStartMonitor->isEnabled());
}

// The start's reply is lost or garbled after the instrument started: the settings are read
// back and the dialog shows the session running, with Stop to hand, while the start's row
// stays marked as not confirmed.
TEST_F(MonitorDialogTest, AStartWhoseReplyIsLostShowsWhatTheInstrumentDoes) {
    for (Kl720Instrument::Fault fault :
         {Kl720Instrument::Fault::Silence, Kl720Instrument::Fault::BadCrc,
          Kl720Instrument::Fault::WrongLength}) {
        SCOPED_TRACE(int(fault));
        setSettings(instrument, "00 00 07 95 03 03 10 00 00 00 00 00 00 00 00 00 00 00 00");
        CommState().MonitorState = 0;
        frmMonitor& d = load();
        ASSERT_TRUE(d.btnStartMonitor->isEnabled());
        d.txtStepSize->setText(QStringLiteral("15"));
        d.cboStepResolution->setCurrentIndex(1);
        d.optStartDate[0]->setChecked(true);
        instrument.commands.clear();
        instrument.SetFault(fault, 1, 13);
        ui.messageAnswers = {true};
        closeProgressWhenAsked(d);
        d.btnStartMonitor_Click();
        EXPECT_EQ(instrument.commands, (QList<int>{11, 12, 13, 10}));
        EXPECT_EQ(instrument.settings[16], 0x03) << "the emulated instrument records";
        EXPECT_EQ(d.lblStatus->text(), ResString(3010));
        EXPECT_FALSE(d.btnStartMonitor->isEnabled());
        EXPECT_TRUE(d.btnStopMonitor->isEnabled());
        EXPECT_EQ(CommState().MonitorState, 1);
        EXPECT_FALSE(d.imgStatus[3]->pixmap().isNull()) << "the start's row is marked";
        EXPECT_TRUE(d.lblText[3]->styleSheet().contains(QLatin1String("#FF0000")));
        EXPECT_TRUE(CommState().Connected);
        EXPECT_TRUE(time.IsTimerRunning(CommState().PollTimerId));
        Window<frmMonitor>().Unload();
        time.Block(10000);
    }
}

// The stop's reply is lost: the settings are read back and shown, and a message says the
// stop was not confirmed. When the read-back fails too, the state shows as unknown.
TEST_F(MonitorDialogTest, AStopWhoseReplyIsLostShowsWhatTheInstrumentSaysAndSaysSo) {
    const struct {
        const char* name;
        int faultCount; // replies lost from the stop on
        QString status;
        bool startEnabled;
    } cases[] = {
        {"stop reply lost", 1, QStringLiteral("TERMINATO (STOP UTENTE)"), true},
        {"stop and read-back lost", 2, ResString(5), false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        setSettings(instrument, "05 30 08 95 03 03 15 00 00 00 00 00 00 00 00 00 03 00 00");
        frmMonitor& d = load();
        ASSERT_EQ(d.lblStatus->text(), ResString(3010));
        ui.messageCalls.clear();
        instrument.commands.clear();
        instrument.SetFault(Kl720Instrument::Fault::Silence, c.faultCount);
        d.btnStopMonitor_Click();
        EXPECT_EQ(instrument.commands, (QList<int>{14, 10}));
        EXPECT_EQ(d.lblStatus->text(), c.status);
        EXPECT_EQ(d.btnStartMonitor->isEnabled(), c.startEnabled);
        ASSERT_EQ(ui.messageCalls.size(), 1);
        EXPECT_EQ(ui.messageCalls[0].message, ResString(3802));
        EXPECT_EQ(ui.messageCalls[0].iconKind, 0) << "the failure look";
        EXPECT_EQ(ui.messageCalls[0].buttonKind, 1);
        Window<frmMonitor>().Unload();
        time.Block(10000);
        CommState().TimeoutCount = 0;
    }
}

TEST_F(MonitorDialogTest, RefusalsSendNothing) {
    struct Case {
        const char* name;
        const char* step;
        int unitIndex;
        int startShift; // seconds from now, at a date; 0: at once
        int stopShift;  // seconds from the start, at a date; 0: none
        int message;
    } cases[] = {
        {"no unit", "10", -1, 0, 0, 9},
        {"seconds below 10", "9", 0, 0, 0, 10},
        {"step 0 with a stop date", "0", 1, 0, 3600, 3800},
        {"step 150", "150", 1, 0, 0, 3800},
        {"start a second ago", "10", 1, -1, 0, 11},
        {"stop before start", "10", 1, 60, -30, 12},
    };
    frmMonitor& d = load();
    instrument.commands.clear();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ui.messageCalls.clear();
        d.cboStepResolution->setCurrentIndex(c.unitIndex);
        d.txtStepSize->setText(QLatin1String(c.step));
        d.optStartDate[c.startShift != 0 ? 1 : 0]->setChecked(true);
        const QDateTime start = time.Now().addSecs(c.startShift);
        d.SetRow(0, start);
        d.optStopDate[c.stopShift != 0 ? 1 : 0]->setChecked(true);
        d.SetRow(1, start.addSecs(c.stopShift));
        d.btnStartMonitor_Click();
        ASSERT_EQ(ui.messageCalls.size(), 1);
        EXPECT_EQ(ui.messageCalls[0].message, ResString(c.message));
        EXPECT_EQ(ui.messageCalls[0].iconKind, 1);
        EXPECT_EQ(ui.messageCalls[0].buttonKind, 1);
    }
    EXPECT_TRUE(instrument.commands.isEmpty());
}

TEST_F(MonitorDialogTest, NoSampleInTheIntervalIsSaidAndTheStartGoesOn) {
    frmMonitor& d = load();
    d.cboStepResolution->setCurrentIndex(1);
    d.txtStepSize->setText(QStringLiteral("10"));
    d.optStopDate[1]->setChecked(true);
    d.SetRow(1, time.Now().addSecs(300));
    ui.messageAnswers = {true, false}; // the notice, then No to the question
    d.btnStartMonitor_Click();
    EXPECT_EQ(messages(), (QList<QString>{QString::fromUtf8(NoSamplesNotice), ResString(15)}));
    EXPECT_EQ(CommState().MonitorParams[8], 0);
    EXPECT_EQ(CommState().MonitorParams[9], 96);
    EXPECT_FALSE(instrument.commands.contains(11)) << "No sends nothing";
}

TEST_F(MonitorDialogTest, StopAndReRead) {
    setSettings(instrument, "05 30 08 95 03 03 15 00 00 00 00 00 00 00 00 00 03 00 00");
    frmMonitor& d = load();
    EXPECT_EQ(d.lblStatus->text(), ResString(3010));
    d.btnStopMonitor_Click();
    EXPECT_EQ(instrument.settings[16], 0x07);
    EXPECT_EQ(d.lblStatus->text(), QStringLiteral("TERMINATO (STOP UTENTE)"));
    EXPECT_EQ(d.lblStatus->palette().color(QPalette::Window), QColor(192, 255, 192));
    EXPECT_TRUE(d.btnStartMonitor->isEnabled());
    EXPECT_FALSE(d.btnStopMonitor->isEnabled());
    EXPECT_EQ(CommState().MonitorState, 0);

    instrument.commands.clear();
    ui.messageAnswers = {false};
    d.btnReadSettings_Click();
    EXPECT_EQ(messages(), QList<QString>{ResString(34)});
    EXPECT_TRUE(instrument.commands.isEmpty());
    setSettings(instrument, "05 30 08 95 03 02 30 00 00 00 00 00 00 00 00 00 03 00 00");
    ui.messageAnswers = {true};
    d.btnReadSettings_Click();
    EXPECT_EQ(instrument.commands, QList<int>{10});
    EXPECT_EQ(d.lblStatus->text(), ResString(3010));
    EXPECT_EQ(d.txtStepSize->text(), QStringLiteral("30"));
    EXPECT_EQ(d.ChosenUnit(), 2);
    EXPECT_EQ(d.updStepSize->Lower(), 10);
}

TEST_F(MonitorDialogTest, RunsModallyWithoutBlockingAndUnloads) {
    QString title;
    ui.onModal = [&](QDialog& dialog) {
        title = dialog.windowTitle();
        static_cast<frmMonitor&>(dialog).btnCancel_Click();
    };
    ShowMonitorDialog();
    EXPECT_EQ(ui.modalCalls, QList<QString>{QStringLiteral("frmMonitor")});
    EXPECT_EQ(title, ResString(4038));
    EXPECT_EQ(Window<frmMonitor>().Instance(), nullptr);
}

TEST_F(MonitorDialogTest, EscapeWhileTheStartWaitsClosesOnlyTheProgress) {
    frmMonitor& d = load();
    d.show();
    bool stillOpen = false;
    QTimer::singleShot(0, &d, [&] {
        d.reject();
        stillOpen = d.isVisible();
    });
    d.btnStartMonitor_Click();
    EXPECT_TRUE(stillOpen);
    EXPECT_TRUE(d.isVisible());
    EXPECT_EQ(CommState().MonitorState, 1);
}

// A screen reader reads the status and the dates themselves; their captions describe them.
TEST_F(MonitorDialogTest, StatusAndDatesReadOutTheirValues) {
    setSettings(instrument, "00 00 00 00 00 03 15 01 00 00 10 85 06 00 00 00 01 00 00");
    frmMonitor& d = load();
    QAccessible::setActive(true);
    struct Row {
        QLabel* value;
        QString caption;
    };
    const Row rows[] = {
        {d.lblStatus, d.fmeStatus->title()},
        {d.lblDate[0], d.fmeDate[0]->title() + QStringLiteral(" - ") + d.lblDateText[0]->text()},
        {d.lblDate[1], d.fmeDate[1]->title() + QStringLiteral(" - ") + d.lblDateText[1]->text()},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.value->objectName().toStdString());
        ASSERT_FALSE(row.value->text().isEmpty());
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(row.value);
        ASSERT_NE(face, nullptr);
        EXPECT_EQ(face->text(QAccessible::Name), row.value->text());
        EXPECT_EQ(face->text(QAccessible::Description), row.caption);
    }
    EXPECT_EQ(QAccessible::queryAccessibleInterface(d.lblStatus)->text(QAccessible::Name),
              QStringLiteral("IN ATTESA DI PARTENZA"));
    // The date row's caption is the label that names its date.
    EXPECT_EQ(d.lblDateText[0]->buddy(), d.lblDate[0]);
    EXPECT_EQ(d.lblDateText[1]->buddy(), d.lblDate[1]);
}

TEST_F(MonitorDialogTest, EveryControlHasAName) {
    frmMonitor& d = load();
    for (QWidget* w : d.findChildren<QWidget*>()) {
        const bool input = qobject_cast<QAbstractButton*>(w) || qobject_cast<QLineEdit*>(w) ||
                           qobject_cast<QComboBox*>(w) || qobject_cast<QTimeEdit*>(w);
        if (!input || w->objectName().startsWith(QLatin1String("qt_")) || !w->objectName().size())
            continue;
        const auto* button = qobject_cast<QAbstractButton*>(w);
        const QString name =
            w->accessibleName().isEmpty() && button ? button->text() : w->accessibleName();
        EXPECT_FALSE(name.isEmpty()) << w->objectName().toStdString();
    }
}
} // namespace
