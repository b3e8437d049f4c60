#include "tests/shell/main/main_window_fixture.h"

#include "core/program_events.h"
#include "data/dataset.h"
#include "shell/command_line/command_line.h"
#include "shell/main/dock_host.h"
#include "shell/main/frm_main.h"
#include "shell/panes/frm_info.h"
#include "shell/panes/frm_warnings.h"
#include "shell/wiring/wire_graphs.h"
#include "shell/wiring/wire_main_window.h"
#include "views/graphs/frm_graph_te.h"
#include "views/graphs/graph_hooks.h"
#include "views/table/table_hooks.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QTemporaryDir>

namespace {
// The program's own registrations, taken back after each test.
class Registered : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        RegisterMainWindow();
        RegisterGraphs();
        CurrentData() = DataSet{};
    }
    void TearDown() override {
        if (MainWindowLoaded())
            UnloadMainWindow();
        GraphHook() = GraphHooks{};
        DataTableHook() = DataTableHooks{};
        CurrentData() = DataSet{};
        MainWindowTest::TearDown();
    }
};
} // namespace

TEST_F(Registered, MainWindowHoldsThePanesOfThePanesSubsystem) {
    frmMain& window = MainWindow();
    EXPECT_NE(qobject_cast<frmInfo*>(window.InfoPane()), nullptr);
    EXPECT_NE(qobject_cast<frmWarnings*>(window.WarningsPane()), nullptr);
    EXPECT_TRUE(window.WarningsPane()->isHidden());
}

TEST_F(Registered, LoadedSessionEnablesTheDataButtonsAndShowsTheWarnings) {
    Options().ShowWarningsOnLoad = true;
    frmMain& window = MainWindow();
    emit Events().DataSetReplaced();
    for (int button : {3, 4, 13, 14, 15})
        EXPECT_TRUE(window.ToolbarButton(button)->isEnabled()) << button;
    EXPECT_TRUE(window.MenuItem(TopMenu::Graph, 0)->isEnabled());
    EXPECT_FALSE(window.WarningsPane()->isHidden());
    EXPECT_TRUE(window.ToolbarButton(19)->isChecked());
}

TEST_F(Registered, LowerLayersReachTheStatusTextAndTheRecentFiles) {
    frmMain& window = MainWindow();
    emit Events().StatusText(QStringLiteral("30%"));
    EXPECT_EQ(window.lblPanel1()->text(), QStringLiteral("30%"));
    emit Events().StatusText(QString());
    EXPECT_TRUE(window.lblPanel1()->text().isEmpty());
    Options().MRU[1] = QStringLiteral("/x/new.log");
    emit Events().RecentFilesChanged();
    ASSERT_EQ(window.RecentFilesMenu()->actions().size(), 1);
    EXPECT_EQ(window.RecentFilesMenu()->actions()[0]->text(), QStringLiteral("/x/new.log"));
}

TEST_F(Registered, DataTableWithNoDataSetOpensNothing) {
    frmMain& window = MainWindow();
    window.ToolbarButton(15)->setEnabled(true);
    window.tbrToolbar_ButtonClick(Button::Source);
    EXPECT_TRUE(ui.messageCalls.isEmpty());
}

TEST_F(Registered, ReopeningAfterALoadOpensTheTimeGraphAsAChildWindow) {
    Options().OpenGraphTeOnLoad = true;
    Options().OpenGraphStOnLoad = false;
    Options().OpenSourceOnLoad = false;
    frmMain& window = MainWindow();
    window.OpenRequestedForms();
    ASSERT_TRUE(GraphTeOpen());
    EXPECT_EQ(window.MdiArea()->subWindowList().size(), 1);
    EXPECT_EQ(window.MdiArea()->subWindowList().at(0)->widget(), GraphTeWindow());
    window.OpenRequestedForms(); // open before: closed and opened again, still one
    EXPECT_TRUE(GraphTeOpen());
    EXPECT_EQ(window.MdiArea()->subWindowList().size(), 1);
    CloseGraphTe();
}

TEST_F(Registered, InfoPaneClosingItselfRaisesItsButton) {
    Options().InfoPaneVisible = true;
    Options().InfoPaneDocked = false;
    frmMain& window = MainWindow();
    ASSERT_EQ(window.DockControl().State("frmInfo"), 2);
    window.InfoPane()->close(); // the pane's own close box only hides it
    EXPECT_EQ(window.DockControl().State("frmInfo"), 0);
    EXPECT_TRUE(MainWindowLoaded());
    EXPECT_FALSE(window.ToolbarButton(20)->isChecked());
}

TEST_F(Registered, SavingOverAFileAsksOnceAndNoIsNoFailure) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString name = dir.filePath(QStringLiteral("old.log"));
    {
        QFile old(name);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("old bytes");
    }
    DataSet& data = CurrentData();
    data.DataPresent = true;
    data.StartDate = QDateTime(QDate(2026, 12, 9), QTime(7, 44, 47), Qt::UTC);
    data.SampleStep = 5;
    data.SampleStepUnit = QStringLiteral("s");
    data.NumSamples = 1;
    data.DataX = data.DataY = data.DataZ = {0, 1};
    data.DataRes = {0, 1.73};
    frmMain& window = MainWindow();
    window.ToolbarButton(3)->setEnabled(true);

    ui.saveAnswers.push_back({true, name, 0});
    ui.messageAnswers = {false};
    window.tbrToolbar_ButtonClick(Button::Save);
    ASSERT_EQ(ui.saveCalls.size(), 1);
    EXPECT_FALSE(ui.saveCalls[0].confirmOverwrite) << "the save asks, the dialog does not";
    EXPECT_EQ(Messages(), QStringList{ResString(26)});
    QFile old(name);
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    EXPECT_EQ(old.readAll(), QByteArray("old bytes"));
    old.close();

    // Yes replaces it, with no further message.
    ui.messageCalls.clear();
    ui.saveAnswers.push_back({true, name, 0});
    ui.messageAnswers = {true};
    window.tbrToolbar_ButtonClick(Button::Save);
    EXPECT_EQ(Messages(), QStringList{ResString(26)});
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    EXPECT_TRUE(old.readAll().startsWith("\"Field Activity Log\""));
    EXPECT_TRUE(CurrentData().DataSaved);
}
