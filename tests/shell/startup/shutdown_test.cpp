#include "shell/main/menu_tree.h"
#include "shell/startup/shut_down.h"
#include "shell/startup/start_up.h"
#include "tests/shell/startup/startup_fixture.h"
#include "views/windows/single_window.h"

#include <QAction>
#include <QApplication>
#include <QFileInfo>
#include <QMdiSubWindow>
#include <QTest>

#include <functional>

#include <stdexcept>

namespace {
// Windows of the single-instance pattern that count their unloads.
int probeUnloads = 0;
template <int N> class ProbeWindow : public QWidget {
public:
    ~ProbeWindow() override { ++probeUnloads; }
};
using ChildProbe = ProbeWindow<1>;
using HiddenProbe = ProbeWindow<2>;

class Shutdown : public StartupFixture {
protected:
    void SetUp() override {
        StartupFixture::SetUp();
        folder.InstallSupportFiles();
        ASSERT_EQ(Main(), StartResult::Running);
        ui.standardCalls.clear();
        ui.messageCalls.clear();
        ui.saveCalls.clear();
    }
    void unsavedData() {
        CurrentData().DataPresent = true;
        CurrentData().DataSaved = false;
    }
};
} // namespace

TEST_F(Shutdown, WithNoDataItAsksNothingAndWritesTheOptionsOnce) {
    int timerKills = 0;
    ShellHook().KillTimers = [&] { ++timerKills; };
    MainWindow().setWindowState(Qt::WindowNoState);
    Options().WindowState = 2;

    ShutDown(&MainWindow());
    EXPECT_EQ(timerKills, 1);
    EXPECT_TRUE(ui.messageCalls.isEmpty());
    EXPECT_TRUE(ui.saveCalls.isEmpty());
    EXPECT_FALSE(Language().Loaded);
    EXPECT_EQ(Options().WindowState, 0);
    ASSERT_EQ(QFileInfo(ini()).size(), 24658);
    EXPECT_TRUE(MainWindowLoaded()) << "the closing window is its caller's to close";
    EXPECT_FALSE(Shell().Ended);

    // The main window's own close after an Exit runs it again: nothing more happens.
    QFile::remove(ini());
    ShutDown(&MainWindow());
    ShutDown(nullptr);
    EXPECT_EQ(timerKills, 1);
    EXPECT_FALSE(QFile::exists(ini()));
}

