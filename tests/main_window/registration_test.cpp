#include "tests/main_window/main_window_fixture.h"

#include "data/dataset.h"
#include "data/files/file_hooks.h"
#include "data/upload/load_hooks.h"
#include "shell/command_line/command_line.h"
#include "shell/graphs/register_graphs.h"
#include "shell/main/dock_host.h"
#include "shell/main/frm_main.h"
#include "shell/main/register_main_window.h"
#include "shell/panes/frm_info.h"
#include "shell/panes/frm_warnings.h"
#include "views/graphs/frm_graph_te.h"
#include "views/graphs/graph_hooks.h"
#include "views/table/table_hooks.h"

#include <QAction>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>

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
        FileHooks() = SessionFileHooks{};
        DataLoad() = DataLoadHooks{};
        CommandLineHook() = CommandLineHooks{};
        GraphHook() = GraphHooks{};
        DataTableHooks() = TableHooks{};
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
    FileHooks().AfterLoad();
    for (int button : {3, 4, 13, 14, 15})
        EXPECT_TRUE(window.ToolbarButton(button)->isEnabled()) << button;
    EXPECT_TRUE(window.MenuItem(TopMenu::Graph, 0)->isEnabled());
    EXPECT_FALSE(window.WarningsPane()->isHidden());
    EXPECT_TRUE(window.ToolbarButton(19)->isChecked());
}

TEST_F(Registered, LowerLayersReachTheStatusTextAndTheRecentFiles) {
    frmMain& window = MainWindow();
    FileHooks().StatusText(QStringLiteral("30%"));
    EXPECT_EQ(window.lblPanel1()->text(), QStringLiteral("30%"));
    GraphHook().PanelText(QString());
    EXPECT_TRUE(window.lblPanel1()->text().isEmpty());
    Options().MRU[1] = QStringLiteral("/x/new.log");
    FileHooks().RecentFilesChanged();
    ASSERT_EQ(window.RecentFilesMenu()->actions().size(), 1);
    EXPECT_EQ(window.RecentFilesMenu()->actions()[0]->text(), QStringLiteral("/x/new.log"));
}

TEST_F(Registered, DataTableWithNoDataSetOpensNothing) {
    frmMain& window = MainWindow();
    window.ToolbarButton(15)->setEnabled(true);
    window.tbrToolbar_ButtonClick(15);
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
