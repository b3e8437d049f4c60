// Child windows opened by a load lie inside the visible work area, beside the docked pane.
#include "tests/shell/main/main_window_fixture.h"

#include "shell/main/frm_main.h"
#include "shell/main/picture_store.h"
#include "tests/support/downloaded_data.h"
#include "views/graphs/frm_graph_st.h"
#include "views/graphs/limit_box.h"
#include "views/windows/single_window.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QImage>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QPushButton>
#include <QScrollArea>
#include <QTest>

namespace {
// The three data views as plain windows of the size the time graph opens at.
class FitTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        Options().OpenGraphTeOnLoad = Options().OpenSourceOnLoad = true;
        Options().OpenGraphStOnLoad = false;
        view(MainWindowHook().GraphTe, 0);
        view(MainWindowHook().GraphSt, 1);
        view(MainWindowHook().Source, 2);
    }
    void view(MainWindowHooks::View& v, int slot) {
        v.IsOpen = [this, slot] { return !views[slot].isNull(); };
        v.Window = [this, slot] { return views[slot].data(); };
        v.Unload = [this, slot] { delete views[slot]->parentWidget(); };
        v.Show = [this, slot] {
            auto* form = new QWidget;
            form->resize(760, 520);
            views[slot] = form;
            MainWindow().AddChildWindow(form)->show();
        };
    }
    // Every open view's frame inside the area's viewport, and none under the pane.
    void expectInside(frmMain& main, QWidget* pane) {
        QApplication::processEvents();
        const QMdiArea* area = main.MdiArea();
        const QRect viewport = area->viewport()->rect();
        int open = 0;
        for (QMdiSubWindow* frame : area->subWindowList()) {
            ++open;
            EXPECT_TRUE(viewport.contains(frame->geometry()))
                << frame->geometry().width() << " wide in " << viewport.width();
            const QRect onMain(frame->mapTo(&main, QPoint(0, 0)), frame->size());
            const QRect paneOnMain(pane->mapTo(&main, QPoint(0, 0)), pane->size());
            EXPECT_FALSE(onMain.intersects(paneOnMain));
        }
        EXPECT_EQ(open, 2);
    }
    QPointer<QWidget> views[3];
};
} // namespace

TEST_F(FitTest, AFirstLoadRightAfterStartTilesBesideTheDockedPane) {
    // The pane docked as at start; the load comes before any turn of the event loop, as
    // the command line's does.
    Options().InfoPaneVisible = Options().InfoPaneDocked = true;
    frmMain& main = MainWindow();
    main.show();
    main.OpenRequestedForms();
    expectInside(main, main.InfoPane());
    main.OpenRequestedForms(); // a second load: the same places
    expectInside(main, main.InfoPane());
    UnloadMainWindow();
}

// The main window, its child windows and its dialogs show the program's icon, never the
// toolkit's own.
TEST_F(MainWindowTest, ChildWindowsCarryTheProgramsIcon) {
    frmMain main;
    main.show();
    auto* view = new QWidget;
    QMdiSubWindow* frame = main.AddChildWindow(view);
    frame->show();
    QDialog dialog(&main);
    const QImage program = ProgramIcon().pixmap(16).toImage();
    ASSERT_FALSE(program.isNull());
    for (QWidget* w : {static_cast<QWidget*>(&main), static_cast<QWidget*>(frame), view,
                       static_cast<QWidget*>(&dialog)}) {
        SCOPED_TRACE(w->metaObject()->className());
        ASSERT_FALSE(w->windowIcon().isNull());
        EXPECT_EQ(w->windowIcon().pixmap(16).toImage(), program);
    }
}

// After a load the data windows are tiled one above the other: in the statistics window's
// tile its whole control frame shows, the refresh button included, in both languages.
TEST_F(MainWindowTest, TheTiledStatisticsWindowShowsItsRefreshButton) {
    const DataSet saved = CurrentData();
    DataSet data = DownloadedZeros(60);
    for (qint32 i = 1; i <= 60; ++i)
        data.DataRes[i] = 0.2 + 0.01 * i;
    data.ResMin = 0.21f;
    data.ResMax = 0.8f;
    CurrentData() = data;
    for (int language : {0, 1}) {
        SCOPED_TRACE(language);
        UseLanguage(language);
        Options().InfoPaneVisible = true;
        Options().InfoPaneDocked = true;
        frmMain main;
        main.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&main));
        main.AddChildWindow(new QWidget)->show();
        frmGraphSt& st = Window<frmGraphSt>().Load();
        main.AddChildWindow(&st)->show();
        main.AddChildWindow(new QWidget)->show();
        main.tbrToolbar_ButtonClick(Button::Tile);
        QCoreApplication::processEvents();
        const auto* scroll = st.findChild<QScrollArea*>(QStringLiteral("fmeControlScroll"));
        ASSERT_NE(scroll, nullptr);
        const QRect shown(scroll->viewport()->mapTo(&st, QPoint(0, 0)), scroll->viewport()->size());
        for (QWidget* control :
             {static_cast<QWidget*>(st.btnRefresh), static_cast<QWidget*>(st.cboNumClassi),
              static_cast<QWidget*>(st.txtMinValue), static_cast<QWidget*>(st.txtMaxValue)}) {
            const QRect at(control->mapTo(&st, QPoint(0, 0)), control->size());
            EXPECT_TRUE(shown.contains(at))
                << control->objectName().toStdString() << " at " << at.y() << "+" << at.height()
                << " in " << shown.y() << "+" << shown.height();
        }
        Window<frmGraphSt>().Unload();
    }
    CurrentData() = saved;
}
