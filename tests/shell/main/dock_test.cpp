#include "tests/shell/main/main_window_fixture.h"

#include "shell/main/dock_host.h"
#include "shell/main/dockable_host.h"
#include "shell/main/frm_main.h"

#include "docking/dockable.h"

#include <QAction>
#include <QMainWindow>
#include <QMdiArea>
#include <QTest>
#include <QToolButton>

namespace {
// A dock host that only keeps the states it is told and the calls it got.
class FakeDock final : public DockHost {
public:
    void AddForm(QWidget* form, int state, int align) override {
        calls.append(
            QStringLiteral("AddForm %1 %2 %3").arg(form->objectName()).arg(state).arg(align));
    }
    void Show(const QString& key, int align) override {
        calls.append(QStringLiteral("Show %1 %2").arg(key).arg(align));
        state = align == 0 ? 2 : 1;
    }
    void Hide(const QString& key) override {
        calls.append("Hide " + key);
        state = 0;
    }
    int State(const QString&) const override { return state; }
    void SetState(const QString& key, int s) override {
        calls.append(QStringLiteral("SetState %1 %2").arg(key).arg(s));
        state = s;
    }
    void SetCanDockTop(const QString& key, bool can) override {
        calls.append(QStringLiteral("CanDockTop %1 %2").arg(key).arg(can));
    }
    void SetCanDockBottom(const QString& key, bool can) override {
        calls.append(QStringLiteral("CanDockBottom %1 %2").arg(key).arg(can));
    }
    void SetLeftEdgeWidth(int twips) override {
        calls.append(QStringLiteral("Left %1").arg(twips));
    }
    void SetRightEdgeWidth(int twips) override {
        calls.append(QStringLiteral("Right %1").arg(twips));
    }

    void SetStateObserver(std::function<void(const QString&, int)> told) override {
        observer = std::move(told);
    }

    int state = 0;
    QStringList calls;
    std::function<void(const QString&, int)> observer;
};

class DockTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        MainWindowHook().CreateDockHost = [this](QMainWindow*) {
            auto owned = std::make_unique<FakeDock>();
            dock = owned.get();
            return std::unique_ptr<DockHost>(std::move(owned));
        };
    }
    FakeDock* dock = nullptr;
};

struct StartState {
    bool visible;
    bool docked;
    QStringList after; // calls after the set-up
    int state;
};
} // namespace

TEST_F(DockTest, PaneIsSetUpHiddenOnTheRightAndShownAsTheOptionsSay) {
    const StartState cases[] = {
        {false, false, {}, 0},
        {false, true, {}, 0},
        {true, true, {"SetState frmInfo 1"}, 1},
        {true, false, {"Show frmInfo 0"}, 2},
    };
    for (const StartState& c : cases) {
        Options().InfoPaneVisible = c.visible;
        Options().InfoPaneDocked = c.docked;
        frmMain window;
        const QStringList setUp{"AddForm frmInfo 0 4", "CanDockBottom frmInfo 0",
                                "CanDockTop frmInfo 0", "Right 2355", "Left 2355"};
        EXPECT_EQ(dock->calls, setUp + c.after) << c.visible << c.docked;
        EXPECT_EQ(dock->state, c.state);
        EXPECT_EQ(window.ToolbarButton(20)->isChecked(), c.visible);
        EXPECT_EQ(window.MenuItem(TopMenu::Windows, 0)->isChecked(), c.visible);
        EXPECT_EQ(window.MenuItem(TopMenu::Windows, 1)->isChecked(), c.docked);
    }
}

TEST_F(DockTest, WindowMenuMarksFollowThePaneAndTheWarnings) {
    Options().InfoPaneVisible = false;
    frmMain window;
    const std::tuple<int, bool, bool, bool> cases[] = {
        {0, false, false, false}, {1, true, true, false}, {2, true, false, true}};
    for (auto [state, show, docked, warnings] : cases) {
        dock->state = state;
        window.WarningsPane()->setVisible(warnings);
        window.mnuWindows_Click();
        EXPECT_EQ(window.MenuItem(TopMenu::Windows, 0)->isChecked(), show) << state;
        EXPECT_EQ(window.MenuItem(TopMenu::Windows, 1)->isChecked(), docked) << state;
        EXPECT_EQ(window.MenuItem(TopMenu::Windows, 2)->isChecked(), warnings) << state;
    }
}

