#include "tests/shell/main/main_window_fixture.h"

#include "core/error_report.h"
#include "shell/main/frm_main.h"

#include <QAction>
#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>

#include <map>

namespace {
// Three data views living as child windows of the main window.
class FakeViews {
public:
    explicit FakeViews(frmMain& window) : window_(window) {
        MainWindowHooks& h = MainWindowHook();
        attach(h.GraphTe, "Te");
        attach(h.GraphSt, "St");
        attach(h.Source, "Source");
        h.UnloadGraphRf = [this] { calls.append("UnloadRf"); };
    }

    void Open(const QString& name, const QRect& place) {
        auto* view = new QWidget;
        QMdiSubWindow* frame = window_.AddChildWindow(view);
        frame->setGeometry(place);
        frame->show();
        views_[name] = view;
    }

    QWidget* View(const QString& name) { return views_[name]; }
    QStringList calls;
    QString failing; // Show of this view raises an error

private:
    void attach(MainWindowHooks::View& hook, const QString& name) {
        hook.IsOpen = [this, name] { return !views_[name].isNull(); };
        hook.Window = [this, name] { return views_[name].data(); };
        hook.Unload = [this, name] {
            calls.append("Unload" + name);
            if (views_[name])
                delete views_[name]->parentWidget();
        };
        hook.Show = [this, name] {
            calls.append("Show" + name);
            if (name == failing)
                RaiseError(5, QStringLiteral("view failed"));
            Open(name, QRect(0, 0, 120, 80));
        };
    }

    frmMain& window_;
    std::map<QString, QPointer<QWidget>> views_;
};

struct Reopen {
    bool teOpen, teOption, stOpen, stOption, srcOpen, srcOption;
    QStringList calls;
};
} // namespace

TEST_F(MainWindowTest, ReopenFollowsWhatWasOpenAndWhatTheOptionsAsk) {
    const Reopen cases[] = {
        {false, false, false, false, false, false, {"UnloadRf"}},
        {true, false, false, false, false, false, {"UnloadTe", "UnloadRf", "ShowTe"}},
        {false, true, false, false, false, false, {"UnloadRf", "ShowTe"}},
        {false, false, true, false, false, true, {"UnloadSt", "UnloadRf", "ShowSt", "ShowSource"}},
        {true,
         true,
         true,
         true,
         true,
         true,
         {"UnloadTe", "UnloadSt", "UnloadSource", "UnloadRf", "ShowTe", "ShowSt", "ShowSource"}},
    };
    for (const Reopen& c : cases) {
        frmMain window;
        FakeViews views(window);
        Options().OpenGraphTeOnLoad = c.teOption;
        Options().OpenGraphStOnLoad = c.stOption;
        Options().OpenSourceOnLoad = c.srcOption;
        if (c.teOpen)
            views.Open("Te", QRect(5, 5, 100, 100));
        if (c.stOpen)
            views.Open("St", QRect(5, 5, 100, 100));
        if (c.srcOpen)
            views.Open("Source", QRect(5, 5, 100, 100));
        window.OpenRequestedForms();
        EXPECT_EQ(views.calls, c.calls) << c.calls.join(' ').toStdString();
        MainWindowHook() = MainWindowHooks{};
    }
}

TEST_F(MainWindowTest, ReopenedViewGetsItsPlaceBackThenAllAreTiled) {
    Options().OpenGraphTeOnLoad = false;
    Options().OpenGraphStOnLoad = true;
    Options().OpenSourceOnLoad = false;
    frmMain window;
    window.resize(800, 600);
    FakeViews views(window);
    views.Open("Te", QRect(30, 40, 150, 90));
    // The statistics graph opens after the time graph: by then the time graph stands at
    // its old place again.
    QRect teWhenStOpens;
    MainWindowHooks::View& st = MainWindowHook().GraphSt;
    auto show = st.Show;
    st.Show = [&, show] {
        teWhenStOpens = views.View("Te")->parentWidget()->geometry();
        show();
    };
    window.OpenRequestedForms();
    EXPECT_EQ(teWhenStOpens, QRect(30, 40, 150, 90));
    ASSERT_NE(views.View("Te"), nullptr);
    EXPECT_EQ(views.View("Te")->parentWidget()->geometry().width(),
              window.MdiArea()->viewport()->width());
}

TEST_F(MainWindowTest, FailedReopenIsReportedAndThePointerRestored) {
    Options().OpenGraphTeOnLoad = true;
    Options().OpenGraphStOnLoad = true;
    Options().OpenSourceOnLoad = false;
    frmMain window;
    FakeViews views(window);
    views.failing = "Te";
    ui.ExpectErrorReports(1);
    window.OpenRequestedForms();
    EXPECT_EQ(views.calls, (QStringList{"UnloadRf", "ShowTe"}));
    ASSERT_EQ(ui.standardCalls.size(), 1);
    EXPECT_TRUE(ui.standardCalls[0].text.contains(QStringLiteral("OpenRequestedForms")));
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}
