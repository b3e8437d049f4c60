#include "core/language.h"
#include "platform/chart/chart_widget.h"
#include "platform/file_filter.h"
#include "platform/paths.h"
#include "platform/ui_services.h"
#include "tests/support/event_scope.h"
#include "tests/support/fake_ui.h"
#include "tests/support/full_disk.h"
#include "tests/views/graphs/graphs_fixture.h"
#include "views/graphs/frm_graph_te.h"
#include "views/graphs/graph_hooks.h"

#include <QAction>
#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QImageReader>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace {
class GraphTeWindow_ : public GraphWindowTest<frmGraphTe> {
protected:
    void SetUp() override {
        GraphWindowTest::SetUp();
        CurrentData() = MakeRamp(120);
        CurrentData().DataRes[5] = -1;
        CurrentData().DataX[5] = CurrentData().DataY[5] = CurrentData().DataZ[5] = -1;
    }
    ChartModel& Chart(frmGraphTe& w) { return w.teeEvolution->Model(); }
};
} // namespace

TEST_F(GraphTeWindow_, TheWholeLegendShowsInAWindowOfATilesHeight) {
    // Two windows tiled in the main window at its first size have 278 pixels each.
    frmGraphTe& w = ShowGraphTe();
    for (const QSize size : {QSize(760, 520), QSize(743, 278)}) {
        w.resize(size);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
        QCoreApplication::processEvents();
        const QWidget* view = w.fmeControl->parentWidget(); // the scrolled frame's viewport
        auto shown = [view](const QWidget* control) {
            const QRect place(control->mapTo(view, QPoint(0, 0)), control->size());
            return view->rect().contains(place);
        };
        for (int k = 0; k < 4; ++k) {
            EXPECT_TRUE(shown(w.lblDescrizione[k])) << k << " at " << size.height();
            EXPECT_TRUE(shown(w.Linea[k])) << k << " at " << size.height();
            EXPECT_TRUE(shown(w.chkHidePlot[k])) << k << " at " << size.height();
        }
        EXPECT_TRUE(shown(w.chkLogaritmic)) << size.height();
        EXPECT_TRUE(shown(w.btnFullScale)) << size.height();
    }
}

TEST_F(GraphTeWindow_, LoadDrawsTheDataSetAndSetsTheOpenFlag) {
    EXPECT_FALSE(GraphTeOpen());
    frmGraphTe& w = Open();
    EXPECT_TRUE(GraphTeOpen());
    EXPECT_EQ(GraphTeWindow(), &w);
    ASSERT_EQ(Chart(w).SeriesCount(), 4);
    EXPECT_EQ(Chart(w).Series(3).Count(), 120);
    EXPECT_TRUE(Chart(w).Series(0).IsGap(4)); // sample 5
    EXPECT_EQ(w.lblDescrizione[0]->text(), QStringLiteral("T4015"));
    EXPECT_EQ(w.chkLogaritmic->text(), QStringLiteral("T4208"));
    EXPECT_EQ(w.Button(2)->toolTip(), QStringLiteral("T4142"));
    EXPECT_EQ(w.Button(5)->toolTip(), QStringLiteral("T4144"));
    EXPECT_EQ(w.btnFullScale->toolTip(), QStringLiteral("T4146"));
    EXPECT_FALSE(w.btnShowRf->isVisible()); // no RF channel
    // A second show is the same window.
    EXPECT_EQ(&ShowGraphTe(), &w);
    w.tbrGraphTe_ButtonClick(5);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(GraphTeOpen());
    EXPECT_EQ(GraphTeWindow(), nullptr);
}

TEST_F(GraphTeWindow_, RfButtonOnlyWithAnRfChannel) {
    CurrentData().RfDataPresent = true;
    int shown = 0;
    GraphHook().ShowRfGraph = [&] { ++shown; };
    frmGraphTe& w = Open();
    EXPECT_TRUE(w.btnShowRf->isVisible());
    QTest::mouseClick(w.btnShowRf, Qt::LeftButton);
    EXPECT_EQ(shown, 1);
}

TEST_F(GraphTeWindow_, CaptionAndInformationPaneOnActivation) {
    int refreshed = 0;
    EventScope events;
    events.On(&ProgramEvents::WindowActivated, [&] { ++refreshed; });
    frmGraphTe& w = Open();
    w.Form_Activate();
    EXPECT_EQ(w.windowTitle(), QStringLiteral("T4014"));
    CurrentData().CurrentFileName = QStringLiteral("session.log");
    w.Form_Activate();
    EXPECT_EQ(w.windowTitle(), QStringLiteral("session.log [T4014]"));
    EXPECT_GE(refreshed, 2);
}

