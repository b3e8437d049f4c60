#include "core/language.h"
#include "core/options.h"
#include "core/program_events.h"
#include "data/dataset.h"
#include "platform/chart/chart_widget.h"
#include "platform/paths.h"
#include "shell/main/frm_main.h"
#include "shell/main/main_hooks.h"
#include "shell/main/menu_tree.h"
#include "shell/wiring/wire_graphs.h"
#include "shell/wiring/wire_main_window.h"
#include "tests/support/strict_ui.h"
#include "views/graphs/frm_graph_rf.h"
#include "views/graphs/frm_graph_st.h"
#include "views/graphs/frm_graph_te.h"
#include "views/graphs/graph_hooks.h"
#include "views/graphs/limit_box.h"
#include "views/table/frm_source.h"
#include "views/table/table_hooks.h"
#include "views/table/view_data_source.h"
#include "views/windows/single_window.h"

#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {
class RegisteredGraphs : public testing::Test {
protected:
    void SetUp() override {
        SetProgramFolderForTests(QStringLiteral(CORVANEL_PROGRAM_DIR));
        ASSERT_TRUE(InitLibrary(QStringLiteral("Language.dll")));
        SetLanguage(1);
        SetDefaultOptions(Options());
        MainWindowHook() = MainWindowHooks{};
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
        Window<frmGraphSt>().Unload();
        Window<frmGraphRf>().Unload();
        delete SourceWindow();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        if (MainWindowLoaded())
            UnloadMainWindow();
        MainWindowHook() = MainWindowHooks{};
        GraphHook() = GraphHooks{};
        DataTableHook() = DataTableHooks{};
        CurrentData() = DataSet{};
        FreeResLibrary();
        SetLanguage(0);
        SetProgramFolderForTests(QString());
    }
    StrictUi ui;
};
} // namespace

TEST_F(RegisteredGraphs, ToolbarOpensTheGraphAsAChildOfTheMainWindowOnce) {
    frmMain& main = MainWindow();
    main.tbrToolbar_ButtonClick(Button::GraphTe);
    ASSERT_TRUE(GraphTeOpen());
    frmGraphTe* window = GraphTeWindow();
    auto* frame = qobject_cast<QMdiSubWindow*>(window->parentWidget());
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(main.MdiArea()->subWindowList().size(), 1);
    EXPECT_EQ(window->teeEvolution->Model().Series(3).Count(), 3);
    main.tbrToolbar_ButtonClick(Button::GraphTe); // again: the same window in front
    EXPECT_EQ(GraphTeWindow(), window);
    EXPECT_EQ(main.MdiArea()->subWindowList().size(), 1);
    EXPECT_TRUE(ui.messageCalls.isEmpty());
}

TEST_F(RegisteredGraphs, ReopenAfterALoadShowsTheNewDataSet) {
    frmMain& main = MainWindow();
    main.tbrToolbar_ButtonClick(Button::GraphTe);
    ASSERT_TRUE(GraphTeOpen());
    CurrentData().NumSamples = 2;
    main.OpenRequestedForms();
    ASSERT_TRUE(GraphTeOpen());
    EXPECT_EQ(GraphTeWindow()->teeEvolution->Model().Series(3).Count(), 2);
    int graphs = 0; // the options may open other views beside it
    for (QMdiSubWindow* frame : main.MdiArea()->subWindowList())
        graphs += qobject_cast<frmGraphTe*>(frame->widget()) != nullptr;
    EXPECT_EQ(graphs, 1);
    MainWindowHook().GraphTe.Unload();
    EXPECT_FALSE(GraphTeOpen());
}

TEST_F(RegisteredGraphs, StatisticsOpenFromTheToolbarAndF5AndReopenAfterALoad) {
    frmMain& main = MainWindow();
    emit Events().DataSetReplaced(); // as after a download: the data commands are on
    QAction* f5 = main.MenuItem(TopMenu::Graph, 1);
    ASSERT_EQ(f5->shortcut(), QKeySequence(Qt::Key_F5));
    f5->setEnabled(true);
    f5->trigger();
    ASSERT_TRUE(GraphStOpen());
    frmGraphSt* window = Window<frmGraphSt>().Instance();
    ASSERT_NE(qobject_cast<QMdiSubWindow*>(window->parentWidget()), nullptr);
    EXPECT_EQ(window->teeStatistics->Model().Series(0).Count(), 11);
    main.tbrToolbar_ButtonClick(Button::GraphSt);
    EXPECT_EQ(Window<frmGraphSt>().Instance(), window);
    // A load starts the window again from the new data set's limits.
    window->txtMaxValue->setText(QStringLiteral("7"));
    CurrentData().ResMax = 0.35f;
    main.OpenRequestedForms();
    ASSERT_TRUE(GraphStOpen());
    EXPECT_EQ(Window<frmGraphSt>().Instance()->txtMaxValue->text(), QStringLiteral("0.35"));
    MainWindowHook().GraphSt.Unload();
    EXPECT_FALSE(GraphStOpen());
    EXPECT_TRUE(ui.messageCalls.isEmpty());
}

TEST_F(RegisteredGraphs, TheRfGraphOpensFromItsButtonFollowsTheTableAndCloses) {
    CurrentData().RfDataPresent = true;
    CurrentData().DataRf = {0, 12, 18, 15};
    CurrentData().CsvRfMax = 18;
    CurrentData().CsvRfMin = 12;
    frmMain& main = MainWindow();
    main.tbrToolbar_ButtonClick(Button::GraphTe);
    frmGraphTe* te = GraphTeWindow();
    ASSERT_TRUE(te->btnShowRf->isVisibleTo(te));
    te->btnShowRf_Click();
    ASSERT_TRUE(GraphRfOpen());
    frmGraphRf* rf = Window<frmGraphRf>().Instance();
    ASSERT_NE(qobject_cast<QMdiSubWindow*>(rf->parentWidget()), nullptr);
    te->btnShowRf_Click();
    EXPECT_EQ(Window<frmGraphRf>().Instance(), rf);
    EXPECT_EQ(DataTableHook().RfGraph(), rf);

    // The table's row and the RF point keep in step.
    main.tbrToolbar_ButtonClick(Button::Source);
    ASSERT_TRUE(SourceViewOpen());
    rf->resize(800, 500);
    QCoreApplication::processEvents();
    ChartWidget* chart = rf->teeEvolution;
    const auto pixel = PointPixel(chart->Model(), chart->Geometry(), 0, 2);
    ASSERT_TRUE(pixel);
    QTest::mouseClick(chart, Qt::LeftButton, {}, pixel->toPoint());
    const int offset = SourceWindow()->HeaderOffset(); // a station's table
    EXPECT_EQ(SourceWindow()->CaretLine(), offset + 2);
    EXPECT_TRUE(rf->CrosshairVisible());
    SourceWindow()->SelectLine(offset + 1);
    GetChartPoint();
    ASSERT_TRUE(rf->CrosshairVisible());
    EXPECT_EQ(chart->CrossHair()->x(), PointPixel(chart->Model(), chart->Geometry(), 0, 1)->x());

    // Every load closes it, and it stays closed.
    main.OpenRequestedForms();
    EXPECT_FALSE(GraphRfOpen());
    EXPECT_EQ(DataTableHook().RfGraph(), nullptr);
    EXPECT_TRUE(GraphTeOpen());
    EXPECT_TRUE(ui.messageCalls.isEmpty());
}
