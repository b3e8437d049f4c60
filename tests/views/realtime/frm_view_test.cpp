// The real-time view offscreen: its state after load, one reading drawn, the scale buttons,
// the hide boxes, the layout rule and an unload while idle.
#include "core/options.h"
#include "data/files/realtime_log.h"
#include "data/live/realtime_hooks.h"
#include "data/live/realtime_set.h"
#include "data/live/realtime_view.h"
#include "data/live/split_data_read_data.h"
#include "link/exchange.h"
#include "platform/chart/chart_widget.h"
#include "tests/link/link_fixture.h"
#include "tests/support/default_locale.h"
#include "views/realtime/bar_meter.h"
#include "views/realtime/frm_view.h"
#include "views/realtime/realtime_drawing.h"
#include "views/realtime/vector_drawing.h"
#include "views/windows/single_window.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

namespace {
class FrmViewTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetDefaultOptions(Options());
        ResetRealTimeSet();
        view = &Window<frmView>().Load();
    }
    void TearDown() override {
        Window<frmView>().Unload();
        ResetRealTimeSet();
    }
    int points(int series) { return view->teeRealEvolution->Model().Series(series).Count(); }

    EnglishTexts texts;
    DefaultLocale cLocale{QLocale::c()}; // the figures below are the C locale's
    frmView* view = nullptr;
};

TEST_F(FrmViewTest, AfterLoadShowsTheFirstScaleALogAxisAndGreenLowRangeMeters) {
    EXPECT_TRUE(Window<frmView>().IsOpen());
    EXPECT_EQ(view->sizeHint(), QSize(600, 410)) << "a child frame opens at the load size";
    EXPECT_EQ(view->windowTitle(), QStringLiteral("Real Time Viewer"));
    EXPECT_TRUE(view->MoltButton[0]->isChecked());
    EXPECT_EQ(view->MoltButton[0]->text(), QStringLiteral(".1"));
    EXPECT_EQ(RealTimeSet().ScaleIndex, 0);
    EXPECT_TRUE(view->chkAxisType->isChecked());
    EXPECT_TRUE(view->teeRealEvolution->Model().LeftAxis.Logarithmic);
    EXPECT_FALSE(view->teeRealEvolution->Model().ZoomEnabled);
    EXPECT_EQ(view->teeRealEvolution->Model().SeriesCount(), 4);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(view->VMStart[i]->text(), QStringLiteral("0 µT"));
        EXPECT_EQ(view->VMeter[i]->Colour(), QColor(0, 0xC0, 0));
    }
    EXPECT_EQ(view->VMStop[0]->text(), QStringLiteral("2 µT"));
    EXPECT_EQ(view->VMStop[3]->text(), QStringLiteral("3.46 µT"));
    EXPECT_EQ(view->Pval[0]->text(), QStringLiteral("Bx = 0.00 µT"));
    EXPECT_EQ(view->Pval[1]->text(), QStringLiteral("By = 0.00 µT"));
    EXPECT_EQ(view->Pval[2]->text(), QStringLiteral("Bz = 0.00 µT"));
    EXPECT_EQ(view->Pval[3]->text(), QStringLiteral("RSS  = 0.00 µT"));
    EXPECT_EQ(view->Punto->text(), QStringLiteral("B (0.00 : 0.00 : 0.00)"));
    EXPECT_TRUE(view->btnStartRealTime->isEnabled());
    EXPECT_FALSE(view->btnStopRealTime->isEnabled());
    EXPECT_EQ(view->btnStartRealTime->accessibleName(), QStringLiteral("Start Real Time"));
    EXPECT_EQ(points(0), 0);
}

TEST_F(FrmViewTest, AReadingAtTheLowFullScaleTurnsItsMeterToTheHighRange) {
    view->AggiornaDisegno(2.0, 0.5, 0.1, true);
    EXPECT_EQ(view->Pval[0]->text(), QStringLiteral("Bx = 2.0 µT"));
    EXPECT_EQ(view->Pval[1]->text(), QStringLiteral("By = 0.50 µT"));
    EXPECT_EQ(view->VMeter[0]->Colour(), QColor(0xFF, 0, 0));
    EXPECT_EQ(view->VMStop[0]->text(), QStringLiteral("200 µT"));
    EXPECT_EQ(view->VMStop[1]->text(), QStringLiteral("2 µT"));
    EXPECT_EQ(view->VMStop[3]->text(), QStringLiteral("3.46 µT")) << "2.07 stays low";
    EXPECT_EQ(view->Punto->text(), QStringLiteral("B (2.0 : 0.50 : 0.10)"));
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(points(i), 1);
    EXPECT_FALSE(view->teeRealEvolution->Model().LeftAxis.Automatic);

    view->AggiornaDisegno(1.0, 3.5, 0.1, true);
    EXPECT_EQ(view->VMeter[0]->Colour(), QColor(0, 0xC0, 0)) << "back in the low range";
    EXPECT_EQ(view->VMStop[0]->text(), QStringLiteral("2 µT"));
    EXPECT_EQ(view->VMStop[3]->text(), QStringLiteral("346.41 µT"));
}

