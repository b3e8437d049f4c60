#include "core/options.h"
#include "shell/startup/startup_rules.h"
#include "tests/support/fake_clock.h"
#include "tests/support/scratch_folder.h"

#include <QFile>

#include <gtest/gtest.h>

TEST(StartupRules, VersionAndHelpFile) {
    EXPECT_EQ(VersionText(1, 2, 3), QStringLiteral("KL720 Version 1.2.3"));
    EXPECT_TRUE(ProgramVersionText().startsWith(QStringLiteral("KL720 Version ")));
    EXPECT_EQ(HelpFileFor(0), QStringLiteral("Corvanel_it.hlp"));
    for (int language : {1, 2, 255})
        EXPECT_EQ(HelpFileFor(language), QStringLiteral("Corvanel_en.hlp")) << language;
}

TEST(StartupRules, WindowStatesRoundTrip) {
    EXPECT_EQ(WindowStateFromOption(0), Qt::WindowNoState);
    EXPECT_EQ(WindowStateFromOption(1), Qt::WindowMinimized);
    EXPECT_EQ(WindowStateFromOption(2), Qt::WindowMaximized);
    for (int stored : {0, 1, 2})
        EXPECT_EQ(OptionFromWindowState(WindowStateFromOption(stored)), stored);
    EXPECT_EQ(OptionFromWindowState(Qt::WindowMinimized | Qt::WindowMaximized), 1);
}

TEST(StartupRules, TheSplashWaitsMoreThanThreeSecondsOfMonotonicTime) {
    struct Case {
        qint64 tick;
        int turns;
    };
    // Each turn of the event loop takes tick milliseconds.
    const Case cases[] = {{400, 8}, {1000, 4}, {3000, 2}, {3001, 1}, {5000, 1}, {1, 3001}};
    for (const Case& c : cases) {
        FakeClock clock;
        // Just before midnight: the wall clock plays no part.
        clock.now = QDateTime(QDate(2024, 6, 1), QTime(23, 59, 58), Qt::UTC);
        int turns = 0;
        WaitForSplash(clock.MonotonicMs(), clock, [&] {
            ++turns;
            clock.Advance(c.tick);
        });
        EXPECT_EQ(turns, c.turns) << c.tick;
    }
}

TEST(StartupRules, ShutdownStoresWindowPaneAndPort) {
    struct Case {
        Qt::WindowStates state;
        int dock;
        bool portOpen;
        int port;
        qint16 wantState;
        bool wantVisible, wantDocked;
        int wantPort;
    };
    const Case cases[] = {
        {Qt::WindowNoState, 0, false, 3, 0, false, false, 7},
        {Qt::WindowMaximized, 1, true, 3, 2, true, true, 3},
        {Qt::WindowMinimized, 2, true, 10, 1, true, false, 10},
    };
    for (const Case& c : cases) {
        OptionsRecord o;
        o.CommPort = 7;
        StoreMainWindowOptions(o, c.state, c.dock, c.portOpen, c.port);
        EXPECT_EQ(o.WindowState, c.wantState);
        EXPECT_EQ(o.InfoPaneVisible, c.wantVisible) << c.dock;
        EXPECT_EQ(o.InfoPaneDocked, c.wantDocked) << c.dock;
        EXPECT_EQ(o.CommPort, c.wantPort) << "the port only from an open port";
    }
}

TEST(StartupRules, TheShutdownSaveDialogAsksNoOverwrite) {
    ScratchProgramFolder folder;
    const QString padded = folder.Path().leftJustified(4096);
    FileDialogRequest r = ShutdownSaveRequest(padded);
    EXPECT_EQ(r.folder, folder.Path());
    EXPECT_EQ(r.fileName, QString());
    EXPECT_FALSE(r.confirmOverwrite);
    EXPECT_EQ(r.filterIndex, 0);
    EXPECT_TRUE(r.filter.startsWith(QStringLiteral("Corvanel Log File (*.log);;")));

    QFile last(folder.File(QStringLiteral("misura.log")));
    ASSERT_TRUE(last.open(QIODevice::WriteOnly));
    last.close();
    r = ShutdownSaveRequest(folder.File(QStringLiteral("misura.log")) + QStringLiteral("   "));
    EXPECT_EQ(r.fileName, QStringLiteral("misura.log"));
}
