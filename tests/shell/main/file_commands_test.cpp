#include "tests/shell/main/main_window_fixture.h"

#include "data/dataset.h"
#include "data/files/session_file.h"
#include "shell/main/file_dialogs.h"
#include "shell/main/frm_main.h"
#include "text/date_math.h"
#include "text/file_text_locale.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QTemporaryDir>

#include <deque>
#include <optional>

namespace {
// The files subsystem as the dispatcher sees it: answers and the calls it got.
struct FakeFiles {
    FakeFiles() {
        MainWindowHooks& h = MainWindowHook();
        h.LoadFile = [this](const QString& name) {
            calls.append("LoadFile " + name);
            return result;
        };
        h.SaveFile = [this](const QString& name) {
            calls.append("SaveFile " + name);
            return saveOutcome ? *saveOutcome : result ? SaveOutcome::Saved : SaveOutcome::Failed;
        };
        h.SaveTableFile = [this](const QString& name, int kind) {
            calls.append(QStringLiteral("SaveTableFile %1 %2").arg(name).arg(kind));
            return result;
        };
        h.SaveMRUFile = [this](const QString& name) { calls.append("SaveMRUFile " + name); };
        h.UnloadGraphRf = [this] { calls.append("reopen"); };
    }
    bool result = true;
    std::optional<SaveOutcome> saveOutcome; // when set, the session save's own answer
    QStringList calls;
};

FileDialogResult chosen(const QString& name, int filter = 0) {
    return {true, name, filter};
}

const QString startFolder = QStringLiteral("/srv/sessions/");
} // namespace

class FileCommandTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        Options().LastFolder = startFolder.leftJustified(4096, u' ');
        Options().OpenGraphTeOnLoad = Options().OpenGraphStOnLoad = false;
        Options().OpenSourceOnLoad = false;
    }
};

TEST_F(FileCommandTest, CancelledDialogsChangeNothing) {
    FakeFiles files;
    frmMain window;
    for (int b : {3, 4})
        window.ToolbarButton(b)->setEnabled(true);
    const QString before = Options().LastFolder;
    for (int button : {2, 3, 4})
        window.tbrToolbar_ButtonClick(static_cast<Button>(button));
    EXPECT_EQ(ui.openCalls.size(), 1);
    EXPECT_EQ(ui.saveCalls.size(), 2);
    EXPECT_TRUE(files.calls.isEmpty());
    EXPECT_TRUE(ui.messageCalls.isEmpty());
    EXPECT_EQ(Options().LastFolder, before);
}

TEST_F(FileCommandTest, DialogsCarryTheirTitlesFiltersAndFolder) {
    UseLanguage(1);
    frmMain window;
    FakeFiles files;
    window.tbrToolbar_ButtonClick(Button::Open);
    window.tbrToolbar_ButtonClick(Button::Save);
    window.tbrToolbar_ButtonClick(Button::Export);
    ASSERT_EQ(ui.openCalls.size(), 1);
    ASSERT_EQ(ui.saveCalls.size(), 2);
    const FileDialogRequest& open = ui.openCalls[0];
    EXPECT_EQ(open.title, ResString(3001));
    EXPECT_EQ(open.filter, QStringLiteral("Corvanel Log File (*.log);;") + ResString(3002) +
                               QStringLiteral(" (*)"));
    EXPECT_EQ(open.folder, startFolder);
    EXPECT_EQ(open.filterIndex, 0);
    EXPECT_EQ(ui.saveCalls[0].title, ResString(3003));
    // The session save asks before it replaces a file, so its dialog does not ask too.
    EXPECT_FALSE(ui.saveCalls[0].confirmOverwrite);
    EXPECT_EQ(ui.saveCalls[1].title, ResString(3004));
    EXPECT_TRUE(ui.saveCalls[1].confirmOverwrite);
    EXPECT_EQ(ui.saveCalls[1].filter, ResString(3005) + QStringLiteral(" (*.csv);;") +
                                          ResString(3006) + QStringLiteral(" (*.tab)"));
}

TEST_F(FileCommandTest, OpenLoadsRemembersAndReopensTheViews) {
    FakeFiles files;
    frmMain window;
    ui.openAnswers.push_back(chosen("/home/u/logs/day1.log"));
    window.tbrToolbar_ButtonClick(Button::Open);
    EXPECT_EQ(files.calls, (QStringList{"LoadFile /home/u/logs/day1.log",
                                        "SaveMRUFile /home/u/logs/day1.log", "reopen"}));
    EXPECT_EQ(Options().LastFolder, QStringLiteral("/home/u/logs/"));
    EXPECT_TRUE(ui.messageCalls.isEmpty());
}

