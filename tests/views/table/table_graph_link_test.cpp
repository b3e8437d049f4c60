// The data table and the time-evolution graph side by side: the caret moves the graph's
// cross-hair, a click on a graph point selects the row.
#include "tests/support/scratch_folder.h"
#include "tests/support/strict_ui.h"
#include "tests/views/table/table_fixture.h"
#include "views/graphs/frm_graph_te.h"
#include "views/graphs/graph_hooks.h"
#include "views/table/frm_source.h"
#include "views/table/table_hooks.h"
#include "views/table/table_text_box.h"
#include "views/table/view_data_source.h"

#include "platform/chart/chart_layout.h"
#include "platform/chart/chart_widget.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QTest>

#include <gtest/gtest.h>

namespace {
class TableAndGraph : public ::testing::Test {
protected:
    void SetUp() override {
        std::vector<Sample> samples;
        for (int i = 0; i < 20; ++i)
            samples.push_back({1.0f + i, 2, 0.5f, 3.0 + i});
        samples[5] = {-1, -1, -1, -1};
        CurrentData() = MakeData(samples);
        frmGraphTe& graph = ShowGraphTe();
        graph.resize(800, 600);
        ASSERT_TRUE(ViewDataSource(-1, -1));
        QCoreApplication::processEvents();
    }
    void TearDown() override {
        CloseGraphTe();
        delete SourceWindow();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        DataTableHook() = DataTableHooks();
        GraphHook() = GraphHooks();
        CurrentData() = DataSet();
    }
    // Where point p of a series is drawn.
    QPointF pixelOf(int series, qint32 point) {
        ChartWidget* chart = GraphTeWindow()->teeEvolution;
        const auto pixel = PointPixel(chart->Model(), chart->Geometry(), series, point);
        EXPECT_TRUE(pixel.has_value());
        return pixel.value_or(QPointF());
    }
    ScratchProgramFolder folder;
    StrictUi ui;
    TaggedLanguage language;
};
} // namespace

TEST_F(TableAndGraph, ArrowKeysMoveTheCrossHairToTheCaretsRow) {
    frmGraphTe* graph = GraphTeWindow();
    TableTextBox* box = SourceWindow()->txtSource;
    box->SelectLine(7 + 2);
    QTest::keyClick(box, Qt::Key_Down);
    ASSERT_TRUE(graph->CrosshairVisible());
    EXPECT_EQ(graph->teeEvolution->CrossHair()->x(), pixelOf(3, 3).x());
    // A row of a sample not available: no point to put the cross-hair on.
    QTest::keyClick(box, Qt::Key_Down);
    QTest::keyClick(box, Qt::Key_Down);
    EXPECT_EQ(box->CaretLine(), 7 + 5);
    EXPECT_FALSE(graph->CrosshairVisible());
    QTest::keyClick(box, Qt::Key_Up);
    ASSERT_TRUE(graph->CrosshairVisible());
    EXPECT_EQ(graph->teeEvolution->CrossHair()->x(), pixelOf(3, 4).x());
}

TEST_F(TableAndGraph, ClickOnAGraphPointSelectsItsRowAlsoWithTheResultantHidden) {
    frmGraphTe* graph = GraphTeWindow();
    TableTextBox* box = SourceWindow()->txtSource;
    QTest::mouseClick(graph->teeEvolution, Qt::LeftButton, Qt::NoModifier, pixelOf(3, 7).toPoint());
    EXPECT_EQ(box->CaretLine(), 7 + 7);
    EXPECT_TRUE(graph->CrosshairVisible());

    graph->chkHidePlot[3]->setChecked(true);
    graph->chkHidePlot_Click(3);
    QTest::mouseClick(graph->teeEvolution, Qt::LeftButton, Qt::NoModifier,
                      pixelOf(0, 12).toPoint());
    EXPECT_EQ(box->CaretLine(), 7 + 12);
    EXPECT_EQ(box->SelectedText(), box->LineText(19));
}
