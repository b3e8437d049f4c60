#include "core/language.h"
#include "core/options.h"
#include "core/wait_box.h"
#include "data/dataset.h"
#include "data/files/session_file.h"
#include "data/upload/upload_data.h"
#include "data/warnings/generate_warnings.h"
#include "link/comm_port.h"
#include "link/comm_state.h"
#include "link/link_hooks.h"
#include "shell/main/frm_main.h"
#include "shell/main/main_hooks.h"
#include "shell/main/toolbar_buttons.h"
#include "shell/panes/frm_info.h"
#include "shell/panes/frm_warnings.h"
#include "shell/wiring/wire_main_window.h"
#include "shell/wiring/wire_panes.h"
#include "tests/support/default_locale.h"
#include "tests/support/fake_serial_port.h"
#include "tests/support/kl720_fake_link.h"
#include "tests/support/kl720_instrument.h"
#include "tests/support/link_reset.h"
#include "tests/support/scratch_folder.h"
#include "tests/support/strict_ui.h"
#include "tests/support/virtual_time.h"
#include "text/date_math.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <memory>

namespace {
// The whole program around the panes: the main window loaded with them, the link on a fake
// line to the emulated instrument on virtual time, the data loaders' hooks registered as
// at start-up.
class PanesAfterLoad : public ::testing::TestWithParam<int> {
protected:
    void SetUp() override {
        folder.InstallSupportFiles();
        ASSERT_TRUE(InitLibrary(QStringLiteral("Language.dll")));
        SetLanguage(GetParam());
        savedOptions_ = Options();
        SetDefaultOptions(Options());
        Options().ShowWarningsOnLoad = true;
        Options().Threshold = 0.2f;
        ResetCommState();
        ReplaceCurrentData(DataSet());
        RegisterPanes(); // as at start-up
        RegisterMainWindow();
        RegisterDataReplyHandlers();
        ASSERT_TRUE(OpenFakeInstrumentLink(time, instrument, port));
        MainWindow();
    }
    void TearDown() override {
        StopLinkTimers();
        UnloadMainWindow();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        ResetLinkForTests();
        MainWindowHook() = MainWindowHooks();
        WarningsPane() = WarningsPaneHooks();
        WaitBoxHook() = WaitBoxHooks();
        ReplaceCurrentData(DataSet());
        Options() = savedOptions_;
        FreeResLibrary();
        SetLanguage(0);
    }

    // A session of five samples from 30 Nov 2025 23:58, one a minute, that ended on a flat
    // battery one step before its data ends.
    void recordSession() {
        instrument.settings = {};
        const quint8 stamp[5] = {0x00, 0x58, 0x23, 0x70, 0x11};
        std::copy(stamp, stamp + 5, instrument.settings.begin());
        instrument.settings[5] = 3;
        instrument.settings[6] = 0x01;
        instrument.settings[14] = 96 + 4 * 7;
        instrument.settings[18] = 2;
        instrument.idShort = QByteArray("KL720-0042").leftJustified(16, ' ');
        instrument.samples = {{0x0000, 0x0003, 0x0004, 0},
                              {0x0040, 0x00C0, 0x0140, 0},
                              {0x0010, 0x0030, 0x0400, 7},
                              {0x0400, 0x0002, 0x0200, 5},
                              {0x8000, 0x0100, 0x0000, 0}};
    }

    QStringList warningRows() const {
        QStringList rows;
        const QTreeWidget* tree = WarningsWindow()->trwWarning();
        for (int i = 0; i < tree->topLevelItemCount(); ++i)
            rows << tree->topLevelItem(i)->text(0);
        return rows;
    }

    DefaultLocale cLocale{QLocale::c()}; // the texts below are the C locale's
    ScratchProgramFolder folder;
    StrictUi ui;
    VirtualTime time{NaiveDateTime(2026, 12, 10, 9, 0, 0)};
    Kl720Instrument instrument;
    FakeSerialPort* port = nullptr;

private:
    OptionsRecord savedOptions_;
};
} // namespace

