// Child windows opened by a load lie inside the visible work area, beside the docked pane.
#include "tests/shell/main/main_window_fixture.h"

#include "shell/main/frm_main.h"
#include "shell/main/picture_store.h"

#include <QApplication>
#include <QDialog>
#include <QImage>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>

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
