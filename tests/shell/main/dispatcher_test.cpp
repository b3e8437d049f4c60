#include "tests/shell/main/main_window_fixture.h"

#include "link/comm_state.h"
#include "shell/main/frm_main.h"

#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>

#include <map>

namespace {
// Registers every hook the dispatcher can reach, each recording its name when called.
class RecordingHooks {
public:
    RecordingHooks() {
        MainWindowHooks& h = MainWindowHook();
        h.LoadFile = [this](const QString& name) { return note("LoadFile " + name), loads; };
        h.SaveFile = [this](const QString& name) {
            return note("SaveFile " + name), saves ? SaveOutcome::Saved : SaveOutcome::Failed;
        };
        h.SaveTableFile = [this](const QString& name, int kind) {
            return note(QStringLiteral("SaveTableFile %1 %2").arg(name).arg(kind)), saves;
        };
        h.SaveMRUFile = [this](const QString& name) { note("SaveMRUFile " + name); };
        h.UploadData = [this] { return note("UploadData"), uploads; };
        h.DownloadTressilData = [this] { return note("DownloadTressilData"), uploads; };
        h.ShowRealTimeView = [this] { note("ShowRealTimeView"); };
        h.ShowMonitorDialog = [this] { note("ShowMonitorDialog"); };
        h.ShowIdCodeDialog = [this] { note("ShowIdCodeDialog"); };
        h.ShowSettingsDialog = [this] { note("ShowSettingsDialog"); };
        h.ShowAbout = [this] { note("ShowAbout"); };
        h.UnloadGraphRf = [this] { note("UnloadGraphRf"); };
        h.ShowHelp = [this](const QString& path, int command) {
            note(QStringLiteral("ShowHelp %1 %2").arg(path.section(u'/', -1)).arg(command));
        };
        view(h.GraphTe, "GraphTe");
        view(h.GraphSt, "GraphSt");
        view(h.Source, "Source");
    }

    void view(MainWindowHooks::View& v, const QString& name) {
        v.IsOpen = [this, name] { return open[name]; };
        v.Show = [this, name] {
            note("Show" + name);
            open[name] = true;
        };
        v.Unload = [this, name] {
            note("Unload" + name);
            open[name] = false;
        };
        v.Window = [] { return static_cast<QWidget*>(nullptr); };
    }

    void note(const QString& call) { calls.append(call); }

    QStringList calls;
    std::map<QString, bool> open;
    bool loads = true;
    bool saves = true;
    bool uploads = true;
};

struct Route {
    int button;
    QStringList calls;
};
} // namespace

TEST_F(MainWindowTest, DispatcherRunsEachButtonsCommand) {
    Options().OpenGraphTeOnLoad = false;
    Options().OpenGraphStOnLoad = false;
    Options().OpenSourceOnLoad = false;
    const Route routes[] = {
        {0, {}},
        {1, {}},
        {5, {}},
        {7, {"UploadData", "UnloadGraphRf"}},
        {8, {}},
        {9, {"ShowRealTimeView"}},
        {10, {"ShowMonitorDialog"}},
        {11, {"ShowIdCodeDialog"}},
        {12, {}},
        {13, {"ShowGraphTe"}},
        {14, {"ShowGraphSt"}},
        {15, {"ShowSource"}},
        {16, {}},
        {17, {"ShowSettingsDialog"}},
        {18, {}},
        {22, {}},
        {23, {"ShowHelp Corvanel_it.hlp 11"}},
        {24, {"ShowHelp Corvanel_it.hlp 3"}},
        {25, {}},
        {-1, {}},
    };
    for (const Route& route : routes) {
        RecordingHooks hooks;
        frmMain window;
        window.tbrToolbar_ButtonClick(static_cast<Button>(route.button));
        EXPECT_EQ(hooks.calls, route.calls) << route.button;
        EXPECT_TRUE(ui.messageCalls.isEmpty()) << route.button;
        MainWindowHook() = MainWindowHooks{};
    }
}

TEST_F(MainWindowTest, OpenViewIsBroughtToTheFrontNotOpenedAgain) {
    RecordingHooks hooks;
    frmMain window;
    auto* view = new QWidget;
    window.AddChildWindow(view);
    MainWindowHook().GraphTe.Window = [view] { return view; };
    hooks.open["GraphTe"] = true;
    window.tbrToolbar_ButtonClick(Button::GraphTe);
    EXPECT_TRUE(hooks.calls.isEmpty());
    EXPECT_EQ(window.MdiArea()->activeSubWindow(), view->parentWidget());
}

TEST_F(MainWindowTest, BroughtToTheFrontAWindowKeepsItsSize) {
    RecordingHooks hooks;
    frmMain window;
    window.show();
    auto* graph = new QWidget;
    auto* table = new QWidget;
    graph->setWindowTitle(QStringLiteral("graph"));
    table->setWindowTitle(QStringLiteral("table"));
    QMdiSubWindow* graphFrame = window.AddChildWindow(graph);
    QMdiSubWindow* tableFrame = window.AddChildWindow(table);
    graphFrame->show();
    tableFrame->show();
    MainWindowHook().GraphTe.Window = [graph] { return graph; };
    MainWindowHook().Source.Window = [table] { return table; };
    hooks.open["GraphTe"] = hooks.open["Source"] = true;

    // By its toolbar button (13, 15) and by its entry in the Window menu.
    window.MdiArea()->setActiveSubWindow(graphFrame);
    graphFrame->showMaximized();
    window.tbrToolbar_ButtonClick(Button::GraphTe);
    EXPECT_EQ(window.MdiArea()->activeSubWindow(), graphFrame);
    EXPECT_TRUE(graphFrame->isMaximized());
    window.MdiArea()->setActiveSubWindow(tableFrame);
    tableFrame->showMaximized();
    window.mnuWindows_Click();
    QAction* tableEntry = nullptr;
    for (QAction* entry : window.Menu(TopMenu::Windows)->actions())
        if (entry->isCheckable() && entry->text().endsWith(tableFrame->windowTitle()))
            tableEntry = entry;
    ASSERT_NE(tableEntry, nullptr);
    tableEntry->trigger();
    EXPECT_EQ(window.MdiArea()->activeSubWindow(), tableFrame);
    EXPECT_TRUE(tableFrame->isMaximized());

    // A minimised window is opened out again.
    tableFrame->showMinimized();
    window.tbrToolbar_ButtonClick(Button::Source);
    EXPECT_FALSE(tableFrame->isMinimized());
    EXPECT_EQ(window.MdiArea()->activeSubWindow(), tableFrame);
    EXPECT_TRUE(hooks.calls.isEmpty());
}