TEST_F(FrmViewTest, AMeterChangesRangeEvenWhereBothRangesHaveOneColour) {
    Options().HighRangeColor = Options().LowRangeColor;
    view->AggiornaDisegno(5.0, 0, 0, false);
    EXPECT_EQ(view->VMStop[0]->text(), QStringLiteral("200 µT"));
    EXPECT_DOUBLE_EQ(view->VMeter[0]->Fraction(), 5.0 / 200.0);
}

TEST_F(FrmViewTest, AScaleButtonRedrawsTheVectorAndAddsNoChartPoint) {
    RealTimeSet().RtValues = {0.1f, 0, 0, 0.1f};
    QTest::mouseClick(view->MoltButton[0], Qt::LeftButton);
    const QPointF before = view->Disegno->Vector().Vector.p2();
    QTest::mouseClick(view->MoltButton[3], Qt::LeftButton);
    EXPECT_EQ(RealTimeSet().ScaleIndex, 3);
    EXPECT_TRUE(view->MoltButton[3]->isChecked());
    EXPECT_FALSE(view->MoltButton[0]->isChecked());
    EXPECT_LT(view->Disegno->Vector().Vector.p2().x(), before.x());
    EXPECT_EQ(points(0), 0);
    QTest::mouseClick(view->MoltButton[3], Qt::LeftButton);
    EXPECT_TRUE(view->MoltButton[3]->isChecked()) << "the selected button stays pressed";
}

// The tip's caption stands beside the tip, moved in where the tip is near an edge: a vector
// along x at full length puts the tip at the drawing's right edge.
TEST_F(FrmViewTest, TheTipCaptionIsNeverCutAtTheDrawingsEdge) {
    view->show();
    view->resize(600, 410);
    QCoreApplication::processEvents();
    for (int button : {0, 8}) {
        view->MoltButton[button]->click();
        const struct {
            double x, y, z;
        } readings[] = {{150, 0, 0}, {0, 150, 0}, {0, 0, 150}, {150, 150, 150}, {0.01, 0, 0}};
        for (const auto& r : readings) {
            view->AggiornaDisegno(r.x, r.y, r.z, false);
            const QRect caption = view->Punto->geometry();
            EXPECT_TRUE(view->Disegno->rect().contains(caption))
                << button << " " << r.x << " " << r.y << " " << r.z << ": caption at "
                << caption.x() << "," << caption.y() << " " << caption.width() << "x"
                << caption.height() << " in " << view->Disegno->width() << "x"
                << view->Disegno->height();
        }
    }
}

TEST(CaptionPlace, StaysBesideTheTipWhereItFitsAndMovesInAtAnEdge) {
    const QSize caption(120, 16);
    const QSize picture(300, 200);
    EXPECT_EQ(CaptionPlace(QPointF(40, 50), caption, picture), QPoint(40, 50));
    EXPECT_EQ(CaptionPlace(QPointF(250, 50), caption, picture), QPoint(180, 50));
    EXPECT_EQ(CaptionPlace(QPointF(40, 195), caption, picture), QPoint(40, 184));
    EXPECT_EQ(CaptionPlace(QPointF(-8, -3), caption, picture), QPoint(0, 0));
    EXPECT_EQ(CaptionPlace(QPointF(40, 50), QSize(400, 16), picture), QPoint(0, 50));
}