TEST_F(DockTest, HiddenPaneOpensFloatingOnceTheMenuClearedTheDockMark) {
    Options().InfoPaneVisible = false;
    Options().InfoPaneDocked = true;
    frmMain window;
    window.mnuWindows_Click(); // hidden: both marks off
    dock->calls.clear();
    window.mnuSubWindow_Click(0);
    EXPECT_EQ(dock->calls, QStringList{"Show frmInfo 0"});
}

TEST_F(DockTest, DockToggleMovesAShownPaneAndOnlyMarksAHiddenOne) {
    Options().InfoPaneVisible = false;
    Options().InfoPaneDocked = false;
    frmMain window;
    dock->calls.clear();
    window.mnuSubWindow_Click(1);
    EXPECT_TRUE(dock->calls.isEmpty());
    EXPECT_TRUE(window.MenuItem(TopMenu::Windows, 1)->isChecked());

    dock->state = 2;
    window.mnuSubWindow_Click(1);
    EXPECT_EQ(dock->calls, QStringList{"SetState frmInfo 2"});
    window.mnuSubWindow_Click(1);
    EXPECT_EQ(dock->calls, (QStringList{"SetState frmInfo 2", "SetState frmInfo 1"}));
}

// Chosen from the menu (or its Ctrl+A shortcut) the item flips its own mark before the
// handler runs: the pane must still move, and the mark flip once.
TEST_F(DockTest, DockItemChosenFromTheMenuMovesThePaneOnce) {
    Options().InfoPaneVisible = true;
    Options().InfoPaneDocked = true;
    frmMain window;
    QAction* dockItem = window.MenuItem(TopMenu::Windows, 1);
    ASSERT_TRUE(dockItem->isChecked());
    dock->calls.clear();
    dockItem->trigger();
    EXPECT_FALSE(dockItem->isChecked());
    EXPECT_EQ(dock->calls, QStringList{"SetState frmInfo 2"});
    dockItem->trigger();
    EXPECT_TRUE(dockItem->isChecked());
    EXPECT_EQ(dock->calls, (QStringList{"SetState frmInfo 2", "SetState frmInfo 1"}));

    dock->state = 0; // hidden: only the mark changes
    dock->calls.clear();
    dockItem->trigger();
    EXPECT_FALSE(dockItem->isChecked());
    EXPECT_TRUE(dock->calls.isEmpty());
}

// Floated with Ctrl+A and dragged back to an edge, hidden and shown again: the pane comes
// back docked, and the marks and the button say so whichever way it moved.
TEST_F(DockTest, TheWindowMenuAndButtonFollowThePaneHoweverItMoved) {
    Options().InfoPaneVisible = true;
    Options().InfoPaneDocked = true;
    frmMain window;
    QAction* show = window.MenuItem(TopMenu::Windows, 0);
    QAction* dock = window.MenuItem(TopMenu::Windows, 1);
    QAction* button = window.ToolbarButton(20);
    dock->trigger(); // Ctrl+A: floats
    ASSERT_EQ(this->dock->state, 2);
    EXPECT_FALSE(dock->isChecked());

    this->dock->state = 1; // dragged back to an edge by the user
    this->dock->calls.clear();
    button->trigger(); // hidden with the toolbar button ...
    EXPECT_EQ(this->dock->state, 0);
    EXPECT_FALSE(button->isChecked());
    EXPECT_FALSE(show->isChecked());
    button->trigger(); // ... and shown again: docked, where it was
    EXPECT_EQ(this->dock->calls, (QStringList{"Hide frmInfo", "SetState frmInfo 1"}));
    EXPECT_TRUE(button->isChecked());
    EXPECT_TRUE(show->isChecked());
    EXPECT_TRUE(dock->isChecked());

    // Told by the docking library: a drag out into the open, the close box.
    this->dock->state = 2;
    this->dock->observer("frmInfo", 2);
    EXPECT_FALSE(dock->isChecked());
    EXPECT_TRUE(show->isChecked());
    this->dock->state = 1;
    this->dock->observer("frmInfo", 1);
    EXPECT_TRUE(dock->isChecked());
    this->dock->state = 0;
    this->dock->observer("frmInfo", 0);
    EXPECT_FALSE(button->isChecked());
    EXPECT_FALSE(show->isChecked());
    EXPECT_TRUE(dock->isChecked()) << "a hidden pane keeps the place it had";
    this->dock->calls.clear();
    window.mnuSubWindow_Click(0); // Show Info Window
    EXPECT_EQ(this->dock->calls, QStringList{"SetState frmInfo 1"});
    EXPECT_TRUE(button->isChecked());
}

