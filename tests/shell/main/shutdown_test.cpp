#include "tests/shell/main/main_window_fixture.h"

#include "shell/main/frm_main.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QTest>

#include <functional>

TEST_F(MainWindowTest, ExitRunsShutDownOnceAndClosesTheWindow) {
    int shutDowns = 0;
    QWidget* closing = nullptr;
    MainWindowHook().ShutDown = [&](QWidget* frm) {
        ++shutDowns;
        closing = frm;
        return true;
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
    MainWindowHook().ShutDown = [&](QWidget*) {
        ++shutDowns;
        return true;
    };
    frmMain window;
    window.show();
    window.close();
    EXPECT_EQ(shutDowns, 1);
}

// A shutdown the user declined (Cancel at the unsaved data's question) leaves the window
// open, whichever way it was asked for; the next try asks again.
TEST_F(MainWindowTest, AShutDownTheUserDeclinedKeepsTheWindowOpen) {
    const struct {
        const char* road;
        std::function<void(frmMain&)> take;
    } roads[] = {
        {"Exit", [](frmMain& w) { w.MenuItem(TopMenu::File, 9)->trigger(); }},
        {"Ctrl+X", [](frmMain& w) { QTest::keyClick(&w, Qt::Key_X, Qt::ControlModifier); }},
        {"the close box", [](frmMain& w) { w.close(); }},
    };
    for (const auto& r : roads) {
        int shutDowns = 0;
        bool keep = true;
        MainWindowHook().ShutDown = [&](QWidget*) {
            ++shutDowns;
            return !keep;
        };
        frmMain window;
        window.show();
        QApplication::setActiveWindow(&window);
        r.take(window);
        EXPECT_EQ(shutDowns, 1) << r.road;
        EXPECT_TRUE(window.isVisible()) << r.road;
        keep = false;
        r.take(window);
        EXPECT_EQ(shutDowns, 2) << r.road << ": asked again";
        EXPECT_FALSE(window.isVisible()) << r.road;
    }
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
