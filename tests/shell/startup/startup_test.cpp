#include "shell/startup/start_up.h"
#include "tests/shell/startup/startup_fixture.h"

#include <QFileInfo>

#include <stdexcept>

namespace {
class Startup : public StartupFixture {};
} // namespace

TEST_F(Startup, EachMissingSupportFileShowsOnlyItsOwnBoxAndWritesNoOptions) {
    const char* names[] = {"Corvanel_it.hlp", "Corvanel_en.hlp", "Language.dll"};
    const char* messages[] = {"Italian Help File Not Found", "English Help Not Found",
                              "Language DLL Not Found"};
    for (int present = 0; present < 7; ++present) { // 7: all three present
        resetAll();
        ui.standardCalls.clear();
        for (int i = 0; i < 3; ++i) {
            QFile::remove(folder.File(QLatin1String(names[i])));
            if (present & (1 << i))
                writeFile(QLatin1String(names[i]), "x");
        }
        // A user's options file that a failed start must leave alone.
        writeOptions([](OptionsRecord& r) { r.CommPort = 9; });
        const QByteArray before = iniBytes();

        EXPECT_EQ(Main(), StartResult::Ended) << present;
        int firstMissing = 0;
        while (present & (1 << firstMissing))
            ++firstMissing;
        ASSERT_EQ(ui.standardCalls.size(), 1) << present;
        EXPECT_EQ(ui.standardCalls[0].text, QLatin1String(messages[firstMissing]));
        EXPECT_EQ(ui.standardCalls[0].title, QStringLiteral("ERROR"));
        EXPECT_EQ(ui.standardCalls[0].icon, StandardIcon::Critical);
        EXPECT_EQ(iniBytes(), before) << present;
        EXPECT_TRUE(Shell().Ended);
        EXPECT_TRUE(Shell().Splash.isNull());
        EXPECT_FALSE(MainWindowLoaded());
    }
}

// A table that cannot be read, or one that lacks a text the program shows (empty, cut
// short, an id taken out), ends the start with the critical box before anything else.
TEST_F(Startup, AnUnreadableOrDamagedLanguageTableEndsWithTheCriticalBoxAndKeepsTheOptions) {
    QFile built(QStringLiteral(CORVANEL_PROGRAM_DIR) + QStringLiteral("/Language.dll"));
    ASSERT_TRUE(built.open(QIODevice::ReadOnly));
    const QByteArray table = built.readAll();
    const qsizetype half = table.indexOf('\n', table.size() / 2) + 1;
    QByteArray without25;
    for (const QByteArray& line : table.split('\n'))
        if (!line.startsWith("25\t"))
            without25 += line + '\n';
    ASSERT_LT(without25.size(), table.size());
    QByteArray blank25 = table;
    blank25.replace(table.mid(table.indexOf("\n25\t") + 1).split('\n').first(), "25\t \tx");
    const struct {
        const char* name;
        QByteArray table;
    } cases[] = {
        {"not a table", "not a table\n"},
        {"empty", ""},
        {"cut short at a line", table.left(half)},
        {"cut short inside a line", table.left(half + 3)},
        {"id 25 missing", without25},
        {"id 25 blank in Italian", blank25},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        resetAll();
        ui.standardCalls.clear();
        folder.InstallSupportFiles();
        writeFile(QStringLiteral("Language.dll"), c.table);
        writeOptions([](OptionsRecord& r) { r.CommPort = 4; });
        const QByteArray before = iniBytes();

        EXPECT_EQ(Main(), StartResult::Ended);
        ASSERT_EQ(ui.standardCalls.size(), 1);
        EXPECT_EQ(ui.standardCalls[0].text,
                  QStringLiteral("Error loading the Language library. Cannot proceed."));
        EXPECT_EQ(ui.standardCalls[0].title, QStringLiteral("CRITICAL ERROR"));
        EXPECT_EQ(ui.standardCalls[0].icon, StandardIcon::Critical);
        // Written back as read (only the defaults flag now says "read").
        const QByteArray after = iniBytes();
        ASSERT_EQ(after.size(), 24658);
        EXPECT_EQ(after.left(24656), before.left(24656));
        EXPECT_FALSE(MainWindowLoaded());
    }
}