TEST_F(GraphTeWindow_, HideBoxesHideSeriesAndTheResultantTakesTheCrossHair) {
    frmGraphTe& w = Open();
    for (int k = 0; k < 3; ++k) {
        w.SetCrossHair(10);
        ASSERT_TRUE(w.CrosshairVisible());
        QTest::mouseClick(w.chkHidePlot[k], Qt::LeftButton);
        EXPECT_FALSE(Chart(w).Series(k).Active) << k;
        EXPECT_TRUE(w.CrosshairVisible()) << k; // x, y and z leave it
        QTest::mouseClick(w.chkHidePlot[k], Qt::LeftButton);
        EXPECT_TRUE(Chart(w).Series(k).Active) << k;
    }
    QTest::mouseClick(w.chkHidePlot[3], Qt::LeftButton);
    EXPECT_FALSE(Chart(w).Series(3).Active);
    EXPECT_FALSE(w.CrosshairVisible());
    EXPECT_FALSE(w.SeriesShown(3));
    // A rebuild keeps the boxes' choice.
    QTest::mouseClick(w.chkLogaritmic, Qt::LeftButton);
    EXPECT_FALSE(Chart(w).Series(3).Active);
}

TEST_F(GraphTeWindow_, LogarithmicSwitchRebuildsTheGraph) {
    frmGraphTe& w = Open();
    Chart(w).Zoom = ChartZoom{1, 5, 0, 1};
    QTest::mouseClick(w.chkLogaritmic, Qt::LeftButton);
    EXPECT_TRUE(Chart(w).LeftAxis.Logarithmic);
    EXPECT_DOUBLE_EQ(Chart(w).LeftAxis.Minimum, 0.0001);
    EXPECT_FALSE(Chart(w).Zoom);
    EXPECT_EQ(Chart(w).Series(3).Count(), 120);
    QTest::mouseClick(w.chkLogaritmic, Qt::LeftButton);
    EXPECT_FALSE(Chart(w).LeftAxis.Logarithmic);
    EXPECT_DOUBLE_EQ(Chart(w).LeftAxis.Minimum, 0);
    EXPECT_EQ(Chart(w).Series(3).Count(), 120);
}

TEST_F(GraphTeWindow_, ZoomUndoAndViewChangesHideTheCrossHair) {
    frmGraphTe& w = Open();
    ChartWidget* chart = w.teeEvolution;
    const ChartGeometry g = chart->Geometry();
    w.SetCrossHair(50);
    ASSERT_TRUE(w.CrosshairVisible());
    const QPoint from(int(g.x.ToPixel(20)), int(g.plot.top() + 5));
    const QPoint to(int(g.x.ToPixel(60)), int(g.plot.bottom() - 5));
    QTest::mousePress(chart, Qt::LeftButton, {}, from);
    QTest::mouseMove(chart, to);
    QTest::mouseRelease(chart, Qt::LeftButton, {}, to);
    EXPECT_TRUE(chart->Zoomed());
    EXPECT_FALSE(w.CrosshairVisible());
    w.SetCrossHair(30);
    QTest::mouseClick(w.btnFullScale, Qt::LeftButton);
    EXPECT_FALSE(chart->Zoomed());
    EXPECT_FALSE(w.CrosshairVisible());
    // A resize hides it too.
    w.SetCrossHair(30);
    w.resize(700, 500);
    QCoreApplication::processEvents();
    EXPECT_FALSE(w.CrosshairVisible());
}

TEST_F(GraphTeWindow_, CrossHairThroughAPointAndClickReportsTheSample) {
    std::vector<qint32> clicked;
    frmGraphTe& w = Open();
    QObject::connect(&w, &frmGraphTe::PointClicked,
                     [&](qint32 index) { clicked.push_back(index); });
    ChartWidget* chart = w.teeEvolution;
    w.SetCrossHair(40);
    const QPointF pixel = *PointPixel(Chart(w), chart->Geometry(), 3, 40);
    EXPECT_EQ(chart->CrossHair()->toPoint(), pixel.toPoint());
    w.SetCrossHair(4); // sample 5 is not available
    EXPECT_FALSE(w.CrosshairVisible());
    QTest::mouseClick(chart, Qt::LeftButton, {}, pixel.toPoint());
    ASSERT_EQ(clicked.size(), 1u);
    EXPECT_EQ(clicked[0], 40);
    EXPECT_EQ(w.PointCount(3), 120);
}

TEST_F(GraphTeWindow_, PrintButtonCallsPrintGraphWithTheTrimmedIdentification) {
    CurrentData().IDShort = QStringLiteral("  KL720 01      ");
    CurrentData().IDLong = QStringLiteral("Via Roma 1                                      ");
    QString title, kind;
    GraphHook().PrintGraph = [&](const QString& t, const QString& k) {
        title = t;
        kind = k;
    };
    frmGraphTe& w = Open();
    w.tbrGraphTe_ButtonClick(3);
    EXPECT_EQ(title, QStringLiteral("T4083 KL720 01 - Via Roma 1"));
    EXPECT_EQ(kind, QStringLiteral("TE"));
    EXPECT_EQ(CurrentData().IDShort.size(), 16); // the data set keeps its fixed texts
}

