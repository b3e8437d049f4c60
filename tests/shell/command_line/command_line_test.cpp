#include "shell/command_line/command_line.h"

#include "core/language.h"
#include "data/dataset.h"
#include "tests/data/files/files_test_support.h"
#include "tests/support/fake_ui.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <deque>

TEST(CommandLine, TokensSplitAtBlanksAndTabsOutsideQuotes) {
    const struct {
        const char* line;
        QStringList tokens;
    } cases[] = {
        {"", {}},
        {"   \t ", {}},
        {"-L \"a b.log\"", {"-L", "\"a b.log\""}},
        {"  -L\tx.log  ", {"-L", "x.log"}},
        {"-L ab\"c d\"e", {"-L", "ab\"c d\"e"}},
        {"-L \"open", {"-L", "\"open"}},
        {"1 2 3 4 5 6 7 8 9 10 11 12", {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TokenizeCommandLine(QString::fromUtf8(c.line)), c.tokens) << c.line;
}

TEST(CommandLine, ArgumentsWithBlanksAreQuotedWhenTheLineIsRebuilt) {
    EXPECT_EQ(CommandLineText({"-L", "/d/a b.log"}), u"-L \"/d/a b.log\"");
    EXPECT_EQ(CommandLineText({"-L", "/d/a\tb.log"}), u"-L \"/d/a\tb.log\"");
    EXPECT_EQ(CommandLineText({"-L", "/d/a.log"}), u"-L /d/a.log");
    EXPECT_EQ(TokenizeCommandLine(CommandLineText({"-L", "/d/a b.log", "-L", "c"})),
              (QStringList{"-L", "\"/d/a b.log\"", "-L", "c"}));
}

TEST(CommandLine, PairsLoadInOrderAndAnUnknownOptionStops) {
    const struct {
        const char* line;
        QStringList loaded;
        int reopened;
        bool unknown;
    } cases[] = {
        {"-L \"a b.log\"", {"a b.log"}, 1, false},
        {"-L", {}, 0, false},
        {"x.log", {}, 0, false},
        {"-L x.log extra", {"x.log"}, 1, false},
        {"-x y", {}, 0, true},
        {"-l x", {}, 0, true},
        {"-L a -L b", {"a", "b"}, 2, false},
        {"-L a -x b", {"a"}, 1, true},
        {"-L bad -L b", {"bad", "b"}, 1, false},
        {"-L 1 -L 2 -L 3 -L 4 -L 5 -L 6", {"1", "2", "3", "4", "5"}, 5, false},
        {"-L ab\"c d\"e", {"ab\"c d\"e"}, 1, false},
        {"-L \"\"", {""}, 1, false},
    };
    for (const auto& c : cases) {
        QStringList loaded;
        int reopened = 0;
        bool unknown = false;
        CommandLineActions actions;
        actions.LoadFile = [&](const QString& name) {
            loaded.append(name);
            return name != u"bad";
        };
        actions.OpenRequestedForms = [&] { ++reopened; };
        actions.UnknownOption = [&] { unknown = true; };
        ProcessCommandLine(TokenizeCommandLine(QString::fromUtf8(c.line)), actions);
        EXPECT_EQ(loaded, c.loaded) << c.line;
        EXPECT_EQ(reopened, c.reopened) << c.line;
        EXPECT_EQ(unknown, c.unknown) << c.line;
    }
}

TEST(CommandLine, ArgumentsSplitByTheShellAreTakenAsTheyAre) {
    const struct {
        QStringList arguments;
        QStringList loaded;
    } cases[] = {
        {{"-L", "\"odd.log"}, {"\"odd.log"}},     {{"-L", "odd.log\""}, {"odd.log\""}},
        {{"-L", "a b.log"}, {"a b.log"}},         {{"-L", "C:\\a\\b.log"}, {"C:\\a\\b.log"}},
        {{"-L", "a", "-L", "b c"}, {"a", "b c"}},
    };
    for (const auto& c : cases) {
        QStringList loaded;
        CommandLineActions actions;
        actions.LoadFile = [&](const QString& name) {
            loaded.append(name);
            return true;
        };
        ProcessArguments(c.arguments, actions);
        EXPECT_EQ(loaded, c.loaded) << c.arguments.join(u' ').toStdString();
    }
}

TEST(CommandLine, AnUnsavedDataSetIsOfferedForSavingBeforeTheNamedFileLoads) {
    LanguageLoaded language;
    QTemporaryDir dir;
    const QString file = QDir(dir.path()).filePath(QStringLiteral("named.log"));
    QFile out(file);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(QuotedLines(
        {"Field Activity Log", "9 Dec 2026 07:44:47", "5s", "1", "", "", "1.00 2.00 3.00  0"}));
    out.close();
    const struct {
        const char* what;
        std::deque<bool> answers;
        std::deque<FileDialogResult> saveDialogs;
        bool loads;
    } cases[] = {
        {"no: the file loads", {false}, {}, true},
        {"yes, then the save dialog cancelled: nothing loads", {true}, {FileDialogResult{}}, false},
    };
    for (const auto& c : cases) {
        DataSet unsaved = MakeDataSet({{1, 2, 3}});
        unsaved.DataSaved = false;
        ReplaceCurrentData(std::move(unsaved));
        FakeUi ui;
        ui.messageAnswers = c.answers;
        ui.saveAnswers = c.saveDialogs;
        EXPECT_EQ(LoadFromCommandLine(file), c.loads) << c.what;
        ASSERT_EQ(ui.messageCalls.size(), 1) << c.what;
        EXPECT_EQ(ui.messageCalls[0].message, ResString(31)) << c.what;
        EXPECT_EQ(CurrentData().CurrentFileName, c.loads ? file : QString()) << c.what;
    }
    ReplaceCurrentData(DataSet());
}

// Run as a child of the test below: its arguments hold Qt's own options before "-L".
TEST(CommandLineChild, LoadsTheNamedFileAndSeesNoQtOption) {
    if (qEnvironmentVariableIsEmpty("CORVANEL_COMMAND_LINE_CHILD"))
        GTEST_SKIP() << "runs only as the child of CommandLine.QtOptionsNeverReachTheCheck";
    FakeUi ui;
    GestioneCommandLine();
    EXPECT_TRUE(ui.standardCalls.isEmpty());
    EXPECT_TRUE(ui.messageCalls.isEmpty());
    EXPECT_EQ(CurrentData().CurrentFileName, qEnvironmentVariable("CORVANEL_COMMAND_LINE_CHILD"));
}

TEST(CommandLine, QtOptionsNeverReachTheCheck) {
    QTemporaryDir dir;
    const QString folder = QDir(dir.path()).filePath(QStringLiteral("with blank"));
    ASSERT_TRUE(QDir().mkpath(folder));
    const QString file = QDir(folder).filePath(QStringLiteral("s.log"));
    QFile out(file);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(QuotedLines(
        {"Field Activity Log", "9 Dec 2026 07:44:47", "5s", "1", "", "", "1.00 2.00 3.00  0"}));
    out.close();

    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("CORVANEL_COMMAND_LINE_CHILD"), file);
    env.insert(QStringLiteral("GTEST_FILTER"),
               QStringLiteral("CommandLineChild.LoadsTheNamedFileAndSeesNoQtOption"));
    env.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
    child.setProcessEnvironment(env);
    child.start(
        QCoreApplication::applicationFilePath(),
        {QStringLiteral("-platform"), QStringLiteral("offscreen"), QStringLiteral("-L"), file});
    ASSERT_TRUE(child.waitForFinished(60000));
    const QByteArray output = child.readAllStandardOutput() + child.readAllStandardError();
    EXPECT_EQ(child.exitCode(), 0) << output.toStdString();
    EXPECT_TRUE(output.contains("[  PASSED  ] 1 test")) << output.toStdString();
}
