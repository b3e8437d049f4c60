#include "core/language.h"
#include "core/options.h"
#include "data/dataset.h"
#include "platform/chart/chart_widget.h"
#include "platform/paths.h"
#include "shell/graphs/register_graphs.h"
#include "shell/main/frm_main.h"
#include "shell/main/main_hooks.h"
#include "shell/main/register_main_window.h"
#include "tests/support/fake_ui.h"
#include "views/graphs/frm_graph_te.h"
#include "views/graphs/graph_hooks.h"
#include "views/table/table_hooks.h"

#include <QMdiArea>
#include <QMdiSubWindow>

#include <gtest/gtest.h>

namespace {
class RegisteredGraphs : public testing::Test {
protected:
    void SetUp() override {
        SetProgramFolderForTests(QStringLiteral(CORVANEL_PROGRAM_DIR));
        ASSERT_TRUE(InitLibrary(QStringLiteral("Language.dll")));
        SetLanguage(1);
        SetDefaultOptions(Options());
        MainWindowHooks() = MainHooks{};
        RegisterMainWindow();
        RegisterGraphs();
        DataSet data;
        data.DataPresent = true;
        data.NumSamples = 3;
        data.StartDate = QDateTime(QDate(2026, 12, 9), QTime(7, 44, 47), Qt::UTC);
        data.SampleStep = 1;
        data.SampleStepUnit = QStringLiteral("n");
        data.DataX = {0, 0.1f, 0.2f, 0.3f};
        data.DataY = data.DataX;
        data.DataZ = data.DataX;
        data.DataRes = {0, 0.17, 0.35, 0.52};
        data.DataRf = {0, 0, 0, 0};
        data.ResMax = 0.52f;
        data.ResMin = 0.17f;
        CurrentData() = data;
    }
    void TearDown() override {
        CloseGraphTe();
        if (MainWindowLoaded())
            UnloadMainWindow();
        MainWindowHooks() = MainHooks{};
        GraphHook() = GraphHooks{};
        DataTableHooks() = TableHooks{};
        CurrentData() = DataSet{};
        FreeResLibrary();
        SetLanguage(0);
        SetProgramFolderForTests(QString());
    }
    FakeUi ui;
};
} // namespace

TEST_F(RegisteredGraphs, ToolbarOpensTheGraphAsAChildOfTheMainWindowOnce) {
    frmMain& main = MainWindow();
    main.tbrToolbar_ButtonClick(13);
    ASSERT_TRUE(GraphTeOpen());
    frmGraphTe* window = GraphTeWindow();
    auto* frame = qobject_cast<QMdiSubWindow*>(window->parentWidget());
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(main.MdiArea()->subWindowList().size(), 1);
    EXPECT_EQ(window->teeEvolution->Model().Series(3).Count(), 3);
    main.tbrToolbar_ButtonClick(13); // again: the same window in front
    EXPECT_EQ(GraphTeWindow(), window);
    EXPECT_EQ(main.MdiArea()->subWindowList().size(), 1);
    // The data table finds the open graph for its cross-hair.
    EXPECT_EQ(DataTableHooks().TimeGraph(), window);
    EXPECT_TRUE(ui.messageCalls.isEmpty());
}

TEST_F(RegisteredGraphs, ReopenAfterALoadShowsTheNewDataSet) {
    frmMain& main = MainWindow();
    main.tbrToolbar_ButtonClick(13);
    ASSERT_TRUE(GraphTeOpen());
    CurrentData().NumSamples = 2;
    main.OpenRequestedForms();
    ASSERT_TRUE(GraphTeOpen());
    EXPECT_EQ(GraphTeWindow()->teeEvolution->Model().Series(3).Count(), 2);
    int graphs = 0; // the options may open other views beside it
    for (QMdiSubWindow* frame : main.MdiArea()->subWindowList())
        graphs += qobject_cast<frmGraphTe*>(frame->widget()) != nullptr;
    EXPECT_EQ(graphs, 1);
    MainWindowHooks().GraphTe.Unload();
    EXPECT_FALSE(GraphTeOpen());
    EXPECT_EQ(DataTableHooks().TimeGraph(), nullptr);
}