TEST_F(GraphTeWindow_, SavesJpegAndSvgAndCancelWritesNothing) {
    frmGraphTe& w = Open();
    const QString jpeg = scratch.filePath(QStringLiteral("graph"));
    const QString svg = scratch.filePath(QStringLiteral("graph.svg"));
    ui.saveAnswers.push_back({false, QString(), 0});
    ui.saveAnswers.push_back({true, jpeg, 0});
    ui.saveAnswers.push_back({true, svg, 1});
    w.tbrGraphTe_ButtonClick(2); // cancelled
    EXPECT_TRUE(QDir(scratch.path()).entryList(QDir::Files).isEmpty());
    ASSERT_EQ(ui.saveCalls.size(), 1);
    EXPECT_EQ(ui.saveCalls[0].title, QStringLiteral("T3007"));
    EXPECT_EQ(ui.saveCalls[0].filter, QStringLiteral("T3008 (*.jpg);;T3009 (*.svg)"));
    EXPECT_EQ(ui.saveCalls[0].folder, scratch.path());
    EXPECT_TRUE(ui.saveCalls[0].confirmOverwrite);
    // A name typed bare takes its suffix in the dialog, so an existing picture is asked about.
    EXPECT_TRUE(ui.saveCalls[0].suffixFromFilter);
    EXPECT_EQ(FilterSuffix(QStringLiteral("T3008 (*.jpg)")), QStringLiteral("jpg"));
    EXPECT_EQ(FilterSuffix(QStringLiteral("T3009 (*.svg)")), QStringLiteral("svg"));
    EXPECT_EQ(FilterSuffix(QStringLiteral("T3002 (*.*)")), QString());

    w.tbrGraphTe_ButtonClick(2);
    QImageReader reader(jpeg + QStringLiteral(".jpg"));
    EXPECT_EQ(reader.format(), "jpeg");
    EXPECT_EQ(reader.size(), QSize(800, 600));
    w.tbrGraphTe_ButtonClick(2);
    EXPECT_TRUE(QSvgRenderer(svg).isValid());
    EXPECT_TRUE(ui.messageCalls.isEmpty());
}

// A picture saved over an earlier one on a disk that has run full: the earlier picture
// stays whole and the message says the disk is full.
TEST_F(GraphTeWindow_, APictureOnAFullDiskKeepsTheEarlierOneAndSaysTheDiskIsFull) {
    frmGraphTe& w = Open();
    const TinyDisk disk(scratch.filePath(QStringLiteral("disk")), 64);
    if (!disk.Mounted())
        GTEST_SKIP() << "mounting a small file system needs root";
    const QString names[] = {disk.FilePath(QStringLiteral("graph.jpg")),
                             disk.FilePath(QStringLiteral("graph.svg"))};
    for (const QString& name : names) {
        QFile earlier(name);
        ASSERT_TRUE(earlier.open(QIODevice::WriteOnly));
        earlier.write("earlier picture");
    }
    disk.Fill();
    for (int i = 0; i < 2; ++i) {
        ui.messageCalls.clear();
        ui.saveAnswers.push_back({true, names[i], i});
        w.tbrGraphTe_ButtonClick(2);
        QFile earlier(names[i]);
        ASSERT_TRUE(earlier.open(QIODevice::ReadOnly));
        EXPECT_EQ(earlier.readAll(), QByteArray("earlier picture")) << i;
        ASSERT_EQ(ui.messageCalls.size(), 1) << i;
        EXPECT_EQ(ui.messageCalls[0].message,
                  ResString(3703).arg(QDir::toNativeSeparators(names[i])))
            << ui.messageCalls[0].message.toStdString();
        EXPECT_EQ(ui.messageCalls[0].iconKind, 0);
    }
}

TEST_F(GraphTeWindow_, APictureThatCannotBeWrittenGivesAMessage) {
    frmGraphTe& w = Open();
    const QString path = scratch.filePath(QStringLiteral("missing/folder/graph.jpg"));
    ui.saveAnswers.push_back({true, path, 0});
    w.tbrGraphTe_ButtonClick(2);
    ASSERT_EQ(ui.messageCalls.size(), 1);
    EXPECT_TRUE(ui.messageCalls[0].message.startsWith(QStringLiteral("T3720")));
    // A failure, with the stop sign and its title.
    EXPECT_EQ(ui.messageCalls[0].iconKind, 0);
    EXPECT_EQ(ui.messageCalls[0].title, QStringLiteral("T2"));
    EXPECT_FALSE(QFileInfo::exists(path));
}
