// Every checkable control whose handler runs on a change of its value is worked here as an
// assistive tool works it, through the accessibility toggle action, which changes the
// control's state without a click: the display must follow the state.
#include "tests/shell/main/main_window_fixture.h"

#include "data/dataset.h"
#include "data/live/realtime_set.h"
#include "platform/chart/chart_widget.h"
#include "shell/main/dock_host.h"
#include "shell/main/frm_main.h"
#include "shell/settings/frm_settings.h"
#include "tests/support/downloaded_data.h"
#include "views/graphs/frm_graph_rf.h"
#include "views/graphs/frm_graph_te.h"
#include "views/realtime/frm_view.h"
#include "views/windows/single_window.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QToolBar>

#include <functional>
#include <memory>

namespace {
// Runs the toggle action of the control's accessible interface; false when it has none.
bool toggleThroughAccessibility(QWidget* control) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(control);
    if (!face || !face->actionInterface())
        return false;
    QAccessibleActionInterface* actions = face->actionInterface();
    if (!actions->actionNames().contains(QAccessibleActionInterface::toggleAction()))
        return false;
    actions->doAction(QAccessibleActionInterface::toggleAction());
    QCoreApplication::processEvents();
    return true;
}

bool isChecked(QWidget* control) {
    if (auto* button = qobject_cast<QAbstractButton*>(control))
        return button->isChecked();
    return false;
}

struct ToggleCase {
    QString control;
    std::function<QWidget*()> widget;
    // What the display shows, in the control's terms: true where a ticked or pressed
    // control's effect is seen.
    std::function<bool()> shown;
};

class ToggleActionTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        QAccessible::setActive(true);
        savedData = CurrentData();
        DataSet data = DownloadedZeros(40);
        for (qint32 i = 1; i <= 40; ++i) {
            data.DataRes[i] = 0.5 + i * 0.01;
            data.DataX[i] = 0.1f;
        }
        data.DataRf = QVector<float>(41, 12.0f);
        data.CsvRfMin = 10;
        data.CsvRfMax = 30;
        data.RfDataPresent = true;
        data.ResMin = 0.51f;
        data.ResMax = 0.9f;
        CurrentData() = data;
        ResetRealTimeSet();
    }
    void TearDown() override {
        Window<frmGraphTe>().Unload();
        Window<frmGraphRf>().Unload();
        Window<frmView>().Unload();
        ResetRealTimeSet();
        CurrentData() = savedData;
        MainWindowTest::TearDown();
    }
    DataSet savedData;
};
} // namespace

TEST_F(ToggleActionTest, EveryCheckableControlActsOnItsToggledState) {
    frmMain main;
    main.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&main));
    frmGraphTe& te = Window<frmGraphTe>().Show();
    frmGraphRf& rf = Window<frmGraphRf>().Show();
    frmView& view = Window<frmView>().Show();
    frmSettings settings;
    settings.Form_Load();
    ChartModel& teChart = te.teeEvolution->Model();
    ChartModel& rfChart = rf.teeEvolution->Model();
    ChartModel& trend = view.teeRealEvolution->Model();
    auto toolButton = [&main](int index) {
        return main.tbrToolbar()->widgetForAction(main.ToolbarButton(index));
    };

    std::vector<ToggleCase> cases;
    cases.push_back({"time graph: logarithmic axis", [&] { return te.chkLogaritmic; },
                     [&] { return teChart.LeftAxis.Logarithmic; }});
    for (int k = 0; k < 4; ++k)
        cases.push_back({QStringLiteral("time graph: hide series %1").arg(k),
                         [&te, k] { return te.chkHidePlot[k]; },
                         [&teChart, k] { return !teChart.Series(k).Active; }});
    cases.push_back({"RF graph: hide the series", [&] { return rf.chkHidePlot[0]; },
                     [&] { return !rfChart.Series(0).Active; }});
    for (int k = 0; k < 3; ++k)
        cases.push_back({QStringLiteral("real-time view: hide trace %1").arg(k),
                         [&view, k] { return view.chkShowTrace[k]; },
                         [&trend, k] { return !trend.Series(k).Active; }});
    cases.push_back({"real-time view: logarithmic axis", [&] { return view.chkAxisType; },
                     [&] { return trend.LeftAxis.Logarithmic; }});
    // The first scale button is pressed at load: the others first, then back to it.
    for (int i : {1, 2, 3, 4, 5, 6, 7, 8, 0})
        cases.push_back({QStringLiteral("real-time view: scale button %1").arg(i),
                         [&view, i] { return view.MoltButton[i]; },
                         [i] { return RealTimeSet().ScaleIndex == i; }});
    cases.push_back({"toolbar button 19: warnings pane", [&] { return toolButton(19); },
                     [&] { return !main.WarningsPane()->isHidden(); }});
    cases.push_back({"toolbar button 20: information pane", [&] { return toolButton(20); },
                     [&] { return main.DockControl().State("frmInfo") != 0; }});
    cases.push_back({"settings: custom threshold", [&] { return settings.optSoglia[3]; },
                     [&] { return settings.txtSoglia->isEnabled(); }});

    for (const ToggleCase& c : cases) {
        SCOPED_TRACE(c.control.toStdString());
        QWidget* control = c.widget();
        ASSERT_NE(control, nullptr);
        // Twice where it can be undone: on and off again.
        const int rounds = qobject_cast<QRadioButton*>(control) ||
                                   c.control.startsWith(QLatin1String("real-time view: scale"))
                               ? 1
                               : 2;
        for (int round = 0; round < rounds; ++round) {
            const bool before = isChecked(control);
            ASSERT_TRUE(toggleThroughAccessibility(control));
            EXPECT_NE(isChecked(control), before) << "round " << round;
            EXPECT_EQ(c.shown(), isChecked(control)) << "round " << round;
        }
    }
    // The menu marks follow the information pane's button as well.
    EXPECT_EQ(main.MenuItem(TopMenu::Windows, 0)->isChecked(),
              main.DockControl().State("frmInfo") != 0);
}