TEST_F(FrmViewTest, ATickedBoxHidesItsTraceAndClearingItShowsEveryPointAgain) {
    for (int i = 0; i < 5; ++i)
        view->AggiornaDisegno(0.1 * i, 0.2, 0.3, true);
    QTest::mouseClick(view->chkShowTrace[0], Qt::LeftButton);
    EXPECT_FALSE(view->teeRealEvolution->Model().Series(0).Active);
    EXPECT_TRUE(view->teeRealEvolution->Model().Series(1).Active);
    QTest::mouseClick(view->chkShowTrace[0], Qt::LeftButton);
    EXPECT_TRUE(view->teeRealEvolution->Model().Series(0).Active);
    EXPECT_EQ(points(0), 5);
    view->chkAxisType->click();
    EXPECT_FALSE(view->teeRealEvolution->Model().LeftAxis.Logarithmic);
}

TEST_F(FrmViewTest, LaysOutANarrowWindowWithItsFixedDrawingBlock) {
    view->show();
    view->resize(430, 700);
    QCoreApplication::processEvents();
    EXPECT_EQ(RealTimeSet().DrawWidth, view->Disegno->width());
    EXPECT_EQ(RealTimeSet().DrawHeight + 10, view->Disegno->height());
    EXPECT_EQ(RealTimeSet().AxisLength, RealTimeSet().DrawHeight - 30);
    EXPECT_EQ(RealTimeSet().VectorLength, RealTimeSet().AxisLength);
    EXPECT_LT(view->Disegno->width(), 240);
    view->resize(900, 300);
    QCoreApplication::processEvents();
    EXPECT_LE(view->Disegno->geometry().bottom(), 300);
}

TEST_F(FrmViewTest, ClosingWhileIdleStopsNothing) {
    RealTimeSet().RtCount = 4;
    Window<frmView>().Unload();
    EXPECT_FALSE(Window<frmView>().IsOpen());
    EXPECT_EQ(CommState().ViewTimerId, 0u);
    EXPECT_EQ(CommState().PollTimerId, 0u);
}

// The view polling the emulated instrument on the fake link, its polling shown as the
// program's wiring shows it.
class FrmViewPollingTest : public LinkTest {
protected:
    void SetUp() override {
        LinkTest::SetUp();
        SetWritableFolderForTests(dir.path());
        SetDefaultOptions(Options());
        ResetRealTimeSet();
        RegisterLiveReplyHandler();
        view = &Window<frmView>().Load();
        RealTimeHook().ShowPolling = [this](PollingShown shown) { view->ShowPolling(shown); };
        instrument.SetFault(Kl720Instrument::Fault::None);
        connectQuietly();
        ASSERT_TRUE(StartKeepAlive());
    }
    void TearDown() override {
        Window<frmView>().Unload();
        RealTimeView(QStringLiteral("Stop"));
        RealTimeHook() = RealTimeHooks();
        CloseLastLog();
        ResetRealTimeSet();
        SetWritableFolderForTests(QString());
        LinkTest::TearDown();
    }
    bool idleShown() const {
        return view->btnStartRealTime->isEnabled() && !view->btnStopRealTime->isEnabled() &&
               view->imgStato->property("picture").toInt() == 0;
    }

    QTemporaryDir dir;
    frmView* view = nullptr;
};

TEST_F(FrmViewPollingTest, TheLinkLostWhilePollingReturnsTheViewToIdle) {
    const struct {
        const char* how;
        std::function<void()> lose;
    } cases[] = {
        {"three missed replies", [this] { instrument.SetFault(Kl720Instrument::Fault::Silence); }},
        {"the port lost", [this] { port->Vanish(); }},
    };
    for (const auto& c : cases) {
        TearDown();
        SetUp();
        QTest::mouseClick(view->btnStartRealTime, Qt::LeftButton);
        ASSERT_TRUE(RealTimeSet().RealTimeActive) << c.how;
        ASSERT_FALSE(idleShown()) << c.how;
        time.RunFor(ViewTimerMs + 100);
        ASSERT_EQ(RealTimeSet().RtCount, 1) << c.how;

        c.lose();
        time.RunFor(4 * ViewTimerMs);
        EXPECT_FALSE(CommState().Connected) << c.how;
        EXPECT_TRUE(idleShown()) << c.how;
        EXPECT_FALSE(RealTimeSet().RealTimeActive) << c.how;
        EXPECT_FALSE(RealTimeLogOpen()) << c.how << ": the log is closed with its count";
        EXPECT_EQ(CommState().ViewTimerId, 0u) << c.how;
        EXPECT_EQ(CommState().PollTimerId, 0u) << c.how << ": no keep-alive without the link";
    }
}
} // namespace