TEST_P(PanesAfterLoad, ADownloadShowsTheSessionsFiguresInBothPanes) {
    recordSession();
    CommState().Connected = true;
    CommState().MonitorState = 0;
    ASSERT_TRUE(UploadData());
    ASSERT_EQ(CurrentData().NumSamples, 5);

    frmMain& main = MainWindow();
    ASSERT_EQ(main.InfoPane(), &InfoWindow());
    frmInfo& info = InfoWindow();
    EXPECT_EQ(info.lblShortID()->text(), QStringLiteral("KL720-0042"));
    EXPECT_EQ(info.lblNumData()->text(), QStringLiteral("5"));
    EXPECT_EQ(info.lblDataSource()->text(), QStringLiteral("Upload"));
    EXPECT_EQ(info.lblStep()->text(), QStringLiteral("1 ") + ResString(3012));
    EXPECT_EQ(info.lblStartDate()->text(), QStringLiteral("30 Nov 2025 23:58:00"));
    EXPECT_EQ(info.lblStopDate()->text(), QStringLiteral("1 Dec 2025 00:03:00"));
    EXPECT_EQ(info.lblValue(0)->text(), QStringLiteral("0.01 µT"));
    EXPECT_EQ(info.lblValue(1)->text(), QStringLiteral("223.61 µT"));
    EXPECT_EQ(info.lblValue(3)->text(), QStringLiteral("64.00 µT"));
    EXPECT_EQ(info.lblCommStatus()->text(), ResString(3022));
    EXPECT_TRUE(info.ShowsDataPresent());
    EXPECT_FALSE(info.ShowsSaved());

    ASSERT_EQ(main.WarningsPane(), WarningsWindow());
    EXPECT_TRUE(WarningsWindow()->isVisible());
    EXPECT_TRUE(main.ToolbarButton(Button::Warnings)->isChecked());
    const QStringList rows = warningRows();
    ASSERT_EQ(rows.size(), 5) << rows.join(u'\n').toStdString();
    EXPECT_EQ(rows[0], ResString(40));
    EXPECT_EQ(rows[1], ResString(4201) + QStringLiteral(" : 80.0%"));
    EXPECT_EQ(rows[3], ResString(4202) + QStringLiteral(" : 30 Nov 2025 23:58:00"));
    EXPECT_EQ(rows[4], ResString(4203) + QStringLiteral(" : 1 Dec 2025 00:01:00"));

    // The user closes the warnings pane: hidden, its button raised, its rows kept.
    WarningsWindow()->close();
    EXPECT_FALSE(WarningsWindow()->isVisible());
    EXPECT_FALSE(main.ToolbarButton(Button::Warnings)->isChecked());
    EXPECT_EQ(warningRows(), rows);
}

TEST_P(PanesAfterLoad, ASessionFileReplacesTheDownloadsFiguresAndShowsItSaved) {
    recordSession();
    CommState().Connected = true;
    CommState().MonitorState = 0;
    ASSERT_TRUE(UploadData());
    EXPECT_FALSE(InfoWindow().ShowsSaved());
    // Saved through the toolbar: the pane shows the data set saved at once.
    const QString name = folder.File(QStringLiteral("session.log"));
    ui.saveAnswers.push_back({true, name});
    MainWindow().tbrToolbar_ButtonClick(Button::Save);
    ASSERT_EQ(ui.saveCalls.size(), 1);
    EXPECT_TRUE(CurrentData().DataSaved);
    EXPECT_TRUE(InfoWindow().ShowsSaved());
    WarningsWindow()->close();

    DataSet other;
    ReplaceCurrentData(std::move(other));
    ASSERT_TRUE(LoadFile(name));
    frmInfo& info = InfoWindow();
    EXPECT_EQ(info.lblDataSource()->text(), QStringLiteral("File"));
    EXPECT_EQ(info.lblNumData()->text(), QStringLiteral("5"));
    EXPECT_TRUE(info.ShowsSaved());
    EXPECT_TRUE(WarningsWindow()->isVisible());
    EXPECT_TRUE(MainWindow().ToolbarButton(Button::Warnings)->isChecked());
    EXPECT_EQ(warningRows().first(), ResString(40));
}

INSTANTIATE_TEST_SUITE_P(BothLanguages, PanesAfterLoad, ::testing::Values(0, 1));
