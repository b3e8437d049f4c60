#include "tests/shell/main/main_window_fixture.h"

#include "shell/main/frm_main.h"

#include <QAction>
#include <QMenu>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

namespace {
struct Tip {
    int button;
    const char* english;
};
} // namespace

TEST_F(MainWindowTest, ToolbarHasItsButtonsGapsAndStartingStates) {
    UseLanguage(1);
    frmMain window;
    EXPECT_TRUE(window.ToolbarButton(1)->isSeparator());
    for (int gap : {5, 8, 12, 16, 18, 22}) {
        QWidget* spacer = window.tbrToolbar()->widgetForAction(window.ToolbarButton(gap));
        ASSERT_NE(spacer, nullptr) << gap;
        EXPECT_EQ(spacer->width(), 20) << gap; // 300 twips
    }
    for (int off : {3, 4, 13, 14, 15})
        EXPECT_FALSE(window.ToolbarButton(off)->isEnabled()) << off;
    for (int on : {2, 6, 7, 9, 10, 11, 17, 19, 20, 21, 23, 24}) {
        EXPECT_TRUE(window.ToolbarButton(on)->isEnabled()) << on;
        EXPECT_FALSE(window.ToolbarButton(on)->icon().isNull()) << on;
    }
    EXPECT_EQ(window.ToolbarButton(0), nullptr);
    EXPECT_EQ(window.ToolbarButton(25), nullptr);
    auto* open =
        qobject_cast<QToolButton*>(window.tbrToolbar()->widgetForAction(window.ToolbarButton(2)));
    ASSERT_NE(open, nullptr);
    EXPECT_EQ(open->popupMode(), QToolButton::MenuButtonPopup);

    const Tip tips[] = {{2, "Open a data file"},
                        {6, "Connect the instrument"},
                        {19, "Show or hide the data analysis"},
                        {24, "Help index"}};
    for (const Tip& tip : tips)
        EXPECT_EQ(window.ToolbarButton(tip.button)->toolTip(), QString::fromUtf8(tip.english));
}

TEST_F(MainWindowTest, RecentFilesDropDownFollowsTheSlotsNewestFirst) {
    Options().MRU[1] = QStringLiteral("/data/newest.log   ");
    Options().MRU[2] = QString(4096, u' ');
    Options().MRU[3] = QStringLiteral("/data/older.log");
    frmMain window;
    const QList<QAction*> entries = window.RecentFilesMenu()->actions();
    ASSERT_EQ(entries.size(), 2);
    EXPECT_EQ(entries[0]->text(), QStringLiteral("/data/newest.log"));
    EXPECT_EQ(entries[0]->data().toInt(), 1);
    EXPECT_EQ(entries[1]->text(), QStringLiteral("/data/older.log"));
    EXPECT_EQ(entries[1]->data().toInt(), 3);
    EXPECT_EQ(Options().MRU[1], QStringLiteral("/data/newest.log")); // trimmed and stored back
}

TEST_F(MainWindowTest, NoRecentFilesGivesAnEmptyDropDown) {
    frmMain window;
    EXPECT_TRUE(window.RecentFilesMenu()->actions().isEmpty());
}

TEST_F(MainWindowTest, MenuItemsFollowTheirButtonsWheneverTheyChange) {
    frmMain window;
    const std::tuple<TopMenu, int, int> mirrored[] = {
        {TopMenu::File, 0, 2},     {TopMenu::File, 1, 3},     {TopMenu::File, 3, 7},
        {TopMenu::File, 5, 4},     {TopMenu::File, 7, 17},    {TopMenu::Monitor, 0, 9},
        {TopMenu::Monitor, 3, 10}, {TopMenu::Monitor, 4, 11}, {TopMenu::Monitor, 7, 6},
        {TopMenu::Graph, 0, 13},   {TopMenu::Graph, 1, 14},   {TopMenu::Graph, 2, 15}};
    for (auto [menu, index, button] : mirrored) {
        QAction* item = window.MenuItem(menu, index);
        QAction* source = window.ToolbarButton(button);
        EXPECT_EQ(item->isEnabled(), source->isEnabled()) << button;
        source->setEnabled(!source->isEnabled());
        EXPECT_EQ(item->isEnabled(), source->isEnabled()) << button;
    }
}

TEST_F(MainWindowTest, ShortcutOfADisabledCommandRunsNothing) {
    int saves = 0;
    MainWindowHook().SaveFile = [&](const QString&) {
        ++saves;
        return SaveOutcome::Saved;
    };
    ui.saveAnswers.push_back({true, QStringLiteral("/tmp/x.log"), 0});
    frmMain window;
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QTest::keyClick(&window, Qt::Key_S, Qt::ControlModifier);
    EXPECT_TRUE(ui.saveCalls.isEmpty());

    window.ToolbarButton(3)->setEnabled(true); // a data set is present
    QTest::keyClick(&window, Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(ui.saveCalls.size(), 1);
    EXPECT_EQ(saves, 1);
}
