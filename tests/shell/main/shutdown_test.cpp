#include "tests/shell/main/main_window_fixture.h"

#include "shell/main/frm_main.h"

#include <QAction>
#include <QLabel>

TEST_F(MainWindowTest, ExitRunsShutDownOnceAndClosesTheWindow) {
    int shutDowns = 0;
    QWidget* closing = nullptr;
    MainWindowHook().ShutDown = [&](QWidget* frm) {
        ++shutDowns;
        closing = frm;
    };
    frmMain window;
    window.show();
    window.MenuItem(TopMenu::File, 9)->trigger();
    EXPECT_EQ(shutDowns, 1);
    EXPECT_EQ(closing, &window);
    EXPECT_FALSE(window.isVisible());
    window.close(); // a later close runs no second shutdown
    EXPECT_EQ(shutDowns, 1);
}

TEST_F(MainWindowTest, ClosingTheWindowRunsShutDown) {
    int shutDowns = 0;
    MainWindowHook().ShutDown = [&](QWidget*) { ++shutDowns; };
    frmMain window;
    window.show();
    window.close();
    EXPECT_EQ(shutDowns, 1);
}

TEST_F(MainWindowTest, StatusBarStartsUnknownAndShowsProgressText) {
    UseLanguage(1);
    frmMain window;
    EXPECT_EQ(window.lblBattStatus()->text(), ResString(5));
    EXPECT_EQ(window.lblCommStatus()->text(), ResString(5));
    EXPECT_TRUE(window.lblPanel1()->text().isEmpty());
    window.SetPanelText(QStringLiteral("40%"));
    EXPECT_EQ(window.lblPanel1()->text(), QStringLiteral("40%"));
    for (int i = 0; i < 7; ++i)
        EXPECT_FALSE(window.pctImage(i).isNull()) << i;
    EXPECT_TRUE(window.pctImage(7).isNull());
}