TEST_F(FileCommandTest, FailedOpenSaysSoAndKeepsListAndViews) {
    FakeFiles files;
    files.result = false;
    frmMain window;
    ui.openAnswers.push_back(chosen("/home/u/logs/bad.log"));
    window.tbrToolbar_ButtonClick(Button::Open);
    EXPECT_EQ(files.calls, QStringList{"LoadFile /home/u/logs/bad.log"});
    EXPECT_EQ(Messages(), QStringList{ResString(7)});
    // The chosen folder is kept even so.
    EXPECT_EQ(Options().LastFolder, QStringLiteral("/home/u/logs/"));
}

TEST_F(FileCommandTest, SaveAndExportReportFailureWithText8) {
    struct Case {
        int button;
        int filter;
        bool result;
        QStringList calls;
        QStringList messages;
    };
    const Case cases[] = {
        // A saved session joins the recent files, as an opened one does.
        {3, 0, true, {"SaveFile /o/s.log", "SaveMRUFile /o/s.log"}, {}},
        {3, 0, false, {"SaveFile /o/s.log"}, {ResString(8)}},
        {4, 0, true, {"SaveTableFile /o/s.log 1"}, {}},
        {4, 1, true, {"SaveTableFile /o/s.log 2"}, {}},
        {4, 1, false, {"SaveTableFile /o/s.log 2"}, {ResString(8)}},
    };
    for (const Case& c : cases) {
        FakeFiles files;
        files.result = c.result;
        frmMain window;
        window.ToolbarButton(c.button)->setEnabled(true);
        ui.messageCalls.clear();
        ui.saveAnswers.push_back(chosen("/o/s.log", c.filter));
        window.tbrToolbar_ButtonClick(static_cast<Button>(c.button));
        EXPECT_EQ(files.calls, c.calls) << c.calls.join(u',').toStdString();
        EXPECT_EQ(Messages(), c.messages) << c.calls.join(u',').toStdString();
        EXPECT_EQ(Options().LastFolder, QStringLiteral("/o/"));
        MainWindowHook() = MainWindowHooks{};
    }
}

TEST_F(FileCommandTest, ABareNameTakesTheSuffixOfTheChosenKind) {
    struct Case {
        int button;
        QString typed;
        int filter;
        QStringList calls;
    };
    const Case cases[] = {
        // The session is saved and listed under the name the open dialog shows.
        {3, "/o/sess1", 0, {"SaveFile /o/sess1.log", "SaveMRUFile /o/sess1.log"}},
        {3, "/o/sess1", 1, {"SaveFile /o/sess1", "SaveMRUFile /o/sess1"}},
        {3, "/o/sess1.old", 0, {"SaveFile /o/sess1.old", "SaveMRUFile /o/sess1.old"}},
        {4, "/o/t", 0, {"SaveTableFile /o/t.csv 1"}},
        {4, "/o/t", 1, {"SaveTableFile /o/t.tab 2"}},
    };
    for (const Case& c : cases) {
        FakeFiles files;
        frmMain window;
        window.ToolbarButton(c.button)->setEnabled(true);
        ui.saveAnswers.push_back(chosen(c.typed, c.filter));
        window.tbrToolbar_ButtonClick(static_cast<Button>(c.button));
        EXPECT_EQ(files.calls, c.calls) << c.calls.join(u',').toStdString();
        // The real dialog adds it too, before it looks for a file to replace.
        EXPECT_TRUE(ui.saveCalls.constLast().suffixFromFilter);
        MainWindowHook() = MainWindowHooks{};
    }
    EXPECT_TRUE(Messages().isEmpty());
}

TEST_F(FileCommandTest, DeclinedReplaceOfTheSessionFileIsNoFailure) {
    FakeFiles files;
    files.saveOutcome = SaveOutcome::Declined;
    frmMain window;
    window.ToolbarButton(3)->setEnabled(true);
    ui.saveAnswers.push_back(chosen("/o/s.log"));
    window.tbrToolbar_ButtonClick(Button::Save);
    EXPECT_EQ(files.calls, QStringList{"SaveFile /o/s.log"});
    EXPECT_TRUE(Messages().isEmpty());
}

TEST_F(FileCommandTest, RecentFileEntryLoadsItsOwnSlot) {
    Options().MRU[1] = QStringLiteral("/a/first.log");
    Options().MRU[3] = QStringLiteral("/a/third.log");
    FakeFiles files;
    frmMain window;
    const QList<QAction*> entries = window.RecentFilesMenu()->actions();
    ASSERT_EQ(entries.size(), 2);
    entries[1]->trigger(); // second entry, slot 3
    EXPECT_EQ(files.calls,
              (QStringList{"LoadFile /a/third.log", "SaveMRUFile /a/third.log", "reopen"}));
}

TEST_F(FileCommandTest, FailedRecentFileShowsOnlyTheLoadersMessageAndGoesNoFurther) {
    Options().MRU[1] = QStringLiteral("/a/gone.log");
    FakeFiles files;
    files.result = false; // the loader has said why
    frmMain window;
    window.RecentFilesMenu()->actions().at(0)->trigger();
    EXPECT_EQ(files.calls, QStringList{"LoadFile /a/gone.log"});
    EXPECT_TRUE(Messages().isEmpty());
}