TEST_F(Shutdown, TheSaveOfferFollowsTheAnswers) {
    struct Case {
        const char* what;
        std::deque<BoxAnswer> choices;        // the questions, in turn
        std::deque<FileDialogResult> dialogs; // save dialogs, in turn
        std::deque<SaveOutcome> saves;        // SaveFile results, in turn
        int questions, shownDialogs, savesTried, failureNotices;
        bool ends; // else the program keeps running with its data
    };
    const FileDialogResult chosen{true, QStringLiteral("/tmp/sessione.log"), 0};
    const FileDialogResult cancelled{};
    using A = BoxAnswer;
    const Case cases[] = {
        {"no", {A::No}, {}, {}, 1, 0, 0, 0, true},
        {"cancel", {A::Cancel}, {}, {}, 1, 0, 0, 0, false},
        {"yes, dialog cancelled", {A::Yes}, {cancelled}, {}, 1, 1, 0, 0, false},
        {"yes, saved", {A::Yes}, {chosen}, {SaveOutcome::Saved}, 1, 1, 1, 0, true},
        {"yes, failed", {A::Yes}, {chosen}, {SaveOutcome::Failed}, 1, 1, 1, 1, false},
        // Declining to replace the file is no failure: no notice, the question again.
        {"yes, declined, then no",
         {A::Yes, A::No},
         {chosen},
         {SaveOutcome::Declined},
         2,
         1,
         1,
         0,
         true},
        {"yes, declined, then cancel",
         {A::Yes, A::Cancel},
         {chosen},
         {SaveOutcome::Declined},
         2,
         1,
         1,
         0,
         false},
        {"yes, declined, yes, saved",
         {A::Yes, A::Yes},
         {chosen, chosen},
         {SaveOutcome::Declined, SaveOutcome::Saved},
         2,
         2,
         2,
         0,
         true},
    };
    for (const Case& c : cases) {
        resetAll();
        SetUp();
        unsavedData();
        Options().MRU[1] = QString(4096, u' ');
        QFile::remove(ini());
        int timerKills = 0;
        ShellHook().KillTimers = [&] { ++timerKills; };
        ui.choiceAnswers = c.choices;
        ui.saveAnswers = c.dialogs;
        std::deque<SaveOutcome> saves = c.saves;
        QStringList savedNames;
        ShellHook().SaveFile = [&](const QString& name) {
            savedNames << name;
            const SaveOutcome outcome = saves.empty() ? SaveOutcome::Failed : saves.front();
            if (!saves.empty())
                saves.pop_front();
            return outcome;
        };
        // Texts are looked up before the shutdown frees the table.
        const QString question = ResString(31), notice = ResString(8);
        const QString title = ResString(3003), questionTitle = ResString(4);
        EXPECT_EQ(ShutDown(&MainWindow()), c.ends) << c.what;

        int questions = 0, notices = 0;
        for (const MessageBoxRequest& r : ui.messageCalls) {
            questions += r.message == question ? 1 : 0;
            notices += r.message == notice ? 1 : 0;
            if (r.message == question) {
                EXPECT_EQ(r.buttonKind, 3) << "Yes, No and Cancel";
                EXPECT_EQ(r.iconKind, 2) << "a question, not a failure";
                EXPECT_EQ(r.title, questionTitle);
            }
        }
        EXPECT_EQ(questions, c.questions) << c.what;
        EXPECT_EQ(notices, c.failureNotices) << c.what;
        EXPECT_EQ(ui.saveCalls.size(), c.shownDialogs) << c.what;
        EXPECT_EQ(savedNames.size(), c.savesTried) << c.what;
        for (const FileDialogRequest& r : ui.saveCalls) {
            EXPECT_EQ(r.title, title);
            EXPECT_FALSE(r.confirmOverwrite);
        }
        for (const QString& name : savedNames)
            EXPECT_EQ(name, chosen.fileName);
        if (c.ends) {
            EXPECT_EQ(QFileInfo(ini()).size(), 24658) << c.what;
            EXPECT_EQ(timerKills, 1) << c.what;
        } else {
            // Kept: the program runs on as it was, and a later shutdown asks again.
            EXPECT_FALSE(QFile::exists(ini())) << c.what << ": nothing written";
            EXPECT_EQ(timerKills, 0) << c.what << ": the timers still run";
            EXPECT_TRUE(Language().Loaded) << c.what;
            EXPECT_TRUE(MainWindowLoaded() && MainWindow().isVisible()) << c.what;
            EXPECT_TRUE(CurrentData().DataPresent && !CurrentData().DataSaved) << c.what;
            EXPECT_FALSE(Shell().ShutDownStarted) << c.what;
        }
        // A saved session joins the recent files before the options are written.
        const bool saved =
            std::find(c.saves.begin(), c.saves.end(), SaveOutcome::Saved) != c.saves.end();
        EXPECT_EQ(Options().MRU[1].trimmed() == chosen.fileName, saved) << c.what;
    }
}

// Every road out keeps the program and its data when the user keeps them, and ends it when
// the user lets the data go.
TEST_F(Shutdown, EveryRoadOutKeepsTheProgramWhenTheUserKeepsTheData) {
    const struct {
        const char* road;
        std::function<void()> take;
    } roads[] = {
        {"Exit", [] { MainWindow().MenuItem(TopMenu::File, 9)->trigger(); }},
        {"Ctrl+X",
         [] {
             QApplication::setActiveWindow(&MainWindow());
             MainWindow().setFocus();
             QTest::keyClick(&MainWindow(), Qt::Key_X, Qt::ControlModifier);
         }},
        {"the close box", [] { MainWindow().close(); }},
        {"the restart after a new language",
         [] {
             ShellHook().RestartProgram();
             QApplication::sendPostedEvents();
         }},
    };
    const struct {
        const char* answer;
        BoxAnswer choice;
        std::deque<FileDialogResult> dialogs;
    } keeps[] = {
        {"cancel", BoxAnswer::Cancel, {}},
        {"yes, dialog cancelled", BoxAnswer::Yes, {FileDialogResult{}}},
        {"yes, save failed", BoxAnswer::Yes, {{true, QStringLiteral("/no/such/folder/a.log"), 0}}},
    };
    for (const auto& r : roads) {
        for (const auto& k : keeps) {
            resetAll();
            SetUp();
            // The program's own hooks, as its main registers them: the window's close and
            // Exit reach the shutdown, the settings the restart.
            RegisterShellHooks();
            unsavedData();
            QFile::remove(ini());
            ui.choiceAnswers = {k.choice};
            ui.saveAnswers = k.dialogs;
            const QString question = ResString(31);
            r.take();
            const QString what =
                QString::fromUtf8(r.road) + QStringLiteral(", ") + QString::fromUtf8(k.answer);
            ASSERT_FALSE(ui.messageCalls.isEmpty()) << qPrintable(what);
            EXPECT_EQ(ui.messageCalls.first().message, question) << qPrintable(what);
            EXPECT_TRUE(MainWindowLoaded() && MainWindow().isVisible()) << qPrintable(what);
            EXPECT_TRUE(CurrentData().DataPresent && !CurrentData().DataSaved) << qPrintable(what);
            EXPECT_FALSE(QFile::exists(ini())) << qPrintable(what) << ": nothing written";
            EXPECT_TRUE(Language().Loaded) << qPrintable(what);
            EXPECT_FALSE(Shell().RestartRequested) << qPrintable(what);

            // Asked again on the same road, No lets the data go and the program ends.
            ui.messageCalls.clear();
            ui.choiceAnswers = {BoxAnswer::No};
            r.take();
            EXPECT_EQ(ui.messageCalls.size(), 1) << qPrintable(what);
            EXPECT_FALSE(MainWindowLoaded() && MainWindow().isVisible()) << qPrintable(what);
            EXPECT_EQ(QFileInfo(ini()).size(), 24658) << qPrintable(what);
            EXPECT_FALSE(Language().Loaded) << qPrintable(what);
        }
    }
    Shell().RestartRequested = false;
}