TEST_F(DockTest, InfoButtonHidesAShownPane) {
    Options().InfoPaneVisible = true;
    Options().InfoPaneDocked = true;
    frmMain window;
    dock->calls.clear();
    window.tbrToolbar_ButtonClick(Button::Info);
    EXPECT_EQ(dock->calls, QStringList{"Hide frmInfo"});
    EXPECT_FALSE(window.ToolbarButton(20)->isChecked());
    EXPECT_FALSE(window.MenuItem(TopMenu::Windows, 0)->isChecked());
}

TEST_F(MainWindowTest, WarningsButtonTogglesThePaneAndItsPressedState) {
    frmMain window;
    ASSERT_TRUE(window.WarningsPane()->isHidden());
    window.tbrToolbar_ButtonClick(Button::Warnings);
    EXPECT_FALSE(window.WarningsPane()->isHidden());
    EXPECT_TRUE(window.ToolbarButton(19)->isChecked());
    window.MenuItem(TopMenu::Windows, 2)->trigger();
    EXPECT_TRUE(window.WarningsPane()->isHidden());
    EXPECT_FALSE(window.ToolbarButton(19)->isChecked());
}

namespace {
// The close box of the pane's caption, as the user clicks it.
void clickCloseBox(QWidget& host) {
    auto* box = host.findChild<QToolButton*>(QStringLiteral("DockableCloseBox"));
    ASSERT_NE(box, nullptr);
    QTest::mouseClick(box, Qt::LeftButton);
    QCoreApplication::processEvents();
}
} // namespace

TEST(DockableHost, HoldsTheFormHiddenDockedOrFloating) {
    QMainWindow host;
    host.setCentralWidget(new QMdiArea);
    host.resize(800, 600);
    DockableHost dock(&host);
    EXPECT_FALSE(dock.Control().Persistent()); // no layout kept between runs
    auto* form = new QWidget;
    form->setObjectName(QStringLiteral("frmInfo"));
    dock.AddForm(form, 0, 4);
    dock.SetCanDockTop("frmInfo", false);
    dock.SetCanDockBottom("frmInfo", false);
    dock.SetRightEdgeWidth(2355);
    EXPECT_EQ(dock.State("frmInfo"), 0);
    EXPECT_FALSE(dock.Control().CanDockTop("frmInfo"));
    EXPECT_EQ(dock.Control().RightEdgeWidth(), 2355);
    host.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&host));

    dock.Show("frmInfo");
    EXPECT_EQ(dock.State("frmInfo"), 2);
    EXPECT_TRUE(form->isVisible());
    EXPECT_NE(form->window(), &host); // a window of its own above the host

    dock.SetState("frmInfo", 1);
    QCoreApplication::processEvents();
    EXPECT_EQ(dock.State("frmInfo"), 1);
    EXPECT_EQ(form->window(), &host);
    // Docked on the right: the pane stands right of the MDI area, 157 pixels wide.
    auto* mdi = host.findChild<QMdiArea*>();
    const QPoint formAt = form->mapTo(&host, QPoint(0, 0));
    EXPECT_GE(formAt.x(), mdi->mapTo(&host, QPoint(mdi->width(), 0)).x());
    EXPECT_EQ(host.centralWidget()->width() - mdi->width(), 157);

    dock.Hide("frmInfo");
    EXPECT_EQ(dock.State("frmInfo"), 0);
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(host.centralWidget()->width(), mdi->width());
}

