#include "core/language.h"
#include "shell/about/frm_about.h"
#include "shell/main/main_hooks.h"
#include "shell/wiring/wire_settings.h"
#include "tests/shell/settings/settings_fixture.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>

namespace {
class SettingsCommands : public SettingsFixture {
protected:
    void SetUp() override {
        SettingsFixture::SetUp();
        RegisterSettingsAndAbout();
        ShellHook().RestartProgram = [this] { ++restarts; };
    }
    void TearDown() override {
        MainWindowHook().ShowSettingsDialog = nullptr;
        MainWindowHook().ShowAbout = nullptr;
        SettingsFixture::TearDown();
    }
};
} // namespace

// Each opening is a fresh dialog filled from the options, run modally.
TEST_F(SettingsCommands, PreferencesRunsAFreshDialogFromTheOptions) {
    for (const bool connect : {true, false}) {
        Options().ConnectOnStart = !connect;
        ui.onModal = [&](QDialog& dialog) {
            auto& settings = dynamic_cast<frmSettings&>(dialog);
            EXPECT_EQ(settings.chkConnected->isChecked(), !connect) << "filled at its load";
            settings.chkConnected->setChecked(connect);
            settings.btnOk->click();
        };
        MainWindowHook().ShowSettingsDialog();
        EXPECT_EQ(Options().ConnectOnStart, connect);
    }
    EXPECT_EQ(ui.modalCalls,
              (QList<QString>{QStringLiteral("frmSettings"), QStringLiteral("frmSettings")}));
}

TEST_F(SettingsCommands, AboutRunsTheBoxAndItsCreditsFromIt) {
    Options().MemorySize = 8192;
    ui.modifiers = Qt::ShiftModifier | Qt::ControlModifier;
    ui.onModal = [&](QDialog& dialog) {
        if (auto* about = dynamic_cast<frmAbout*>(&dialog)) {
            EXPECT_EQ(about->lblEEprom->text(), QStringLiteral("Memory : 64 Kbit"));
            for (const char c : QByteArrayView("quoxbet"))
                about->Form_KeyPress(QLatin1Char(c));
            about->btnOk->click();
        }
    };
    MainWindowHook().ShowAbout();
    EXPECT_EQ(ui.modalCalls,
              (QList<QString>{QStringLiteral("frmAbout"), QStringLiteral("frmHidden")}));
}
