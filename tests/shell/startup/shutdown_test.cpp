#include "shell/startup/shut_down.h"
#include "shell/startup/start_up.h"
#include "tests/shell/startup/startup_fixture.h"
#include "views/windows/single_window.h"

#include <QFileInfo>
#include <QMdiSubWindow>

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
        std::deque<bool> answers;             // questions and failure notices, in turn
        std::deque<FileDialogResult> dialogs; // save dialogs, in turn
        std::deque<SaveOutcome> saves;        // SaveFile results, in turn
        int questions, shownDialogs, savesTried, failureNotices;
    };
    const FileDialogResult chosen{true, QStringLiteral("/tmp/sessione.log"), 0};
    const FileDialogResult cancelled{};
    const Case cases[] = {
        {"no", {false}, {}, {}, 1, 0, 0, 0},
        {"yes, cancel", {true}, {cancelled}, {}, 1, 1, 0, 0},
        {"yes, saved", {true}, {chosen}, {SaveOutcome::Saved}, 1, 1, 1, 0},
        {"yes, failed, then no", {true, true, false}, {chosen}, {SaveOutcome::Failed}, 2, 1, 1, 1},
        // Declining to replace the file is no failure: no notice, the question again.
        {"yes, declined, then no", {true, false}, {chosen}, {SaveOutcome::Declined}, 2, 1, 1, 0},
        {"yes, declined, yes, saved",
         {true, true},
         {chosen, chosen},
         {SaveOutcome::Declined, SaveOutcome::Saved},
         2,
         2,
         2,
         0},
        {"yes, failed, yes, saved",
         {true, true, true},
         {chosen, chosen},
         {SaveOutcome::Failed, SaveOutcome::Saved},
         2,
         2,
         2,
         1},
    };
    for (const Case& c : cases) {
        resetAll();
        SetUp();
        unsavedData();
        Options().MRU[1] = QString(4096, u' ');
        ui.messageAnswers = c.answers;
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
        const QString title = ResString(3003);
        ShutDown(&MainWindow());

        int questions = 0, notices = 0;
        for (const MessageBoxRequest& r : ui.messageCalls) {
            questions += r.message == question ? 1 : 0;
            notices += r.message == notice ? 1 : 0;
            if (r.message == question)
                EXPECT_EQ(r.buttonKind, 0) << "a Yes/No question";
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
        EXPECT_EQ(QFileInfo(ini()).size(), 24658) << c.what;
        // A saved session joins the recent files before the options are written.
        const bool saved =
            std::find(c.saves.begin(), c.saves.end(), SaveOutcome::Saved) != c.saves.end();
        EXPECT_EQ(Options().MRU[1].trimmed() == chosen.fileName, saved) << c.what;
    }
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