TEST(DockableHost, OnlyTheUsersDoingReachesTheObserver) {
    QMainWindow host;
    host.setCentralWidget(new QMdiArea);
    DockableHost dock(&host);
    QStringList told;
    dock.SetStateObserver([&told](const QString& key, int state) {
        told.append(key + " " + QString::number(state));
    });
    auto* form = new QWidget;
    form->setObjectName(QStringLiteral("frmInfo"));
    dock.AddForm(form, 0, 4);
    host.show();
    dock.SetState("frmInfo", 1);
    QCoreApplication::processEvents();
    EXPECT_TRUE(told.isEmpty());
    clickCloseBox(host);
    EXPECT_EQ(told, QStringList{"frmInfo 0"});
    EXPECT_EQ(dock.State("frmInfo"), 0);
}

TEST(DockableHost, UnknownNamesAndStatesChangeNothing) {
    QMainWindow host;
    host.setCentralWidget(new QMdiArea);
    DockableHost dock(&host);
    auto* form = new QWidget;
    form->setObjectName(QStringLiteral("frmInfo"));
    dock.AddForm(form, 0, 0); // no edge to dock to
    dock.SetState("frmInfo", 1);
    EXPECT_EQ(dock.State("frmInfo"), 0);
    dock.SetState("frmInfo", 7);
    EXPECT_EQ(dock.State("frmInfo"), 0);
    dock.Show("frmOther");
    dock.SetState("frmOther", 2);
    EXPECT_EQ(dock.State("frmOther"), 0);
    auto* twin = new QWidget(&host);
    twin->setObjectName(QStringLiteral("frmInfo"));
    dock.AddForm(twin, 0, 4); // a second form of the same name is ignored
    dock.SetState("frmInfo", 1);
    EXPECT_EQ(dock.State("frmInfo"), 0);
}

TEST_F(MainWindowTest, PaneClosedByTheUserRaisesItsButton) {
    Options().InfoPaneVisible = true;
    Options().InfoPaneDocked = true;
    frmMain window;
    window.show();
    QCoreApplication::processEvents();
    ASSERT_EQ(window.DockControl().State("frmInfo"), 1);
    ASSERT_TRUE(window.ToolbarButton(20)->isChecked());
    clickCloseBox(window);
    EXPECT_EQ(window.DockControl().State("frmInfo"), 0);
    EXPECT_FALSE(window.ToolbarButton(20)->isChecked());
    EXPECT_FALSE(window.MenuItem(TopMenu::Windows, 0)->isChecked());
    window.tbrToolbar_ButtonClick(Button::Info); // shows it again, docked as the mark says
    EXPECT_EQ(window.DockControl().State("frmInfo"), 1);
}

// The docking library moves the pane as the user drags it and tells the main window: the
// Window menu's marks and button 20 follow, and the pane comes back where it was left.
TEST_F(MainWindowTest, MarksFollowThePaneTheDockingLibraryMoved) {
    Options().InfoPaneVisible = true;
    Options().InfoPaneDocked = true;
    frmMain window;
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    auto* host = dynamic_cast<DockableHost*>(&window.DockControl());
    ASSERT_NE(host, nullptr);
    QAction* show = window.MenuItem(TopMenu::Windows, 0);
    QAction* dock = window.MenuItem(TopMenu::Windows, 1);
    QAction* button = window.ToolbarButton(20);
    dock->trigger(); // Ctrl+A: floats
    QCoreApplication::processEvents();
    ASSERT_EQ(host->State("frmInfo"), 2);
    EXPECT_FALSE(dock->isChecked());

    host->Control().SetState("frmInfo", 1); // dragged back to its edge
    QCoreApplication::processEvents();
    EXPECT_TRUE(dock->isChecked());
    EXPECT_TRUE(show->isChecked());
    EXPECT_TRUE(button->isChecked());

    host->Control().SetState("frmInfo", 0); // its close box
    QCoreApplication::processEvents();
    EXPECT_FALSE(button->isChecked());
    EXPECT_FALSE(show->isChecked());
    button->trigger();
    QCoreApplication::processEvents();
    EXPECT_EQ(host->State("frmInfo"), 1) << "back docked, as it was left";
}
