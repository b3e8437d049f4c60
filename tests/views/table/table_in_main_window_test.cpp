// The data table as a child window of the main window, beside the time-evolution graph.
#include "tests/support/scratch_folder.h"
#include "tests/support/strict_ui.h"
#include "tests/views/table/table_fixture.h"

#include "shell/main/frm_main.h"
#include "shell/main/main_hooks.h"
#include "shell/main/toolbar_buttons.h"
#include "shell/wiring/wire_data_table.h"
#include "shell/wiring/wire_main_window.h"
#include "views/graphs/frm_graph_te.h"
#include "views/graphs/graph_hooks.h"
#include "views/table/frm_source.h"
#include "views/table/table_hooks.h"
#include "views/table/table_text_box.h"

#include <QAction>
#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTest>

#include <gtest/gtest.h>

namespace {
class TableInMainWindow : public ::testing::Test {
protected:
    void SetUp() override {
        MainWindowHook() = MainWindowHooks{};
        RegisterMainWindow();
        RegisterDataTable();
        std::vector<Sample> samples;
        for (int i = 0; i < 10; ++i)
            samples.push_back({1.0f + i, 2, 0.5f, 3.0 + i});
        CurrentData() = MakeData(samples);
    }
    void TearDown() override {
        if (MainWindowLoaded())
            UnloadMainWindow();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        MainWindowHook() = MainWindowHooks{};
        GraphHook() = GraphHooks{};
        DataTableHook() = DataTableHooks{};
        CurrentData() = DataSet{};
    }
    ScratchProgramFolder folder;
    StrictUi ui;
    TaggedLanguage language;
};
} // namespace

TEST_F(TableInMainWindow, ToolbarButtonOpensTheTableAsAChildBesideTheGraph) {
    frmMain& main = MainWindow();
    main.show();
    ShowGraphTe();
    CurrentData().CurrentFileName = QStringLiteral("/data/a.log");
    main.ToolbarButton(Button::Source)->setEnabled(true);
    main.tbrToolbar_ButtonClick(Button::Source);
    ASSERT_TRUE(SourceViewOpen());
    frmSource* table = SourceWindow();
    auto* frame = qobject_cast<QMdiSubWindow*>(table->parentWidget());
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(main.MdiArea()->subWindowList().size(), 2);
    QCoreApplication::processEvents();
    EXPECT_EQ(table->windowTitle(), QStringLiteral("/data/a.log [T4074]"));

    CurrentData().CurrentFileName = QStringLiteral("/data/b.log");
    main.MdiArea()->setActiveSubWindow(
        qobject_cast<QMdiSubWindow*>(GraphTeWindow()->parentWidget()));
    main.MdiArea()->setActiveSubWindow(frame);
    EXPECT_EQ(table->windowTitle(), QStringLiteral("/data/b.log [T4074]"));

    // Moving through the rows moves the graph's cross-hair, and back.
    QCoreApplication::processEvents();
    table->txtSource->SelectLine(7);
    QTest::keyClick(table->txtSource, Qt::Key_Down);
    EXPECT_TRUE(GraphTeWindow()->CrosshairVisible());
    emit GraphTeWindow()->PointClicked(4);
    EXPECT_EQ(table->txtSource->CaretLine(), 7 + 4);

    // The close button takes the child frame away with the window.
    table->Button(5)->trigger();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(SourceViewOpen());
    EXPECT_EQ(main.MdiArea()->subWindowList().size(), 1);
}

TEST_F(TableInMainWindow, CtrlCCopiesTheTablesSelectionNotTheMenuCommand) {
    frmMain& main = MainWindow();
    main.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&main));
    main.ToolbarButton(Button::Source)->setEnabled(true);
    main.tbrToolbar_ButtonClick(Button::Source);
    ASSERT_TRUE(SourceViewOpen());
    TableTextBox* box = SourceWindow()->txtSource;
    QCoreApplication::processEvents();
    box->setFocus();
    box->SelectLine(7 + 3);
    QGuiApplication::clipboard()->clear();
    QTest::keyClick(box, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), box->LineText(7 + 3));
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(box->SelectedText(), box->toPlainText());
}