TEST_F(Shutdown, ASavedDataSetAsksNothing) {
    CurrentData().DataPresent = true;
    CurrentData().DataSaved = true;
    ShutDown(&MainWindow());
    EXPECT_TRUE(ui.messageCalls.isEmpty());
}

TEST_F(Shutdown, ANestedCallReturnsAtOnceAndTheOuterPassFinishes) {
    unsavedData();
    ui.messageAnswers = {false};
    bool innerSawLibrary = false, innerSawFile = true;
    ShellHook().KillTimers = [&] {
        // As the main window's close does when a shutdown started elsewhere unloads it.
        ShutDown(&MainWindow());
        innerSawLibrary = Language().Loaded;
        innerSawFile = QFile::exists(ini());
    };
    const QString question = ResString(31);
    ShutDown(nullptr);
    EXPECT_TRUE(innerSawLibrary) << "the inner pass freed nothing";
    EXPECT_FALSE(innerSawFile) << "the inner pass wrote nothing";
    ASSERT_EQ(ui.messageCalls.size(), 1) << "asked once";
    EXPECT_EQ(ui.messageCalls[0].message, question);
    EXPECT_EQ(QFileInfo(ini()).size(), 24658);
    EXPECT_TRUE(Shell().Ended);
    EXPECT_FALSE(MainWindowLoaded());
}

TEST_F(Shutdown, EveryLoadedWindowIsUnloadedChildWindowsAndHiddenOnesIncluded) {
    probeUnloads = 0;
    SetChildWindowPlacement([](QWidget* window) { MainWindow().AddChildWindow(window)->show(); });
    Window<ChildProbe>().Show(); // a child of the main window
    SetChildWindowPlacement(nullptr);
    ASSERT_NE(Window<ChildProbe>().Instance()->parentWidget(), nullptr);
    Window<HiddenProbe>().Load(); // loaded, never shown
    ShutDown(&MainWindow());
    EXPECT_EQ(probeUnloads, 2);
    EXPECT_FALSE(Window<ChildProbe>().IsOpen());
    EXPECT_FALSE(Window<HiddenProbe>().IsOpen());
    EXPECT_TRUE(MainWindowLoaded()) << "the closing window is its caller's to close";
}

TEST_F(Shutdown, TheClosingWindowIsNotUnloadedUnderItsCaller) {
    probeUnloads = 0;
    Window<HiddenProbe>().Load(); // a window of its own, as the settings dialog is
    ShutDown(Window<HiddenProbe>().Instance());
    EXPECT_EQ(probeUnloads, 0);
    EXPECT_TRUE(Window<HiddenProbe>().IsOpen());
    EXPECT_FALSE(MainWindowLoaded());
    Window<HiddenProbe>().Unload();
}

TEST_F(Shutdown, FromAnotherWindowItUnloadsTheMainWindowButNotTheCaller) {
    QWidget settings;
    settings.setObjectName(QStringLiteral("frmSettings"));
    settings.show();
    QWidget other;
    other.show();
    ShutDown(&settings);
    EXPECT_FALSE(MainWindowLoaded());
    EXPECT_TRUE(settings.isVisible());
    EXPECT_FALSE(other.isVisible());
    EXPECT_EQ(Ui().Owner(), nullptr);
    EXPECT_EQ(QFileInfo(ini()).size(), 24658);
}

TEST_F(Shutdown, AFailingStepStillLetsTheOptionsBeWritten) {
    ShellHook().KillTimers = [] { throw std::runtime_error("timer"); };
    Options().CommPort = 6;
    ShutDown(&MainWindow());
    ASSERT_EQ(ui.standardCalls.size(), 1);
    EXPECT_TRUE(
        ui.standardCalls[0].text.contains(QStringLiteral("Error Raised by  : ShutDown\r\n")));
    OptionsRecord written;
    ASSERT_TRUE(OptionsFromBytes(iniBytes(), written));
    EXPECT_EQ(written.CommPort, 6);
}
