#include "core/language.h"
#include "link/comm_state.h"
#include "shell/main/dock_host.h"
#include "shell/main/frm_main.h"
#include "shell/panes/frm_info.h"
#include "shell/panes/update_info.h"
#include "tests/support/language_scope.h"
#include "text/date_math.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QPointer>

#include <gtest/gtest.h>

namespace {
// Keeps the data set and the communication state as they were.
class InfoPaneTest : public ::testing::Test {
protected:
    void SetUp() override {
        savedData_ = CurrentData();
        savedComm_ = CommState();
    }
    void TearDown() override {
        if (InfoWindowLoaded())
            InfoWindow().Unload();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        CurrentData() = savedData_;
        CommState() = savedComm_;
    }

private:
    DataSet savedData_;
    CommunicationState savedComm_;
};

DataSet downloaded() {
    DataSet d;
    d.DataPresent = true;
    d.IDShort = QStringLiteral("KL720-07").leftJustified(IdShortLength);
    d.IDLong = QStringLiteral("<b>Via Roma</b>").leftJustified(IdLongLength);
    d.StartDate = NaiveDateTime(2026, 12, 9, 7, 44, 0);
    d.SampleStep = 1;
    d.SampleStepUnit = QStringLiteral("n");
    d.NumSamples = 120;
    d.DataEndDate = NaiveDateTime(2026, 12, 9, 9, 44, 0);
    d.ResMin = 0.1f;
    d.ResMax = 0.9f;
    d.ResMean = 0.5f;
    d.MedianValue = 0.45;
    d.StatisticsPresent = d.MedianPresent = true;
    d.DataSourceName = QStringLiteral("Upload");
    return d;
}
} // namespace

TEST_F(InfoPaneTest, UpdateInfoShowsTheDataSetAndTheStateInTheUsersLanguage) {
    for (int language : {0, 1}) {
        LanguageScope scope(language);
        if (InfoWindowLoaded())
            SetUpForm(&InfoWindow());
        CurrentData() = downloaded();
        CommState().Connected = true;
        CommState().MonitorState = 1;
        UpdateInfo();
        frmInfo& pane = InfoWindow();
        EXPECT_EQ(pane.windowTitle(),
                  language ? QStringLiteral("Information") : QStringLiteral("Informazioni"));
        EXPECT_EQ(pane.lblShortID()->text(), QStringLiteral("KL720-07"));
        EXPECT_EQ(pane.lblLongID()->text(), QStringLiteral("<b>Via Roma</b>"));
        EXPECT_EQ(pane.lblLongID()->textFormat(), Qt::PlainText);
        EXPECT_EQ(pane.lblNumData()->text(), QStringLiteral("120"));
        EXPECT_EQ(pane.lblCommStatus()->text(),
                  language ? QStringLiteral("Connected") : QStringLiteral("Connesso"));
        EXPECT_EQ(pane.lblCommStatus()->palette().color(QPalette::WindowText), QColor(0, 192, 0));
        EXPECT_EQ(pane.lblMonitorStatus()->palette().color(QPalette::Window),
                  QColor(255, 192, 192));
        EXPECT_TRUE(pane.lblMonitorStatus()->autoFillBackground());
        EXPECT_TRUE(pane.ShowsDataPresent());
        EXPECT_FALSE(pane.ShowsSaved());
        const auto* frame = pane.findChild<QGroupBox*>(QStringLiteral("fmeMonitor"));
        ASSERT_TRUE(frame);
        EXPECT_EQ(frame->title(),
                  language ? QStringLiteral("Instrument") : QStringLiteral("Strumento"));
    }
}

TEST_F(InfoPaneTest, TheLinkDroppingAndANewDataSetRefreshThePane) {
    LanguageScope scope(1);
    CurrentData() = downloaded();
    CommState().Connected = true;
    CommState().MonitorState = 0;
    UpdateInfo();
    frmInfo& pane = InfoWindow();
    EXPECT_EQ(pane.lblMonitorStatus()->palette().color(QPalette::Window), QColor(192, 255, 192));

    CommState().Connected = false;
    CommState().MonitorState = -1;
    CurrentData() = DataSet{};
    UpdateInfo();
    EXPECT_EQ(pane.lblCommStatus()->text(), ResString(3023));
    EXPECT_EQ(pane.lblCommStatus()->palette().color(QPalette::WindowText), QColor(192, 0, 0));
    EXPECT_EQ(pane.lblMonitorStatus()->text(), ResString(5));
    EXPECT_EQ(pane.lblMonitorStatus()->palette().color(QPalette::Window), QColor(224, 224, 224));
    EXPECT_EQ(pane.lblNumData()->text(), QStringLiteral("---"));
    EXPECT_EQ(pane.lblValue(3)->text(), QStringLiteral("---"));
    EXPECT_FALSE(pane.ShowsDataPresent());
    EXPECT_FALSE(pane.ShowsSaved());
}

TEST_F(InfoPaneTest, TheLiveBlockLeavesTheMedianAndThePicturesOfTheDataSet) {
    LanguageScope scope(0);
    DataSet d = downloaded();
    d.DataSaved = true;
    CurrentData() = d;
    UpdateInfo();
    frmInfo& pane = InfoWindow();
    const QString median = pane.lblValue(3)->text();
    ASSERT_NE(median, QStringLiteral("---"));

    LiveInfo live;
    live.Active = false;
    InfoView view = LiveInfoView(live, 0, false);
    pane.Apply(view);
    EXPECT_EQ(pane.lblNumData()->text(), QStringLiteral("---"));
    EXPECT_EQ(pane.lblValue(0)->text(), QStringLiteral("---"));
    EXPECT_EQ(pane.lblValue(3)->text(), median);
    EXPECT_TRUE(pane.ShowsDataPresent());
    EXPECT_TRUE(pane.ShowsSaved());
}

TEST_F(InfoPaneTest, UpdateRTInfoChangesNothingWhileTheRealTimeViewIsNotInFront) {
    LanguageScope scope(0);
    CurrentData() = downloaded();
    UpdateInfo();
    LiveInfo live;
    live.Active = true;
    live.Count = 7;
    live.SourceName = QStringLiteral("Real Time");
    ASSERT_FALSE(RealTimeViewActive());
    UpdateRTInfo(live);
    EXPECT_EQ(InfoWindow().lblNumData()->text(), QStringLiteral("120"));
    EXPECT_EQ(InfoWindow().lblDataSource()->text(), QStringLiteral("Upload"));
}

TEST_F(InfoPaneTest, TheCloseBoxHidesThePaneThroughTheDockHostAndKeepsItsContents) {
    LanguageScope scope(0);
    frmMain& main = MainWindow();
    frmInfo* pane = LoadInfoPane(&main);
    CurrentData() = downloaded();
    UpdateInfo();
    main.DockControl().SetState(QLatin1String(InfoPaneName), 1);
    QPointer<frmInfo> watch(pane);
    QCloseEvent byUser;
    QApplication::sendEvent(pane, &byUser);
    EXPECT_FALSE(byUser.isAccepted());
    EXPECT_EQ(main.DockControl().State(QLatin1String(InfoPaneName)), 0);
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_TRUE(watch);
    EXPECT_EQ(pane->lblNumData()->text(), QStringLiteral("120"));
    pane->Unload();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(watch.isNull());
    UnloadMainWindow();
}