TEST_F(Startup, AGoodStartShowsTheSplashThenTheMainWindowThenConnectsAndReadsTheCommandLine) {
    folder.InstallSupportFiles();
    writeOptions([](OptionsRecord& r) {
        r.Language = 1;
        r.WindowState = 2;
        r.ConnectOnStart = true;
    });
    const QByteArray stored = iniBytes();
    QStringList steps;
    QString splashMessage, versionLine;
    bool mainHiddenDuringSplash = false;
    ShellHook().ResetState = [&] { steps << QStringLiteral("reset"); };
    ShellHook().DoEvents = [&] {
        ++turns;
        clock.Advance(500);
        splashMessage = Shell().Splash ? Shell().Splash->Message() : QString();
        versionLine = Shell().Splash ? Shell().Splash->VersionLine() : QString();
        mainHiddenDuringSplash = MainWindowLoaded() && !MainWindow().isVisible();
    };
    ShellHook().InitCommunication = [&] {
        steps << QStringLiteral("connect");
        return false;
    };
    ShellHook().GestioneCommandLine = [&] {
        steps << QStringLiteral("command line");
        EXPECT_TRUE(MainWindow().isVisible());
        EXPECT_TRUE(Shell().Splash.isNull());
    };

    EXPECT_EQ(Main(), StartResult::Running);
    EXPECT_EQ(steps, (QStringList{QStringLiteral("reset"), QStringLiteral("connect"),
                                  QStringLiteral("command line")}));
    EXPECT_EQ(turns, 7) << "the loop runs until more than 3 s have passed";
    EXPECT_EQ(splashMessage, QStringLiteral("Starting Application..."));
    EXPECT_TRUE(versionLine.startsWith(QStringLiteral("KL720 Version ")));
    EXPECT_TRUE(mainHiddenDuringSplash);
    EXPECT_TRUE(MainWindow().isVisible());
    EXPECT_TRUE(MainWindow().windowState() & Qt::WindowMaximized);
    EXPECT_EQ(Shell().HelpFile, QStringLiteral("Corvanel_en.hlp"));
    EXPECT_EQ(Language().ResOffset, 5000);
    EXPECT_EQ(Ui().Owner(), &MainWindow());
    EXPECT_TRUE(ui.standardCalls.isEmpty());
    EXPECT_EQ(iniBytes(), stored) << "the options are written only at shutdown";
}

TEST_F(Startup, WithoutConnectOnStartNoConnectionIsTried) {
    folder.InstallSupportFiles();
    bool connected = false;
    ShellHook().InitCommunication = [&] { return connected = true; };
    EXPECT_EQ(Main(), StartResult::Running);
    EXPECT_FALSE(connected);
    EXPECT_EQ(Shell().HelpFile, QStringLiteral("Corvanel_it.hlp"));
    EXPECT_EQ(Language().ResOffset, 0);
}

TEST_F(Startup, AnErrorBeforeTheMainWindowShowsIsReportedAndEndsTheStart) {
    folder.InstallSupportFiles();
    ShellHook().DoEvents = [] { throw std::runtime_error("splash failed"); };
    EXPECT_EQ(Main(), StartResult::Ended);
    ASSERT_EQ(ui.standardCalls.size(), 1);
    EXPECT_TRUE(ui.standardCalls[0].text.contains(QStringLiteral("Error Raised by  : Main\r\n")));
    EXPECT_TRUE(Shell().Splash.isNull());
    EXPECT_FALSE(MainWindowLoaded());
    EXPECT_EQ(QFileInfo(ini()).size(), 24658) << "the options had been read: they are saved";
}

TEST_F(Startup, AnErrorAfterTheMainWindowShowsLeavesTheProgramRunning) {
    folder.InstallSupportFiles();
    writeOptions([](OptionsRecord& r) { r.ConnectOnStart = true; });
    bool commandLineRead = false;
    ShellHook().InitCommunication = []() -> bool { throw std::runtime_error("no port"); };
    ShellHook().GestioneCommandLine = [&] { commandLineRead = true; };
    EXPECT_EQ(Main(), StartResult::Running);
    ASSERT_EQ(ui.standardCalls.size(), 1);
    EXPECT_TRUE(ui.standardCalls[0].text.contains(QStringLiteral("Error Raised by  : Main\r\n")));
    EXPECT_TRUE(MainWindow().isVisible());
    EXPECT_FALSE(commandLineRead) << "Main leaves at its error";
}

TEST_F(Startup, TheProgramClosedByItsWindowLeavesOptionsThatTheNextStartReadsBackUnchanged) {
    folder.InstallSupportFiles();
    for (int language : {0, 1}) {
        QFile::remove(ini());
        if (language == 1)
            writeOptions([](OptionsRecord& r) { r.Language = 1; });
        QByteArray saved;
        for (int run = 0; run < 2; ++run) {
            resetAll();
            RegisterShellHooks();
            // The test program's own arguments are no command line of the program's.
            ShellHook().GestioneCommandLine = nullptr;
            ShellHook().DoEvents = [this] { clock.Advance(500); };
            ASSERT_EQ(Main(), StartResult::Running);
            EXPECT_EQ(Language().ResOffset, language * 5000);
            MainWindow().close();
            const QByteArray written = iniBytes();
            ASSERT_EQ(written.size(), 24658) << "run " << run;
            EXPECT_FALSE(Language().Loaded);
            if (run == 1)
                EXPECT_EQ(written.left(24656), saved.left(24656)) << language;
            saved = written;
        }
        OptionsRecord read;
        ASSERT_TRUE(OptionsFromBytes(saved, read));
        EXPECT_EQ(read.Language, language);
        EXPECT_FALSE(read.DefaultsMade);
    }
    EXPECT_TRUE(ui.standardCalls.isEmpty());
}
