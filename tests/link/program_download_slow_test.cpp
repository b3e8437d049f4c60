// The whole program's download road: started as a user starts it, not connected, the
// toolbar's transfer button connects (the user's OK), downloads the emulated instrument's
// session through the real serial layer and hands it to the data set, the panes and the
// buttons. Every hook on the road is the one the program itself registers.
#include "core/language.h"
#include "core/options.h"
#include "data/dataset.h"
#include "link/comm_state.h"
#include "link/connection.h"
#include "link/instrument_commands.h"
#include "shell/main/frm_main.h"
#include "shell/main/toolbar_buttons.h"
#include "shell/panes/frm_info.h"
#include "shell/panes/frm_warnings.h"
#include "shell/startup/shell_hooks.h"
#include "shell/startup/start_up.h"
#include "tests/support/program_on_emulator.h"

#include <QAction>
#include <QLabel>
#include <QTreeWidget>

#include <gtest/gtest.h>

namespace {
// The program as a user starts it: port 1 named by the emulator, not connected at start,
// the warnings shown after a load.
class ProgramDownload : public ProgramOnEmulator {
protected:
    void SetUp() override {
        OptionsRecord options = UserOptionsOnPort1();
        options.ShowWarningsOnLoad = true;
        Prepare(options);
    }
    frmMain& Start() {
        RegisterShellHooks();
        EXPECT_EQ(Main(), StartResult::Running);
        EXPECT_TRUE(MainWindowLoaded());
        return MainWindow();
    }
};

TEST_F(ProgramDownload, TheTransferButtonConnectsAndLoadsTheSessionIntoEveryPane) {
    constexpr int Samples = 40;
    server.With([](Kl720Instrument& k) {
        // A finished session: started 1 March 2025 08:00:00, one sample a minute.
        k.settings = {};
        const quint8 stamp[5] = {0x00, 0x00, 0x08, 0x41, 0x03};
        std::copy(stamp, stamp + 5, k.settings.begin());
        k.settings[5] = 3;
        k.settings[6] = 0x01;
        k.settings[16] = 0x07; // settings status: finished
        k.settings[18] = 1;
        k.idShort = QByteArray("KL720-7").leftJustified(16, ' ');
        k.idLong = QByteArray("Program road").leftJustified(48, ' ');
        for (int i = 0; i < Samples; ++i)
            k.samples.push_back({static_cast<quint16>(0x0100 + i), 0x0200, 0x0000, 0});
    });
    frmMain& window = Start();
    ASSERT_FALSE(CommState().Connected);
    ASSERT_FALSE(window.ToolbarButton(Button::Save)->isEnabled());

    window.ToolbarButton(Button::Upload)->trigger();

    ASSERT_FALSE(ui.messageCalls.isEmpty());
    EXPECT_EQ(ui.messageCalls[0].message, ResString(19));
    EXPECT_EQ(ui.messageCalls.size(), 1) << ui.messageCalls.back().message.toStdString();
    EXPECT_TRUE(CommState().Connected);
    EXPECT_EQ(server.With([](Kl720Instrument& k) { return k.commands; }), (QList<int>{3, 10, 4}));

    const DataSet& d = CurrentData();
    ASSERT_EQ(d.NumSamples, Samples);
    EXPECT_TRUE(d.DataPresent);
    EXPECT_EQ(d.DataSourceName, QStringLiteral("Upload"));
    EXPECT_EQ(d.IDShort.trimmed(), QStringLiteral("KL720-7"));
    EXPECT_EQ(d.StopReason, 1);
    EXPECT_EQ(d.StartDate, QDateTime(QDate(2025, 3, 1), QTime(8, 0, 0), Qt::UTC));
    for (int i = 1; i <= Samples; ++i) {
        const float x =
            static_cast<float>(std::nearbyint((0x0100 + i - 1) * 2.0 / 1024 * 100) / 100);
        EXPECT_EQ(d.DataX[i], x) << i;
        EXPECT_EQ(d.DataY[i], 1.0f) << i;
    }
    EXPECT_TRUE(d.StatisticsPresent);

    // The panes and the buttons show what arrived.
    auto* info = qobject_cast<frmInfo*>(window.InfoPane());
    ASSERT_NE(info, nullptr);
    EXPECT_EQ(info->lblNumData()->text(), QString::number(Samples));
    EXPECT_EQ(info->lblShortID()->text().trimmed(), QStringLiteral("KL720-7"));
    auto* warnings = qobject_cast<frmWarnings*>(window.WarningsPane());
    ASSERT_NE(warnings, nullptr);
    EXPECT_FALSE(warnings->isHidden());
    EXPECT_GT(warnings->trwWarning()->topLevelItemCount(), 0);
    for (Button button :
         {Button::Save, Button::Export, Button::GraphTe, Button::GraphSt, Button::Source})
        EXPECT_TRUE(window.ToolbarButton(button)->isEnabled()) << ButtonIndex(button);
    EXPECT_EQ(window.lblCommStatus()->text(), QStringLiteral("Last Command OK"));
}

// The identification texts go to the instrument and come back as the instrument's, apart
// from the data set's.
TEST_F(ProgramDownload, TheIdentificationTextsGoOutAndComeBackAsTheInstruments) {
    Start();
    ASSERT_TRUE(InitCommunication());
    CurrentData().IDShort = QStringLiteral("SESSION").leftJustified(16);
    CurrentData().IDLong = QStringLiteral("session long").leftJustified(48);
    WriteID(QStringLiteral("ROOF-2").leftJustified(16),
            QStringLiteral("North side \u00e8").leftJustified(48));
    EXPECT_EQ(server.With([](Kl720Instrument& k) { return k.idShort; }),
              QByteArray("ROOF-2").leftJustified(16, ' '));
    EXPECT_EQ(server.With([](Kl720Instrument& k) { return k.idLong; }),
              QByteArray("North side \xE8").leftJustified(48, ' '));

    CommState().IdShort.clear();
    CommState().IdLong.clear();
    ASSERT_TRUE(ReadID());
    EXPECT_EQ(CommState().IdShort, QStringLiteral("ROOF-2").leftJustified(16));
    EXPECT_EQ(CommState().IdLong, QStringLiteral("North side \u00e8").leftJustified(48));
    EXPECT_EQ(CurrentData().IDShort, QStringLiteral("SESSION").leftJustified(16));
    EXPECT_EQ(ui.messageCalls.size(), 1) << "the connect question only";
}
} // namespace