TEST_F(FileCommandTest, AnUnsavedDataSetIsOfferedForSavingBeforeALoadReplacesIt) {
    Options().MRU[1] = QStringLiteral("/a/first.log");
    const struct {
        const char* what;
        std::deque<bool> answers;
        std::deque<FileDialogResult> saveDialogs;
        bool loads;
        std::deque<BoxAnswer> choices = {};
    } cases[] = {
        {"no: the load goes on", {false}, {}, true},
        {"yes, then the save dialog cancelled: no load", {true}, {FileDialogResult{}}, false},
        {"cancel: no load", {}, {}, false, {BoxAnswer::Cancel}},
    };
    for (const auto& c : cases) {
        for (int entry = 0; entry < 2; ++entry) { // the open dialog, then the recent files
            CurrentData().DataPresent = true;
            CurrentData().DataSaved = false;
            FakeFiles files;
            frmMain window;
            ui.messageCalls.clear();
            ui.messageAnswers = c.answers;
            ui.choiceAnswers = c.choices;
            ui.saveAnswers = c.saveDialogs;
            ui.openAnswers = {chosen(QStringLiteral("/srv/other/b.log"))};
            const QString folder = Options().LastFolder;
            if (entry == 0)
                window.tbrToolbar_ButtonClick(Button::Open);
            else
                window.RecentFilesMenu()->actions().at(0)->trigger();
            ASSERT_FALSE(Messages().isEmpty()) << c.what;
            EXPECT_EQ(Messages().first(), ResString(31)) << c.what;
            EXPECT_EQ(ui.messageCalls.first().iconKind, 2) << "a question";
            EXPECT_EQ(files.calls.size() > 0, c.loads) << c.what << " " << entry;
            if (!c.loads)
                EXPECT_EQ(Options().LastFolder, folder) << "a cancelled load changes nothing";
        }
    }
    CurrentData() = DataSet();
}

TEST_F(FileCommandTest, AStationFileOverAnUnsavedDataSetIsAskedAboutOnce) {
    // The import through the real loader: the question comes once, before the file is read.
    QTemporaryDir dir;
    const QString csv = QDir(dir.path()).filePath(QStringLiteral("station.CSV"));
    QFile out(csv);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    const QByteArray record =
        FileTextLocale().DateTimeText(NaiveDateTime(2026, 12, 9, 7, 44, 47)).toUtf8() +
        ",0.1,0.2,0.3,-100,1.5,0.37\r\n";
    out.write(record + record);
    out.close();
    MainWindowHook().LoadFile = [](const QString& name) { return LoadFile(name); };
    const struct {
        const char* what;
        std::deque<bool> answers;
        std::deque<FileDialogResult> saveDialogs;
        bool imports;
    } cases[] = {
        {"no: the import goes on", {false}, {}, true},
        {"yes, then the save dialog cancelled: nothing read", {true}, {FileDialogResult{}}, false},
    };
    for (const auto& c : cases) {
        DataSet unsaved;
        unsaved.DataPresent = true;
        unsaved.DataSaved = false;
        unsaved.DataSourceName = QStringLiteral("Upload");
        ReplaceCurrentData(std::move(unsaved));
        frmMain window;
        ui.messageCalls.clear();
        ui.messageAnswers = c.answers;
        ui.saveAnswers = c.saveDialogs;
        ui.openAnswers = {chosen(csv)};
        window.tbrToolbar_ButtonClick(Button::Open);
        EXPECT_EQ(Messages(), QStringList{ResString(31)}) << c.what;
        EXPECT_EQ(CurrentData().DataSourceName,
                  c.imports ? QStringLiteral("File Centralina") : QStringLiteral("Upload"))
            << c.what;
    }
    ReplaceCurrentData(DataSet());
}

TEST(FileDialogTexts, FolderPartKeepsTheLastSeparator) {
    EXPECT_EQ(FolderPart("/home/u/a.log"), QStringLiteral("/home/u/"));
    EXPECT_EQ(FolderPart("a.log"), QString());
    EXPECT_EQ(FolderPart("C:\\data\\a.log"), QStringLiteral("C:\\data\\"));
}

TEST(FileDialogTexts, PresetNameOnlyForAFileThatIsFound) {
    QTemporaryDir scratch;
    ASSERT_TRUE(scratch.isValid());
    QFile found(scratch.filePath(QStringLiteral("found.log")));
    ASSERT_TRUE(found.open(QIODevice::WriteOnly));
    found.close();
    const QString before = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(scratch.path()));
    EXPECT_EQ(PresetFileName("/srv/sessions/found.log"), QStringLiteral("found.log"));
    EXPECT_EQ(PresetFileName("/srv/sessions/"), QString());
    EXPECT_EQ(PresetFileName("/srv/sessions/missing.log"), QString());
    QDir::setCurrent(before);
}