TEST_F(MainWindowTest, MenuItemsForwardToTheirButtons) {
    RecordingHooks hooks;
    frmMain window;
    for (int b : {3, 4, 13, 14, 15})
        window.ToolbarButton(b)->setEnabled(true);
    const std::tuple<TopMenu, int, QString> forwards[] = {
        {TopMenu::Monitor, 0, "ShowRealTimeView"},
        {TopMenu::Monitor, 3, "ShowMonitorDialog"},
        {TopMenu::Monitor, 4, "ShowIdCodeDialog"},
        {TopMenu::File, 7, "ShowSettingsDialog"},
        {TopMenu::Graph, 0, "ShowGraphTe"},
        {TopMenu::Graph, 1, "ShowGraphSt"},
        {TopMenu::Graph, 2, "ShowSource"},
        {TopMenu::Help, 0, "ShowHelp Corvanel_it.hlp 3"},
        {TopMenu::Help, 1, "ShowHelp Corvanel_it.hlp 11"},
        {TopMenu::Help, 3, "ShowAbout"},
    };
    for (const auto& [menu, index, call] : forwards) {
        hooks.calls.clear();
        window.MenuItem(menu, index)->trigger();
        EXPECT_EQ(hooks.calls, QStringList{call}) << call.toStdString();
    }
}

TEST_F(MainWindowTest, UploadAndBlockDownloadReopenTheViewsOnlyOnSuccess) {
    Options().OpenGraphTeOnLoad = true;
    Options().OpenGraphStOnLoad = false;
    Options().OpenSourceOnLoad = false;
    RecordingHooks hooks;
    frmMain window;
    hooks.uploads = false;
    window.tbrToolbar_ButtonClick(Button::Upload);
    window.mnuSubFile_Click(4);
    EXPECT_EQ(hooks.calls, (QStringList{"UploadData", "DownloadTressilData"}));
    hooks.calls.clear();
    hooks.uploads = true;
    window.mnuSubFile_Click(4);
    EXPECT_EQ(hooks.calls, (QStringList{"DownloadTressilData", "UnloadGraphRf", "ShowGraphTe"}));
}

TEST_F(MainWindowTest, CommandsNotBuiltYetSaySo) {
    frmMain window;
    for (int button : {2, 3, 4, 7, 9, 10, 11, 13, 14, 15, 17}) {
        ui.messageCalls.clear();
        window.ToolbarButton(button)->setEnabled(true);
        window.tbrToolbar_ButtonClick(static_cast<Button>(button));
        ASSERT_EQ(ui.messageCalls.size(), 1) << button;
        EXPECT_EQ(ui.messageCalls[0].message, ResString(4191)) << button;
    }
    EXPECT_TRUE(ui.openCalls.isEmpty());
    EXPECT_TRUE(ui.saveCalls.isEmpty());
}

TEST_F(MainWindowTest, ConnectAsksTheLinkOnlyWhileNotConnected) {
    frmMain window;
    CommState().Connected = true;
    window.tbrToolbar_ButtonClick(Button::Connect);
    EXPECT_TRUE(ui.messageCalls.isEmpty());
    CommState().Connected = false;
    window.tbrToolbar_ButtonClick(Button::Connect); // no port open: the link says so
    ASSERT_EQ(ui.messageCalls.size(), 1);
    EXPECT_EQ(ui.messageCalls[0].message, ResString(17));
    ResetCommState();
}

TEST_F(MainWindowTest, HelpFollowsTheLanguage) {
    RecordingHooks hooks;
    UseLanguage(1);
    frmMain window;
    window.tbrToolbar_ButtonClick(Button::HelpIndex);
    EXPECT_EQ(hooks.calls, QStringList{"ShowHelp Corvanel_en.hlp 3"});
}

TEST_F(MainWindowTest, TileStacksTheChildWindowsFullWidth) {
    frmMain window;
    window.resize(800, 600);
    window.show();
    for (int i = 0; i < 3; ++i) {
        QMdiSubWindow* frame = window.AddChildWindow(new QWidget);
        frame->setGeometry(10 * i, 10 * i, 200, 100);
        frame->show();
    }
    window.tbrToolbar_ButtonClick(Button::Tile);
    const QList<QMdiSubWindow*> frames = window.MdiArea()->subWindowList();
    const int width = window.MdiArea()->viewport()->width();
    int top = 0;
    for (QMdiSubWindow* frame : frames) {
        EXPECT_EQ(frame->geometry().left(), 0);
        EXPECT_EQ(frame->geometry().width(), width);
        EXPECT_EQ(frame->geometry().top(), top);
        top = frame->geometry().bottom() + 1;
    }
    EXPECT_EQ(top, window.MdiArea()->viewport()->height());
}
