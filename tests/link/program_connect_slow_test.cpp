// The whole program's start against the emulated instrument: port 1 named by CORVANEL_COM1,
// "connect at start" set, the user's OK to the question; then the keep-alive, and the drop
// once the instrument falls silent. Real time and real timers: each wait ends on an event.
#include "core/language.h"
#include "core/options.h"
#include "link/comm_state.h"
#include "shell/main/frm_main.h"
#include "shell/startup/shell_hooks.h"
#include "shell/startup/start_up.h"
#include "tests/support/program_on_emulator.h"

#include <QAction>
#include <QLabel>
#include <QTest>

#include <gtest/gtest.h>

namespace {
class ProgramConnect : public ProgramOnEmulator {
protected:
    void SetUp() override {
        OptionsRecord options = UserOptionsOnPort1();
        options.ConnectOnStart = true;
        Prepare(options);
    }
};

TEST_F(ProgramConnect, ConnectsAtStartKeepsAliveAndDropsASilentInstrument) {
    RegisterShellHooks();

    ASSERT_EQ(Main(), StartResult::Running);
    ASSERT_TRUE(MainWindowLoaded());
    frmMain& window = MainWindow();
    ASSERT_FALSE(ui.messageCalls.isEmpty());
    EXPECT_EQ(ui.messageCalls[0].message, ResString(19));
    EXPECT_TRUE(CommState().Connected);
    EXPECT_EQ(window.CommPort(), 1);
    EXPECT_EQ(window.lblCommStatus()->text(), QStringLiteral("Last Command OK"));
    EXPECT_FALSE(window.ToolbarButton(6)->isEnabled());

    auto presences = [&] {
        return server.With([](Kl720Instrument& k) { return int(k.commands.count(3)); });
    };
    EXPECT_EQ(presences(), 1);
    EXPECT_TRUE(QTest::qWaitFor([&] { return presences() == 2; }, 8000));
    EXPECT_TRUE(QTest::qWaitFor([] { return !CommState().CommandPending(); }, 3000));
    EXPECT_EQ(window.lblCommStatus()->text(), ResString(3027));

    server.With([](Kl720Instrument& k) { k.SetFault(Kl720Instrument::Fault::Silence); });
    EXPECT_TRUE(QTest::qWaitFor([] { return !CommState().Connected; }, 25000));
    EXPECT_EQ(presences(), 5);
    EXPECT_EQ(window.lblCommStatus()->text(), ResString(3029));
    EXPECT_TRUE(window.ToolbarButton(6)->isEnabled());
    EXPECT_EQ(ui.messageCalls.size(), 1) << "the connect question only; no box from the timers";
}
} // namespace
